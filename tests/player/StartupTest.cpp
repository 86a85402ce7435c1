// Start-up with and without the splash, the command line, and the two ways out.
#include "app/Startup.h"

#include "app/SplashForm.h"
#include "app/Transport.h"
#include "dialogs/MenuForm.h"
#include "panel/RemoteForm.h"
#include "subtitles/SubtitleForm.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

#include <QTest>
#include <sys/stat.h>

using namespace kyvra;

using Startup = test::PlayerFixture;

TEST_F(Startup, SplashHandsOverOnceAfterItsTimerAClickOrAKey) {
    makePlayer();
    ASSERT_TRUE(Main(*player));
    QPointer<SplashForm> splash = player->frmSplash;
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->tmrHide->Enabled());
    EXPECT_FALSE(player->remote().isVisible()) << "the panel waits for the splash";

    splash->tmrHide->tick();
    EXPECT_TRUE(player->remote().isVisible());
    EXPECT_FALSE(player->video().isVisible());
    EXPECT_FALSE(player->frmSub().isVisible());
    EXPECT_FALSE(player->menu().play->isEnabled());
    EXPECT_TRUE(prompts->shown.empty());

    // A click arriving after the timer must not start the player a second time.
    QTest::mouseClick(splash->picture, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(splash) << "the splash is closed and gone";
}

// A refusal comes on its own, before any splash shows, and nothing starts after it.
TEST_F(Startup, LargeFontsOrASecondCopyAreRefusedBeforeTheSplashShows) {
    makePlayer();
    ASSERT_TRUE(Main(*player));
    auto first = std::move(player);
    const struct {
        Screen screen;
        QString text;
        QString title;
    } refusals[] = {
        {defaultScreen(), "Program Already running, exiting.", ""},
        {Screen(QSize(1280, 1024), 120, 120),
         "This Program Requires Normal Sized Screen Fonts to Operate.  Please switch to Normal "
         "Font Sizes and run this Program again.",
         "Error"},
    };
    for (const auto& refusal : refusals) {
        makePlayer({}, refusal.screen); // same lock file: another copy of the program
        bool splashBehindRefusal = true;
        prompts->onMessage = [&] {
            splashBehindRefusal = player->frmSplash && player->frmSplash->isVisible();
        };
        EXPECT_FALSE(Main(*player));
        EXPECT_FALSE(splashBehindRefusal);
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, refusal.text);
        EXPECT_EQ(prompts->shown[0].title, refusal.title);
        if (player->frmSplash)
            player->frmSplash->tmrHide->tick(); // a timer left running must not start it
        EXPECT_FALSE(player->remote().isVisible()) << "a refused copy never starts";
    }

    // Without the splash there is no check at all.
    storeSetting("Splash", "no");
    makePlayer();
    EXPECT_TRUE(Main(*player));
    EXPECT_TRUE(player->remote().isVisible());
}

TEST_F(Startup, WithoutSplashPositionsAreAppliedAgainUnchecked) {
    storeSetting("Splash", "no");
    storeSetting("Windowpos", "yes");
    storeSetting("KVR_RL", "-500");
    storeSetting("KVR_RT", "300");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    // RestoreWindowPositions put the panel at 100, the second loading put -500 back.
    EXPECT_FLOAT_EQ(player->remote().Left(), -500);
    EXPECT_FLOAT_EQ(player->remote().Top(), 300);
}

TEST_F(Startup, APositionThatIsNotANumberIsALoadErrorAndStartUpGoesOn) {
    storeSetting("Splash", "no");
    storeSetting("KVR_RT", "left of centre");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    ASSERT_FALSE(prompts->messageTexts().isEmpty());
    EXPECT_TRUE(prompts->messageTexts()[0].startsWith("Load Error.\r\n"));
    EXPECT_TRUE(prompts->messageTexts()[0].endsWith("\r\nAttempting to continue."));
    EXPECT_TRUE(player->remote().isVisible());
    EXPECT_EQ(storedSetting("KVR_RT"), std::optional<QString>("left of centre"))
        << "nothing stored is lost";
}

