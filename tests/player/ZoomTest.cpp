// The panel's zoom list: every entry, the custom size and its bounds, and full screen.
#include "player/Zoom.h"

#include "support/PlayerFixture.h"

#include <QAbstractItemView>

using namespace kyvra;

namespace {

class Zoom : public test::PlayerFixture {
protected:
    // A 353x241 clip playing; the panel shows its zoom view.
    void playClip() {
        makePlayer();
        remote().Form_Load();
        openInEngine("clip.avi", {60, 25, 353, 241, {}});
        PlayMedia(*player, 0);
    }
    void choose(const QString& entry) {
        remote().HideMainView();
        remote().ShowZoomView();
        player->panelState.view = QStringLiteral("Zoom");
        ComboBox& list = *remote().cboZoomOpt;
        const int index = list.findText(entry);
        ASSERT_GE(index, 0) << entry.toStdString();
        list.setCurrentIndex(index);
        emit list.activated(index);
    }
    QSizeF windowSize() { return {player->video().Width(), player->video().Height()}; }
};

} // namespace

TEST_F(Zoom, EveryEntrySizesThePictureUnderTheTopEdgeAndEndsFullScreenCustomOnesAsked) {
    playClip();
    const std::tuple<const char*, double, double, const char*> rows[] = {
        {"50%", 2648, 241 * 7.5, "120.5x176.5"}, // widths round half to even
        {"100%", 353 * 15, 241 * 15, "241x353"},    {"200%", 706 * 15, 482 * 15, "482x706"},
        {"704x576", 704 * 15, 576 * 15, "704x576"}, {"352x240", 352 * 15, 240 * 15, "352x240"},
        {"353x241", 353 * 15, 241 * 15, "353x241"}, {"----------", 353 * 15, 241 * 15, "353x241"}};
    for (const auto& [entry, width, height, zoomText] : rows) {
        choose(entry);
        EXPECT_EQ(windowSize(), QSizeF(width, height + 105 + 195)) << entry;
        EXPECT_EQ(bounds(player->video().videobox()), QRectF(0, 105, width, height + 300))
            << "as high as the whole window, below the edge";
        EXPECT_EQ(player->panelState.zoomText, zoomText);
        EXPECT_TRUE(remote().cboZoomOpt->isHidden());
        EXPECT_EQ(player->panelState.view, "Main");
        EXPECT_TRUE(
            remote().playbackInfo->Caption().endsWith(QStringLiteral("[%1]").arg(zoomText)));
    }

    // A window pushed past the bottom of the screen comes back up.
    player->video().setTop(player->screen().height() - 300);
    choose("704x480");
    EXPECT_EQ(player->video().Top() + player->video().Height(), player->screen().height());

    // A size chosen in full screen ends it and the window comes back.
    const QSizeF windowed = windowSize();
    choose("full");
    EXPECT_TRUE(player->windows.fullScreen);
    choose("200%");
    EXPECT_FALSE(player->windows.fullScreen);
    EXPECT_EQ(windowSize(), windowed);
    EXPECT_EQ(player->panelState.zoomText, "482x706");

    // Custom sizes ask twice and refuse silently.
    const QSizeF start = windowSize();
    const QStringList refused[] = {{"0"},          {"-5"},         {"abc"},       {""},
                                   {"640", "1e9"}, {"1283", "10"}, {"10", "1027"}};
    for (const QStringList& answers : refused) {
        prompts->inputAnswers.append(answers);
        choose("Custom...");
        EXPECT_EQ(windowSize(), start) << answers.join(',').toStdString();
        EXPECT_FALSE(remote().cboZoomOpt->isHidden()) << "the list stays open";
    }
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
    prompts->shown.clear();

    prompts->inputAnswers.append({"640", "360"});
    choose("Custom...");
    EXPECT_EQ(windowSize(), QSizeF(9600, 5400 + 300));
    EXPECT_EQ(player->panelState.zoomText, "360x640");
    ASSERT_EQ(prompts->shown.size(), 2u);
    EXPECT_EQ(prompts->shown[0].defaultText, "704");
    EXPECT_EQ(prompts->shown[1].defaultText, "480");

    prompts->inputAnswers.append({"1282", "1026"}); // the screen plus two is still accepted
    player->video().setTop(3000);
    choose("Custom...");
    EXPECT_EQ(player->panelState.zoomText, "1026x1282");
    EXPECT_EQ(player->video().Top(), 0) << "the top edge stays on the screen";

    // Without media, "full" does nothing and the fixed sizes still apply.
    engine->setFileName(QString());
    choose("full");
    EXPECT_FALSE(player->windows.fullScreen);
    choose("352x288");
    EXPECT_EQ(windowSize(), QSizeF(352 * 15, 288 * 15 + 300));
    BuildZoomList(*player);
    EXPECT_EQ(remote().cboZoomOpt->count(), 12) << "no picture size without media";
}

TEST_F(Zoom, AfterTheListClosesTheKeysAreThePlayersAgain) {
    playClip();
    remote().show();
    QApplication::setActiveWindow(&remote());
    ComboBox& list = *remote().cboZoomOpt;
    for (const Qt::Key closing : {Qt::Key_Escape, Qt::Key_Return}) {
        remote().HideMainView();
        remote().ShowZoomView();
        QTest::mouseClick(&list, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return list.view()->isVisible(); }));
        QTest::keyClick(list.view(), closing);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !list.view()->isVisible(); }));
        const int before = engine->playState();
        QTest::keyClick(remote().windowHandle(), Qt::Key_Space);
        QTest::keyClick(remote().windowHandle(), Qt::Key_F);
        EXPECT_NE(engine->playState(), before) << "Space pauses or resumes";
        EXPECT_FALSE(player->windows.fullScreen) << "F is a step forward";
    }
}
