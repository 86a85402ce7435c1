// The keyboard commands, pressed on the panel, the video window and the subtitle window.
#include "app/KeyCommands.h"

#include "app/Transport.h"
#include "panel/RemoteForm.h"
#include "subtitles/SubtitleForm.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

#include <QCoreApplication>
#include <QTest>

using namespace kyvra;

namespace {

class KeyCommands : public test::PlayerFixture {
protected:
    // A 60-second clip playing at 20 s.
    void playClip() {
        const QString clip = makeMediaFile("clip.avi", {60, 25, 353, 241, {}});
        makePlayer();
        engine->setFileName(clip);
        QCoreApplication::processEvents();
        PlayMedia(*player, 0);
        engine->setCurrentPosition(20);
    }
    void press(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&window, key, modifiers);
        QCoreApplication::processEvents();
    }
    double position() { return engine->currentPosition(); }
};

} // namespace

TEST_F(KeyCommands, TransportKeysWorkInEveryWindowWithAnyModifiers) {
    playClip();
    VideoWindow& video = player->video();
    SubtitleForm& subs = player->frmSub();
    const std::pair<Qt::Key, double> seeks[] = {{Qt::Key_F, 25},
                                                {Qt::Key_B, 30},
                                                {Qt::Key_R, 25},
                                                {Qt::Key_Z, 20},
                                                {Qt::Key_T, 0},
                                                {Qt::Key_G, 60},
                                                {Qt::Key_T, 0},
                                                {Qt::Key_BracketRight, 0.5},
                                                {Qt::Key_BracketRight, 1},
                                                {Qt::Key_BracketLeft, 0.5}};
    for (const auto& [key, expected] : seeks) {
        press(subs, key);
        EXPECT_DOUBLE_EQ(position(), expected) << QKeySequence(key).toString().toStdString();
    }
    for (int held = 0; held < 4; ++held) // auto-repeat steps on from each new position
        press(video, Qt::Key_BraceRight, Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(position(), 2.5);

    press(video, Qt::Key_Space);
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    press(remote(), Qt::Key_C);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    press(subs, Qt::Key_Space, Qt::ControlModifier); // pauses once, though Ctrl is down
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    press(video, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    press(video, Qt::Key_V);
    EXPECT_EQ(status(), "Playback stopped");
    press(video, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    press(video, Qt::Key_Escape);
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);

    press(video, Qt::Key_L, Qt::ControlModifier);
    ASSERT_EQ(prompts->shown.size(), 1u) << "Ctrl+L opens once";
    EXPECT_EQ(prompts->shown[0].kind, test::ScriptedPrompts::Shown::OpenFile);
    EXPECT_TRUE(player->state.CtrlDown && !player->state.AltDown && !player->state.ShiftDown);
}

TEST_F(KeyCommands, AltKeysZoomSwitchFullScreenAndQuit) {
    playClip();
    VideoWindow& video = player->video();
    press(video, Qt::Key_3, Qt::AltModifier);
    EXPECT_EQ(video.Width(), 706 * 15);
    EXPECT_EQ(player->state.ZoomText, "482x706");
    press(remote(), Qt::Key_1, Qt::AltModifier);
    EXPECT_EQ(video.Width(), 2648) << "176.5 pixels, rounded half to even";
    EXPECT_EQ(player->state.ZoomText, "120.5x176.5");
    press(video, Qt::Key_2, Qt::AltModifier);
    EXPECT_EQ(player->state.ZoomText, "241x353");

    press(video, Qt::Key_Return, Qt::AltModifier);
    EXPECT_TRUE(player->state.IsFullScreen);
    press(video, Qt::Key_Return, Qt::AltModifier);
    EXPECT_FALSE(player->state.IsFullScreen);

    press(remote(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(player->state.OnTop);
    press(video, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(storedSetting("RMP_Repeat"), std::nullopt) << "RememberPlayer is off";
}

TEST_F(KeyCommands, KeysWithoutMediaAndBadAnswersDoNothing) {
    makePlayer();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_BracketRight, Qt::Key_BracketLeft, Qt::Key_T,
                        Qt::Key_G, Qt::Key_Z, Qt::Key_B, Qt::Key_Escape})
        press(player->video(), key);
    press(player->video(), Qt::Key_3, Qt::AltModifier);
    press(player->video(), Qt::Key_Return, Qt::AltModifier);
    EXPECT_FALSE(player->state.IsFullScreen);
    EXPECT_TRUE(engine->fileName().isEmpty());

    const QString clip = makeMediaFile("clip.avi");
    engine->setFileName(clip);
    for (const char* answer : {"abc", "", "1e999", "7.25"})
        prompts->inputAnswers.enqueue(answer);
    for (int answer = 0; answer < 3; ++answer) {
        press(remote(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(position(), 0);
    }
    press(remote(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(position(), 7.25);
    EXPECT_EQ(prompts->shown.back().text, "Enter Time (secs) To Seek To.");
    EXPECT_TRUE(prompts->messageTexts().isEmpty());

    // An engine that fails a command is reported, and the program goes on.
    engine->transportFailure = QStringLiteral("seek refused");
    press(remote(), Qt::Key_T);
    EXPECT_TRUE(prompts->messageTexts().value(0).startsWith(
        "An error occured while attempting to execute a command triggered from the keyboard."));
}