TEST_F(Startup, CommandLinePathsWithQuotesSpacesAndTheFullScreenSwitch) {
    const QString clip = makeMediaFile(QString::fromUtf8("my films/d\xc3\xa9j\xc3\xa0 vu.avi"));
    storeSetting("Splash", "no");
    for (const QString& commandLine :
         {QStringLiteral("  \"%1\"  ").arg(clip), QStringLiteral("%1").arg(clip)}) {
        makePlayer(commandLine);
        ASSERT_TRUE(Main(*player));
        EXPECT_EQ(engine->fileName(), clip) << qPrintable(commandLine);
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
        EXPECT_TRUE(player->video().isVisible());
        EXPECT_FALSE(player->state.IsFullScreen);
    }
    for (const QString& commandLine : {QStringLiteral("-fullscreen \"%1\"").arg(clip),
                                       QStringLiteral("\"%1\" -fullscreen").arg(clip)}) {
        makePlayer(commandLine);
        ASSERT_TRUE(Main(*player));
        EXPECT_EQ(engine->fileName(), clip) << qPrintable(commandLine);
        EXPECT_TRUE(player->state.IsFullScreen) << "the switch plays this file in full screen";
        EXPECT_FALSE(player->state.AutoZoom) << "and only this once";
    }
    EXPECT_FALSE(storedSetting("AZ").has_value());
}

TEST_F(Startup, EmptyCommandLineLeavesThePanelWithNothingLoaded) {
    storeSetting("Splash", "no");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    EXPECT_TRUE(engine->fileName().isEmpty());
    EXPECT_EQ(status(), "No media loaded");
    for (QAction* item : {player->menu().play, player->menu().pause, player->menu().stop,
                          player->menu().rewind, player->menu().fastforward})
        EXPECT_FALSE(item->isEnabled());
}

TEST_F(Startup, PanelQuitStoresPositionsAndTheNextStartPutsThemBack) {
    storeSetting("Splash", "no");
    storeSetting("Windowpos", "yes");
    storeSetting("RememberPlayer", "yes");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    player->remote().Move(1500, 1215, player->remote().Width(), player->remote().Height());
    player->video().setLeft(3000);
    player->video().setTop(2400);
    player->frmSub().setLeft(450);
    player->frmSub().setTop(9000);
    player->remote().quit_Click();
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(storedSetting("KVR_RL"), std::optional<QString>("1500"));
    EXPECT_EQ(storedSetting("KVR_ST"), std::optional<QString>("9000"));
    EXPECT_EQ(storedSetting("RMP_Repeat"), std::optional<QString>("no"));
    EXPECT_EQ(storedSetting("AZ"), std::optional<QString>("no"));

    makePlayer();
    ASSERT_TRUE(Main(*player));
    EXPECT_FLOAT_EQ(player->remote().Left(), 1500);
    EXPECT_FLOAT_EQ(player->remote().Top(), 1215);
    EXPECT_FLOAT_EQ(player->video().Left(), 3000);
    EXPECT_FLOAT_EQ(player->video().Top(), 2400);
    EXPECT_FLOAT_EQ(player->frmSub().Left(), 450);
    EXPECT_FLOAT_EQ(player->frmSub().Top(), 9000);
}

TEST_F(Startup, MenuQuitAsksFirstAndStoresNothing) {
    storeSetting("Splash", "no");
    storeSetting("Windowpos", "yes");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    prompts->messageAnswers.enqueue(MsgResult::No);
    player->menu().quit_Click();
    EXPECT_EQ(ends, 0);
    EXPECT_TRUE(player->video().Timer1->Enabled());
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].text, "Are you sure you want to quit?");
    EXPECT_EQ(prompts->shown[0].title, "Exit");
    EXPECT_EQ(prompts->shown[0].buttons, MsgButtons::YesNo);

    prompts->messageAnswers.enqueue(MsgResult::Yes);
    player->menu().SysQuit->trigger();
    EXPECT_EQ(ends, 1);
    EXPECT_FALSE(storedSetting("KVR_RL").has_value());
}

