// The context menu and the rate prompt, driven the way a user drives them: by triggering items.
#include "dialogs/DetailsForm.h"
#include "support/PlayerFixture.h"

#include <QLocale>

using namespace kyvra;

namespace {

class PopupMenu : public test::PlayerFixture {
protected:
    // Answers the rate prompt with each text in turn; returns how often it asked.
    size_t answerRate(const QStringList& answers) {
        for (const QString& answer : answers)
            prompts->inputAnswers.enqueue(answer);
        const size_t before = prompts->shown.size();
        menu().ratecontrol->trigger();
        return prompts->shown.size() - before;
    }
};

TEST_F(PopupMenu, ThePlaybackSixAreEnabledOnceMediaIsLoadedAndActOnThePlayer) {
    makeStartedPlayer();
    MenuForm& menu = this->menu();
    const auto enabled = [&menu] {
        QString flags;
        for (QAction* item : {menu.details, menu.play, menu.pause, menu.stop, menu.fastforward,
                              menu.rewind, menu.ratecontrol})
            flags += item->isEnabled() ? '1' : '0';
        return flags;
    };
    EXPECT_EQ(enabled(), "0000001");
    menu.details_Click();
    EXPECT_FALSE(menu.detailsfrm) << "nothing to describe";
    EXPECT_FALSE(player->windows.dialogOpen);
    LoadMedia(*player, makeMediaFile(QStringLiteral("clip.avi"), {60, 25, 352, 240, {}}), {});
    PlayMedia(*player, 0);
    EXPECT_EQ(enabled(), "1111111");

    // The items act on the player; Pause flips its own caption only.
    engine->setCurrentPosition(30);
    menu.fastforward->trigger();
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 35);
    menu.rewind->trigger();
    EXPECT_DOUBLE_EQ(engine->currentPosition(), 30);

    menu.pause->trigger();
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    EXPECT_EQ(menu.pause->text(), "Resume");
    remote().run(PanelCommand::Pause);
    EXPECT_EQ(menu.pause->text(), "Resume") << "only the item itself changes its caption";
    menu.pause->trigger();
    EXPECT_EQ(menu.pause->text(), "Pause");

    menu.stop->trigger();
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_EQ(enabled(), "1111111") << "stopping keeps them";
    menu.play->trigger();
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    menu.fullscreen->trigger();
    EXPECT_TRUE(player->windows.fullScreen);
    menu.fullscreen->trigger();
    EXPECT_FALSE(player->windows.fullScreen);

    player->windows.inTray = true;
    remote().hide();
    menu.showremote->trigger();
    EXPECT_TRUE(remote().isVisible());
    EXPECT_TRUE(player->windows.inTray) << "showing the panel does not leave the tray";
}

// Read in the user's notation; an empty answer is Cancel and sets the normal rate.
TEST_F(PopupMenu, RatePromptAsksUntilTheAnswerIsAboveZeroAndAtMostTwo) {
    makeStartedPlayer();
    EXPECT_EQ(answerRate({"0", "-1", "2.01", "abc", QString(10000, '7'), "nan", "inf", " 2 "}), 8u);
    EXPECT_DOUBLE_EQ(engine->rate(), 2);
    EXPECT_EQ(answerRate({QString()}), 1u);
    EXPECT_DOUBLE_EQ(engine->rate(), 1);

    const QLocale usual;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const size_t asked = answerRate({"1,5"});
    const double rate = engine->rate();
    answerRate({"1.5", "0,25"});
    QLocale::setDefault(usual);
    EXPECT_EQ(asked, 1u);
    EXPECT_DOUBLE_EQ(rate, 1.5);
    EXPECT_DOUBLE_EQ(engine->rate(), 0.25) << "a point is no decimal separator there";

    engine->refuseRates = true;
    EXPECT_EQ(answerRate({"1.5", QString()}), 2u) << "a refused rate asks again; Cancel then ends";
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
}

} // namespace
