// The keyboard commands, pressed on the panel, the video window and the subtitle window.
#include "player/KeyCommands.h"

#include "support/PlayerFixture.h"

using namespace kyvra;

namespace {

class KeyCommands : public test::PlayerFixture {
protected:
    // A 60-second clip playing at 20 s.
    void playClip() {
        openInEngine("clip.avi", {60, 25, 353, 241, {}});
        PlayMedia(*player, 0);
        engine->setCurrentPosition(20);
    }
    void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&window, Qt::Key(key), modifiers);
        QCoreApplication::processEvents();
    }
};

constexpr auto Ctrl = Qt::ControlModifier;
constexpr auto Alt = Qt::AltModifier;

} // namespace

TEST_F(KeyCommands, TransportAltAndCtrlKeysWorkInEveryWindow) {
    playClip();
    // The sizes themselves are the zoom list's (ZoomTest); the text tells the factor.
    for (const auto& [key, zoomText] :
         {std::pair{Qt::Key_3, "482x706"}, {Qt::Key_1, "120.5x176.5"}, {Qt::Key_2, "241x353"}}) {
        press(remote(), key, Alt);
        EXPECT_EQ(player->panelState.zoomText, zoomText);
    }
    press(player->video(), Qt::Key_Return, Alt);
    EXPECT_TRUE(player->windows.fullScreen);
    press(player->video(), Qt::Key_Return, Alt);
    EXPECT_FALSE(player->windows.fullScreen);

    enum Window { Panel, Video, Subs };
    const struct {
        Window window;
        int key;
        Qt::KeyboardModifiers modifiers;
        double position; // negative: not checked
        int state;
    } rows[] = {
        {Subs, Qt::Key_F, {}, 25, MediaEngine::Playing},
        {Panel, Qt::Key_B, {}, 30, MediaEngine::Playing},
        {Video, Qt::Key_R, {}, 25, MediaEngine::Playing},
        {Subs, Qt::Key_Z, Ctrl, 20, MediaEngine::Playing},
        {Subs, Qt::Key_G, {}, 60, MediaEngine::Playing},
        {Video, Qt::Key_T, {}, 0, MediaEngine::Playing},
        {Subs, Qt::Key_BracketRight, {}, 0.5, MediaEngine::Playing},
        {Video, Qt::Key_BraceRight, Qt::ShiftModifier, 1, MediaEngine::Playing},
        {Video, Qt::Key_BracketLeft, {}, 0.5, MediaEngine::Playing},
        {Video, Qt::Key_Space, {}, -1, MediaEngine::Paused},
        {Panel, Qt::Key_C, {}, -1, MediaEngine::Playing},
        {Subs, Qt::Key_Space, Ctrl, -1, MediaEngine::Paused}, // once, though Ctrl is down
        {Video, Qt::Key_P, {}, -1, MediaEngine::Paused},      // P alone is nothing
        {Video, Qt::Key_P, Ctrl, -1, MediaEngine::Playing},
        {Video, Qt::Key_V, {}, 0, MediaEngine::Stopped},
        {Video, Qt::Key_X, Alt, -1, MediaEngine::Playing},
        {Panel, Qt::Key_Escape, {}, 0, MediaEngine::Stopped},
    };
    for (const auto& row : rows) {
        QWidget* windows[] = {&remote(), &player->video(), &player->frmSub()};
        press(*windows[row.window], row.key, row.modifiers);
        const std::string name = QKeySequence(row.key | row.modifiers).toString().toStdString();
        if (row.position >= 0) {
            EXPECT_DOUBLE_EQ(engine->currentPosition(), row.position) << name;
        }
        EXPECT_EQ(engine->playState(), row.state) << name;
    }

    // The Ctrl commands need Ctrl: without it S, A and Q do nothing, with it each runs once.
    for (const int key : {Qt::Key_S, Qt::Key_A, Qt::Key_Q})
        press(remote(), key);
    EXPECT_FALSE(player->windows.onTop);
    press(player->video(), Qt::Key_L, Ctrl);
    ASSERT_EQ(prompts->shown.size(), 1u) << "Ctrl+L opens once, S alone asked nothing";
    EXPECT_EQ(prompts->shown[0].kind, test::ScriptedPrompts::Shown::OpenFile);
    EXPECT_TRUE(player->keyModifiers.ctrl && !player->keyModifiers.alt &&
                !player->keyModifiers.shift);
    press(remote(), Qt::Key_A, Ctrl);
    EXPECT_TRUE(player->windows.onTop);
    EXPECT_EQ(ends, 0);
    press(player->frmSub(), Qt::Key_Q, Ctrl);
    EXPECT_EQ(ends, 1);
    for (const int key : {Qt::Key_F4, Qt::Key_Q}) {
        makePlayer();
        press(player->video(), key, Alt);
        EXPECT_EQ(ends, key == Qt::Key_F4 ? 2 : 3);
    }
}

TEST_F(KeyCommands, KeysWithoutMediaAndBadAnswersDoNothing) {
    makePlayer();
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_BracketRight, Qt::Key_BracketLeft, Qt::Key_T,
                        Qt::Key_G, Qt::Key_Z, Qt::Key_B, Qt::Key_Escape})
        press(player->video(), key);
    press(player->video(), Qt::Key_3, Alt);
    press(player->video(), Qt::Key_Return, Alt);
    EXPECT_FALSE(player->windows.fullScreen);

    engine->setFileName(makeMediaFile("clip.avi"));
    for (const auto& [answer, seconds] :
         {std::pair{"abc", 0.0}, {"", 0.0}, {"1e999", 0.0}, {"7.25", 7.25}}) {
        prompts->inputAnswers.enqueue(answer);
        press(remote(), Qt::Key_S, Ctrl);
        EXPECT_DOUBLE_EQ(engine->currentPosition(), seconds) << answer;
    }
    EXPECT_TRUE(prompts->messageTexts().isEmpty());

    // An engine that fails a command is reported, and the program goes on.
    engine->transportFailure = QStringLiteral("seek refused");
    press(remote(), Qt::Key_T);
    EXPECT_TRUE(prompts->messageTexts().value(0).startsWith(
        "An error occured while attempting to execute a command triggered from the keyboard."));
}