// The window manager's close on the splash is one more way to go on: the player starts, and no
// copy is left running without a window (and holding the single-instance lock).
TEST_F(Startup, ClosingTheSplashStartsThePlayer) {
    makePlayer();
    ASSERT_TRUE(Main(*player));
    ASSERT_TRUE(player->frmSplash);
    QPointer<SplashForm> splash = player->frmSplash;
    EXPECT_TRUE(splash->close());
    EXPECT_TRUE(player->remote().isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(splash);
}

// "-fullscreen" is an option only as a word of its own, and only for this start: a file that
// fails keeps the stored "AZ", and a command line with no file left in it loads nothing.
TEST_F(Startup, TheFullScreenSwitchIsAWordOfItsOwnAndLastsOneStartWhateverHappens) {
    storeSetting("Splash", "no");
    const QString named = makeMediaFile(QStringLiteral("my-fullscreen-clip.avi"));
    const QString spaced = makeMediaFile(QStringLiteral("a -fullscreen b.avi"));
    for (const QString& file : {named, spaced}) {
        makePlayer(QStringLiteral("\"%1\"").arg(file));
        ASSERT_TRUE(Main(*player));
        EXPECT_EQ(engine->fileName(), file);
        EXPECT_FALSE(player->state.IsFullScreen) << qPrintable(file);
    }

    const QString damaged =
        makeMediaFile(QStringLiteral("damaged.avi"), {.failure = QStringLiteral("bad header")});
    makePlayer(QStringLiteral("-fullscreen \"%1\"").arg(damaged));
    ASSERT_TRUE(Main(*player));
    EXPECT_FALSE(player->state.AutoZoom);
    player->remote().quit_Click();
    EXPECT_EQ(storedSetting("AZ"), std::optional<QString>("no"));

    for (const char* nothing : {"   ", "\"", "-fullscreen -fullscreen"}) {
        makePlayer(QString::fromLatin1(nothing));
        ASSERT_TRUE(Main(*player));
        EXPECT_EQ(status(), "No media loaded") << nothing;
        EXPECT_EQ(engine->opens, 0);
        EXPECT_FALSE(player->state.AutoZoom);
    }
}

// A folder or a pipe would hold the open for seconds and then fail: it is refused at once.
TEST_F(Startup, ACommandLineNamingNoRegularFileIsRefusedAsAFileError) {
    storeSetting("Splash", "no");
    const QString pipe = dir.filePath(QStringLiteral("pipe.avi"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {dir.path(), pipe}) {
        makePlayer(path);
        ASSERT_TRUE(Main(*player));
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, "The file " + path + " is either corrupt or damaged.");
        EXPECT_EQ(prompts->shown[0].title, "File access error");
        EXPECT_EQ(engine->opens, 0);
        EXPECT_EQ(status(), "No media loaded");
    }
}

// Always-on-top is applied to hidden windows without showing them: nothing but the panel shows
// at start, nor after saying No to the menu's quit; the video window is top-most once it plays.
TEST_F(Startup, AlwaysOnTopShowsNoHiddenWindow) {
    storeSetting("Splash", "no");
    storeSetting("Ontop", "yes");
    makePlayer();
    ASSERT_TRUE(Main(*player));
    EXPECT_TRUE(player->remote().isVisible());
    EXPECT_FALSE(player->video().isVisible());
    EXPECT_FALSE(player->frmSub().isVisible());

    prompts->messageAnswers.enqueue(MsgResult::No);
    player->menu().quit_Click();
    EXPECT_FALSE(player->video().isVisible());

    engine->setFileName(makeMediaFile(QStringLiteral("clip.avi")));
    PlayMedia(*player, 0);
    EXPECT_TRUE(player->video().isVisible());
    EXPECT_TRUE(player->video().windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

// On the splash path the stored positions are checked once loaded, the file types registered
// and always-on-top applied last, its caption left on show; the video window stays hidden.
TEST_F(Startup, SplashPathBringsWindowsOnScreenRegistersAndAppliesAlwaysOnTop) {
    const std::pair<const char*, const char*> settings[] = {
        {"Windowpos", "yes"}, {"KVR_RL", "-50000"}, {"KVR_RT", "300"}, {"KVR_VL", "99999"},
        {"KVR_VT", "600"},    {"Registext", "yes"}, {"Ontop", "yes"}};
    for (const auto& [name, value] : settings)
        storeSetting(name, value);
    makePlayer();
    ASSERT_TRUE(Main(*player));
    player->frmSplash->tmrHide->tick();

    EXPECT_FLOAT_EQ(remote().Left(), 100);
    EXPECT_FLOAT_EQ(remote().Top(), 300);
    EXPECT_FLOAT_EQ(player->video().Left(), 200);
    EXPECT_FLOAT_EQ(player->video().Top(), 600);
    EXPECT_EQ(RegistryStore(registryPath()).value("HKEY_CLASSES_ROOT\\.avi", ""), "avifile");
    EXPECT_TRUE(player->state.OnTop);
    EXPECT_EQ(status(), "Always on Top Enabled");
    EXPECT_EQ(remote().Label1->BorderStyle(), 1);
    EXPECT_FALSE(player->video().isVisible());
    EXPECT_TRUE(prompts->shown.empty());
}
