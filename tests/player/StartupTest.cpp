// Start-up with and without the splash, the command line, and the ways out.
#include "app/Startup.h"

#include "core/CommandLine.h"
#include "playback/MpvEngine.h"
#include "support/PlayerFixture.h"

#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <sys/stat.h>

using namespace kyvra;

class Startup : public test::PlayerFixture {
protected:
    // A new run of the program; whether it went on past its checks.
    bool start(const QString& commandLine = {}) {
        makePlayer(commandLine);
        return Main(*player);
    }
};

// The timer, a click, a key or the window manager's close hands over, once.
TEST_F(Startup, TheSplashHandsOverOnceWhateverEndsIt) {
    const std::function<void(SplashForm&)> endings[] = {
        [](SplashForm& splash) { splash.tmrHide->tick(); },
        [](SplashForm& splash) { EXPECT_TRUE(splash.close()); },
    };
    for (const auto& end : endings) {
        ASSERT_TRUE(start());
        QPointer<SplashForm> splash = this->splash();
        ASSERT_TRUE(splash && splash->isVisible());
        EXPECT_FALSE(remote().isVisible()) << "the panel waits for the splash";
        end(*splash);
        EXPECT_TRUE(remote().isVisible());
        if (splash) // a click after the timer must not start the player a second time
            QTest::mouseClick(splash->picture, Qt::LeftButton);
        deleteClosedWindows();
        EXPECT_FALSE(splash) << "the splash is closed and gone";
    }
}

// A refusal comes on its own, before any splash shows, and nothing starts after it.
TEST_F(Startup, LargeFontsOrASecondCopyAreRefusedBeforeTheSplashShows) {
    ASSERT_TRUE(start());
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
        prompts->onMessage = [&] { splashBehindRefusal = splash() && splash()->isVisible(); };
        EXPECT_FALSE(Main(*player));
        EXPECT_FALSE(splashBehindRefusal);
        ASSERT_EQ(prompts->shown.size(), 1u);
        EXPECT_EQ(prompts->shown[0].text, refusal.text);
        EXPECT_EQ(prompts->shown[0].title, refusal.title);
        if (player->frmSplash)
            splash()->tmrHide->tick(); // a timer left running must not start it
        EXPECT_FALSE(remote().isVisible()) << "a refused copy never starts";
    }

    // Without the splash there is no check at all; a step that fails is announced and the rest
    // goes on.
    storeSettings({{"Splash", "no"}, {"KVR_RT", "left of centre"}});
    EXPECT_TRUE(start());
    EXPECT_TRUE(remote().isVisible());
    EXPECT_TRUE(prompts->messageTexts().value(0).startsWith("Load Error.\r\n"));
}

// The splash path brings stored positions on screen, registers the file types and applies
// always-on-top last, its caption left on show; without the splash the second loading puts the
// positions back unchecked, and what is off every screen is pulled onto it. Always-on-top shows no
// hidden window, now or after a No to quit.
TEST_F(Startup, StoredPositionsFileTypesAndAlwaysOnTop) {
    storeSettings({{"Windowpos", "yes"}, {"Registext", "yes"}, {"Ontop", "yes"}});
    storeSettings(
        {{"KVR_RL", "-50000"}, {"KVR_RT", "300"}, {"KVR_VL", "99999"}, {"KVR_VT", "600"}});
    for (const bool withSplash : {true, false}) {
        storeSetting("Splash", withSplash ? "yes" : "no");
        ASSERT_TRUE(start());
        if (withSplash)
            splash()->tmrHide->tick();
        // Unchecked, they would stand off the screen: they are pulled back onto it, whole.
        const float screenRight = 15 * (qGuiApp->primaryScreen()->availableGeometry().right() + 1);
        EXPECT_EQ(QPointF(remote().Left(), remote().Top()), QPointF(withSplash ? 100 : 0, 300));
        EXPECT_EQ(QPointF(player->video().Left(), player->video().Top()),
                  QPointF(withSplash ? 200 : screenRight - player->video().Width(), 600));
        EXPECT_EQ(RegistryStore(registryPath()).value("HKEY_CLASSES_ROOT\\.avi", ""), "avifile");
        EXPECT_EQ(status(), "Always on Top Enabled");
        EXPECT_EQ(remote().Label1->BorderStyle(), 1);
        EXPECT_FALSE(player->video().isVisible());
        EXPECT_FALSE(player->frmSub().isVisible());
        EXPECT_TRUE(prompts->shown.empty());
    }
    prompts->messageAnswers.enqueue(MsgResult::No);
    menu().quit_Click();
    EXPECT_FALSE(player->video().isVisible());
    engine->setFileName(makeMediaFile(QStringLiteral("clip.avi")));
    PlayMedia(*player, 0);
    EXPECT_TRUE(staysOnTop(player->video()));
}

