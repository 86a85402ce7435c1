// The video window: its grip, dropped files, the context menu and the fit of the picture.
#include "video/VideoWindow.h"

#include "player/VideoFit.h"
#include "support/PlayerFixture.h"

using namespace kyvra;

namespace {

class VideoWindowTest : public test::PlayerFixture {
protected:
    // A player with a 352x240 clip open and the window shown.
    VideoWindow& openClip(const QString& name = QStringLiteral("clip.avi")) {
        const QString clip = makeMediaFile(name);
        Player& player = makePlayer();
        engine->setFileName(clip);
        QCoreApplication::processEvents(); // the new picture sizes the window
        player.video().setWidth(720 * 15); // back to the size it loads with
        player.video().setHeight(480 * 15);
        player.video().show();
        return player.video();
    }

    void drop(const QStringList& places) { dropOn(player->video(), places); }
};

} // namespace

TEST_F(VideoWindowTest, TheGripResizesTheWindowAndItsEdgeButNeverToAnEmptyPicture) {
    VideoWindow& video = openClip();
    for (Image* picture : {video.topedge[0], video.topedge[1], video.topedge[2], video.sizer})
        EXPECT_TRUE(QFile::exists(picture->picture())) << picture->picture().toStdString();
    QTest::mousePress(video.sizer, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(video.sizer, QPoint(20, 10));
    EXPECT_EQ(video.size(), QSize(740, 490));
    EXPECT_EQ(video.sizer->geometry(), QRect(727, 477, 13, 13)) << "the edge and grip follow";
    EXPECT_EQ(video.topedge[1]->geometry(), QRect(141, 0, 740, 7));
    EXPECT_EQ(video.topedge[2]->x(), 618);
    // The right end covers the stretched middle; the grip lies over the picture.
    video.setVideoboxVisible(true);
    EXPECT_EQ(video.childAt(670, 3), video.topedge[2]);
    EXPECT_EQ(video.childAt(734, 484), video.sizer);
    EXPECT_EQ(video.videobox().width(), 740 * 15) << "the picture is fitted as the window grows";
    EXPECT_EQ(player->remote().playbackInfo->Caption(), "352 x 240 AVI [740x490]");

    // Offsets that would leave no picture width or height change nothing.
    QTest::mouseMove(video.sizer, QPoint(-(740 - 13), 5));
    QTest::mouseMove(video.sizer, QPoint(5, -(490 - 7 - 13)));
    EXPECT_EQ(video.size(), QSize(740, 490));
    QTest::mouseMove(video.sizer, QPoint(-(740 - 13) + 1, -(490 - 7 - 13) + 1));
    EXPECT_EQ(video.size(), QSize(14, 21));
    QTest::mouseRelease(video.sizer, Qt::LeftButton, {}, QPoint(1, 1));

    // Without the button held the grip only shows its cursor.
    QTest::mouseMove(video.sizer, QPoint(8, 8));
    EXPECT_EQ(video.size(), QSize(14, 21));
}

TEST_F(VideoWindowTest, ADropLoadsTheLastExistingFileWhenAnyHasAVideoEnding) {
    const QString clip = makeMediaFile("a.avi");
    const QString notes = makeMediaFile("notes.txt");
    const QString upper = makeMediaFile("B.AVI");
    const QString mpeg = makeMediaFile("c.mpeg");
    makePlayer();

    drop({clip, notes, dir.filePath("missing.wmv")});
    EXPECT_EQ(engine->fileName(), notes) << "the last existing file, though it has no ending";

    engine->setFileName(QString());
    const int opens = engine->opens;
    drop({upper});
    EXPECT_EQ(engine->opens, opens) << "capital endings are no video endings";
    drop({mpeg});
    EXPECT_EQ(engine->fileName(), mpeg);

    drop({"https://example.org/d.avi"});
    EXPECT_EQ(prompts->messageTexts(), QStringList{"Drag & Drop Error"}) << "and none before";
    EXPECT_EQ(engine->fileName(), mpeg);
}

TEST_F(VideoWindowTest, ARightPressOpensTheMenuAndFocusOnThePicturePassesToTheWindow) {
    VideoWindow& video = openClip();
    QMenu* menu = this->menu().RemoteMenu;
    QTest::mouseClick(&video, Qt::RightButton, {}, QPoint(300, 200));
    EXPECT_TRUE(menu->isVisible());
    menu->close();

    player->windows.fullScreen = true;
    emit engine->mouseDown(2, 0, 40, 30);
    EXPECT_TRUE(menu->isVisible()) << "also in full screen";
    menu->close();
    QTest::mouseClick(video.topedge[1], Qt::RightButton);
    EXPECT_FALSE(menu->isVisible()) << "the top edge only drags";

    // Keys pressed over the picture belong to the window.
    video.setVideoboxVisible(true);
    video.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&video));
    engine->surface()->setFocus();
    emit engine->focusReceived();
    EXPECT_TRUE(video.hasFocus());
}

// The zoom tests cover the usual fits; these are the edges of it.
TEST_F(VideoWindowTest, FitLeavesWhatItCannotFitAndDescribesOnlyAPicture) {
    const QString sound = makeMediaFile("song.mpeg", {60, 25, 0, 0, {}});
    VideoWindow& video = openClip();
    Label& info = *player->remote().playbackInfo;
    FitVideoToWindow(*player, 352 * 15, 3640);
    EXPECT_EQ(player->panelState.zoomText, "352x242.6667");

    // A window too low for the edge and the grip leaves the picture's height alone.
    video.setHeight(300);
    FitVideoToWindow(*player, 0, 0);
    TwipsGeometry& box = video.videobox();
    EXPECT_EQ(QSizeF(box.width(), box.height()), QSizeF(720 * 15, 3640));
    player->panelState.zoomText.clear();
    UpdatePlaybackInfo(*player);
    EXPECT_EQ(info.Caption(), "352 x 240 AVI");

    // Media without a picture is fitted but leaves the description as it was.
    engine->setFileName(sound);
    FitVideoToWindow(*player, 0, 0);
    EXPECT_EQ(player->panelState.zoomText, "720x242.6667");
    EXPECT_EQ(info.Caption(), "352 x 240 AVI");
    player->panelState.zoomText.clear();
    engine->setFileName(QString());
    FitVideoToWindow(*player, 0, 0);
    EXPECT_EQ(player->panelState.zoomText, "") << "nothing loaded, nothing fitted";
}
