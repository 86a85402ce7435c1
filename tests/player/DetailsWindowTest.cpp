// The movie information window: what it measures at opening, what it reads on every refresh, and
// how it goes away.
#include "dialogs/DetailsForm.h"
#include "dialogs/MenuForm.h"
#include "panel/RemoteForm.h"
#include "support/PlayerFixture.h"

#include <QCoreApplication>
#include <QLocale>

using namespace kyvra;

namespace {

class DetailsWindow : public test::PlayerFixture {
protected:
    DetailsForm& open(test::FakeEngine::Media media = {90.6, 25, 352, 240, {}}) {
        makePlayer();
        remote().Form_Load();
        clip = makeMediaFile(QStringLiteral("clip.avi"), media);
        engine->setFileName(clip);
        engine->play();
        player->menu().details_Click();
        return *player->menu().detailsfrm;
    }

    QString clip;
};

TEST_F(DetailsWindow, ShowsTheMeasuredAndLiveValues) {
    DetailsForm& details = open();
    EXPECT_TRUE(details.isVisible());
    EXPECT_EQ(details.Caption(), "Movie Information");
    EXPECT_TRUE(player->state.DialogOpen);
    EXPECT_EQ(details.FPS->text(), "25");
    EXPECT_EQ(details.duration->text(), "91 secs");
    EXPECT_DOUBLE_EQ(engine->duration(), 90.6) << "the engine is left counting in seconds";
    EXPECT_EQ(details.mwidth->text(), "352");
    EXPECT_EQ(details.mheight->text(), "240");
    EXPECT_EQ(details.streams->text(), "2");
    EXPECT_EQ(details.valid->text(), "True");
    EXPECT_EQ(details.broadcast->text(), "False");
    EXPECT_EQ(details.volume->text(), "100%");
    EXPECT_EQ(details.rate->text(), "100%");
    EXPECT_EQ(details.subenabled->text(), "False");

    const QLocale usual;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    engine->setRate(1.5);
    engine->setVolume(-600);
    engine->setMute(true);
    engine->advance(2.5);
    player->state.UseSubs = true;
    details.Timer1->tick();
    QLocale::setDefault(usual);
    EXPECT_EQ(details.rate->text(), "150%");
    EXPECT_EQ(details.volume->text(), "80%");
    EXPECT_EQ(details.muted->text(), "True");
    EXPECT_EQ(details.currentframe->text(), "3,75") << "in the user's notation";
    EXPECT_EQ(details.subenabled->text(), "True") << "with or without a subtitle file";

    engine->setRate(0.25);
    engine->setVolume(-3075);
    details.refresh();
    EXPECT_EQ(details.rate->text(), "25%");
    EXPECT_EQ(details.volume->text(), "-2%") << "-2.5 rounds to the even neighbour";
    EXPECT_EQ(details.Timer1->Interval(), 50);
    EXPECT_TRUE(details.Timer1->isCounting());
}

TEST_F(DetailsWindow, KeepsReadingAcrossAStopAndAnUnloadAndOpensWithoutALength) {
    DetailsForm& details = open({0, 25, 0, 0, {}});
    EXPECT_EQ(details.FPS->text(), "0");
    EXPECT_EQ(details.duration->text(), "0 secs");
    engine->stop();
    details.refresh();
    EXPECT_EQ(details.currentframe->text(), "0");
    engine->setFileName(QString());
    details.refresh();
    EXPECT_EQ(details.currentframe->text(), "-1");
    EXPECT_EQ(details.streams->text(), "0");
    EXPECT_EQ(details.valid->text(), "False");
    engine->setVolume(std::numeric_limits<int>::max());
    details.refresh();
    EXPECT_EQ(details.volume->text(), "") << "beyond a 32-bit sum there is no percentage";
    EXPECT_EQ(details.muted->text(), "False") << "the rows after it still refresh";
}

TEST_F(DetailsWindow, OkAndTheCloseBoxBothCloseItAndClearTheDialogFlag) {
    DetailsForm* details = &open();
    details->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(player->menu().detailsfrm);
    EXPECT_FALSE(player->state.DialogOpen);

    player->menu().details_Click();
    details = player->menu().detailsfrm;
    ASSERT_TRUE(details);
    player->menu().details_Click();
    EXPECT_EQ(player->menu().detailsfrm, details) << "one window at a time";
    details->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(player->menu().detailsfrm);
    EXPECT_FALSE(player->state.DialogOpen);
}

} // namespace