// "-fullscreen" is an option only as a word of its own outside quotes, and only for this
// start; what comes down to nothing loads nothing.
TEST_F(Startup, TheCommandLineNamesAFileAndMayAskForFullScreenOnce) {
    storeSetting("Splash", "no");
    const QString clip = makeMediaFile(QString::fromUtf8("my films/d\xc3\xa9j\xc3\xa0 vu.avi"));
    const QString named = makeMediaFile(QStringLiteral("my-fullscreen-clip.avi"));
    const QString spaced = makeMediaFile(QStringLiteral("a -fullscreen b.avi"));
    const QString glued = makeMediaFile(QStringLiteral("a -fullscreenb.avi"));
    const QString joined = makeMediaFile(QStringLiteral("a-fullscreen b.avi"));
    const QString dotted = makeMediaFile(QStringLiteral("a.-fullscreen.avi"));
    const struct {
        QString commandLine;
        QString file; // empty: nothing opens
        bool fullScreen;
        int opens; // a failed open closes too
    } rows[] = {
        {"  \"" + clip + "\"  ", clip, false, 1},
        {clip, clip, false, 1},
        {"-fullscreen \"" + clip + "\"", clip, true, 1},
        {"\"" + clip + "\" -fullscreen", clip, true, 1},
        {"\"" + named + "\"", named, false, 1},
        {"\"" + spaced + "\"", spaced, false, 1},
        {glued, glued, false, 1},
        {joined, joined, false, 1},
        {dotted, dotted, false, 1},
        {"-fullscreenX \"" + clip + "\"", {}, false, 2},
        {"   ", {}, false, 0},
        {"\"", {}, false, 0},
        {"-fullscreen -fullscreen", {}, false, 0},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(start(row.commandLine));
        const std::string where = row.commandLine.toStdString();
        EXPECT_EQ(engine->fileName(), row.file) << where;
        EXPECT_EQ(engine->opens, row.opens) << where;
        const bool plays = !row.file.isEmpty();
        EXPECT_EQ(player->video().isVisible(), plays) << where;
        EXPECT_EQ(status() == "No media loaded", !plays) << where;
        EXPECT_EQ(player->windows.fullScreen, row.fullScreen) << where;
        EXPECT_FALSE(player->options.autoZoom) << "only this once: " << where;
    }

    // A file that fails keeps the stored "AZ" as it was.
    const QString damaged = makeMediaFile("damaged.avi", {.failure = QStringLiteral("bad")});
    ASSERT_TRUE(start("-fullscreen \"" + damaged + "\""));
    remote().quit_Click();
    EXPECT_EQ(storedSetting("AZ"), std::optional<QString>("no"));
    EXPECT_FALSE(storedSetting("RMP_Repeat").has_value()) << "RememberPlayer is off";

    // A pipe would hold the open for seconds and then fail: it is refused at once. A folder is
    // in the table of ways of opening (OpenMediaTest).
    const QString pipe = dir.filePath(QStringLiteral("pipe.avi"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(start(pipe));
    EXPECT_EQ(prompts->messageTexts(),
              QStringList{"The file " + pipe + " is either corrupt or damaged."});
    EXPECT_EQ(engine->opens, 0);

    // The program's arguments: an existing file by its absolute path, quoted; the rest as typed.
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.filePath("my films")));
    const QString text =
        CommandLineText({"-fullscreenX", QFile::encodeName(QFileInfo(clip).fileName())});
    QDir::setCurrent(here);
    EXPECT_EQ(text, "-fullscreenX \"" + clip + "\"");
}

// The panel's quit stores the places and the repeat, put back at the next start (the named film
// then loops); the menu's quit asks first and stores nothing; the window manager's close ends the
// program and leaves the panel's place where the desktop's session looks.
TEST_F(Startup, EachWayOutStoresWhatItShouldAndTheNextStartPutsItBack) {
    storeSettings(
        {{"Windowpos", "yes"}, {"RememberPlayer", "yes"}, {"Autostart", "yes"}, {"Splash", "no"}});
    const QString clip = makeMediaFile(QStringLiteral("clip.avi"));
    const QString commandLine = "\"" + clip + "\"";
    ASSERT_TRUE(start(commandLine));
    remote().quit_Click();
    EXPECT_EQ(storedSetting("RMP_Repeat"), std::optional<QString>("no"));

    ASSERT_TRUE(start(commandLine));
    EXPECT_FALSE(player->panelState.repeat);
    const float places[] = {1500, 1215, 3000, 2400, 450, 9000};
    remote().Move(places[0], places[1], remote().Width(), remote().Height());
    player->video().Move(places[2], places[3], player->video().Width(), player->video().Height());
    player->frmSub().setLeft(places[4]);
    player->frmSub().setTop(places[5]);
    remote().EnableRepeat(); // the repeat button
    remote().quit_Click();
    EXPECT_EQ(storedSetting("RMP_Repeat"), std::optional<QString>("yes"));

    ASSERT_TRUE(start(commandLine));
    const float restored[] = {remote().Left(),         remote().Top(),
                              player->video().Left(),  player->video().Top(),
                              player->frmSub().Left(), player->frmSub().Top()};
    EXPECT_TRUE(std::equal(std::begin(places), std::end(places), std::begin(restored)));
    EXPECT_TRUE(player->panelState.repeat) << "the film loops (MediaEventsTest)";

    remote().Move(2250, 3000, remote().Width(), remote().Height());
    prompts->messageAnswers << MsgResult::No << MsgResult::Yes;
    menu().quit_Click();
    EXPECT_EQ(ends, 2);
    EXPECT_TRUE(player->video().Timer1->Enabled());
    ASSERT_EQ(prompts->shown.size(), 1u);
    EXPECT_EQ(prompts->shown[0].buttons, MsgButtons::YesNo);
    menu().SysQuit->trigger();
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(storedSetting("KVR_RL"), std::optional<QString>("1500"));

    ASSERT_TRUE(start());
    remote().Move(2250, 3000, remote().Width(), remote().Height());
    remote().close();
    EXPECT_EQ(ends, 4);
    const QString session = QStringLiteral("HKEY_CURRENT_USER\\Software\\kyvra\\Settings");
    EXPECT_EQ(RegistryStore(registryPath()).value(session, "remoteLeft"), "2250");
    EXPECT_EQ(RegistryStore(registryPath()).value(session, "remoteTop"), "3000");
    EXPECT_EQ(storedSetting("KVR_RL"), std::optional<QString>("1500"));
}

// The player still starts. In a process of its own: the library is looked for once a process.
TEST_F(Startup, WithoutLibmpvTheFilmFailsWithTheReasonAndTheProgramEndsCleanly) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    storeSetting("Splash", "no");
    const QString commandLine = QStringLiteral("\"%1/sample.avi\"").arg(KYVRA_SAMPLES_DIR);
    qputenv("KYVRA_LIBMPV", "libkyvra-missing-mpv.so");
    EXPECT_EXIT(
        {
            makePlayer(commandLine, defaultScreen(),
                       std::make_unique<MpvEngine>(MpvEngineOptions{.headless = true}));
            Main(*player);
            const QStringList texts = prompts->messageTexts();
            remote().quit_Click();
            player.reset();
            const bool told = texts.size() == 1 &&
                              texts[0].contains("libmpv could not be loaded: ") &&
                              texts[0].contains("libkyvra-missing-mpv.so");
            std::fprintf(stderr, "%s\n", qPrintable(texts.join('\n')));
            std::exit(told && ends == 1 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    qunsetenv("KYVRA_LIBMPV");
}
