// The options dialog on a real player: what it shows, when Apply lights up, and what OK, Cancel,
// Apply and Register Now leave in memory, in the registry file and on the desktop.
#include "dialogs/OptionsForm.h"
#include "dialogs/OptionsSettings.h"
#include "settings/Announcement.h"
#include "support/PlayerFixture.h"

#include <csignal>
#include <sys/resource.h>

using namespace kyvra;

class OptionsDialog : public test::PlayerFixture {
protected:
    // A player started the way a user's is, with the stored settings loaded.
    Player& startPlayer(Stored stored = {}) {
        storeSettings(stored);
        Player& started = makePlayer();
        LoadSettings(started);
        ReadUseSubs(started);
        ReadScrollTitle(started);
        ReadAutoZoom(started);
        started.remote().show();
        return started;
    }

    OptionsForm& openFromPanel() {
        QTest::mouseClick(remote().cmdOptions, Qt::LeftButton);
        EXPECT_TRUE(dialogs().options);
        return *dialogs().options;
    }

    // The dialog is gone once the closing has run its course.
    bool dialogClosed() {
        deleteClosedWindows();
        return !dialogs().options;
    }

    // Each box with the setting it stores, in the order of the pages.
    static std::vector<std::pair<CheckBox*, const char*>> boxes(OptionsForm& d) {
        return {{d.chkSplash, "Splash"},
                {d.chkExts, "Registext"},
                {d.chkWindowPos, "Windowpos"},
                {d.chkAutostart, "Autostart"},
                {d.chkOnTop, "Ontop"},
                {d.chkPlayer, "RememberPlayer"},
                {d.subtitles, "useSubs"},
                {d.chkscroll, "ScrollTitle"},
                {d.autozoom, "AZ"}};
    }

    static std::vector<bool> visiblePages(OptionsForm& d) {
        return {d.InterfaceConfig->isVisibleTo(&d), d.AutoConfig->isVisibleTo(&d),
                d.SubtitlesConfig->isVisibleTo(&d), d.DDEFrame->isVisibleTo(&d)};
    }
};

TEST_F(OptionsDialog, OpensCentredOnTheFirstPageShowingTheSettingsWithApplyOff) {
    Player& player = startPlayer({{"useSubs", "yes"},
                                  {"ScrollTitle", "yes"},
                                  {"Autostart", "yes"},
                                  {"Ontop", "no"},
                                  {"DDEMode", "watcher"},
                                  {"DDECommand", "/say %f"}});
    player.subtitleCursor.framesPerSecond = 23.976f;
    OptionsForm& dialog = openFromPanel();

    EXPECT_EQ(visiblePages(dialog), (std::vector<bool>{true, false, false, false}));
    EXPECT_FALSE(dialog.cmdApply->isEnabled()) << "loading the values must not count as a change";
    EXPECT_FLOAT_EQ(dialog.Left(), (19200 - dialog.Width()) / 2);
    EXPECT_FLOAT_EQ(dialog.Top(), (15360 - dialog.Height()) / 2);
    QString ticks;
    for (const auto& [box, name] : boxes(dialog))
        ticks += QString::number(box->Value());
    EXPECT_EQ(ticks, "000100110");
    EXPECT_EQ(dialog.fps_text->text(), "23.976");
    EXPECT_TRUE(dialog.Label3->isEnabled()) << "the label follows Use Subtitles";
    // The stored mode picks the script, but the stored command wins over its preset.
    EXPECT_EQ(dialog.script->currentText(), "Dark Watcher 2001");
    EXPECT_EQ(dialog.command->text(), "/say %f");

    dialog.options->setCurrentIndex(3);
    EXPECT_EQ(visiblePages(dialog), (std::vector<bool>{false, false, false, true}));
    dialog.subtitles->click();
    EXPECT_FALSE(dialog.Label3->isEnabled() || dialog.fps_text->isEnabled());

    // Opening again brings this very dialog forward, unsaved changes and all.
    player.dialogs().showOptions();
    EXPECT_EQ(dialogs().options.data(), &dialog);
    EXPECT_EQ(dialog.subtitles->Value(), 0);
}

// Always-on-top is in force at once, everything comes back on the next run; Register Now
// registers at once and is no setting.
TEST_F(OptionsDialog, ApplyLightsUpOnChangesAndStoresWhileTheDialogStaysOpen) {
    Player& player = startPlayer();
    player.video().show();
    OptionsForm& dialog = openFromPanel();
    EXPECT_TRUE(RegistryStore(registryPath()).keyExists(kSettingsKey))
        << "opening creates the settings key";
    dialog.options->setCurrentIndex(1);
    dialog.Command1->click();
    EXPECT_FALSE(dialog.cmdApply->isEnabled()) << "neither the page list nor Register Now";
    EXPECT_EQ(RegistryStore(registryPath()).value("HKEY_CLASSES_ROOT\\.avi", ""), "avifile");
    EXPECT_EQ(storedSetting("Registext"), std::nullopt);

    for (const auto& [box, name] : boxes(dialog)) {
        box->click();
        EXPECT_TRUE(dialog.cmdApply->isEnabled()) << name;
        dialog.cmdApply->click();
        EXPECT_FALSE(dialog.cmdApply->isEnabled());
        EXPECT_EQ(storedSetting(name), "yes") << name;
    }
    EXPECT_TRUE(player.options.autostart && player.options.useSubs && player.options.autoZoom);
    EXPECT_TRUE(player.windows.onTop && staysOnTop(remote()) && staysOnTop(player.video()));
    EXPECT_EQ(remote().Label1->BorderStyle(), 1) << "the panel's toggle shows the mode";
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(dialog.command, Qt::Key_End);
    QTest::keyClicks(dialog.command, "x");
    EXPECT_TRUE(dialog.cmdApply->isEnabled());

    dialog.chkOnTop->click();
    dialog.cmdOK->click();
    EXPECT_TRUE(dialogClosed());
    EXPECT_FALSE(player.windows.dialogOpen);
    EXPECT_FALSE(player.windows.onTop || staysOnTop(remote()) || staysOnTop(player.video()));

    const Player& started = startPlayer();
    const Options& options = started.options;
    EXPECT_TRUE(options.splash && options.registext && options.windowpos && options.autostart &&
                !options.onTop && options.rememberPlayer && options.useSubs &&
                options.scrollTitle && options.autoZoom && !started.windows.onTop);
    EXPECT_EQ(options.ddeCommand, kAnnounceCommandNormal + "x");
}

TEST_F(OptionsDialog, BlankMissingAndUnreadableCommandsShowThePreset) {
    const std::pair<const char*, const char*> stored[] = {
        {"DDECommand", ""}, {"DDEMode", "mirc"}, {"DDECommand", "Error"}};
    for (const auto& [name, value] : stored) {
        Player& player = startPlayer({{name, value}});
        OptionsForm& dialog = openFromPanel();
        EXPECT_EQ(dialog.script->currentText(), "Normal mIRC") << name << "=" << value;
        EXPECT_EQ(dialog.command->text(), kAnnounceCommandNormal) << name << "=" << value;
        EXPECT_EQ(player.options.ddeMode, kAnnounceModeNormal) << "the list sets the mode";
        QFile::remove(registryPath());
    }

    // Too long to read back, or broken over lines: neither reaches the box as it was.
    Player& player = startPlayer({{"DDECommand", QString(10000, 'a')}});
    OptionsForm& dialog = openFromPanel();
    EXPECT_EQ(dialog.command->text(), kAnnounceCommandNormal);
    dialog.command->setText(QString(300, 'b'));
    EXPECT_EQ(dialog.command->text().size(), 254) << "longer would read back as missing";
    dialog.cmdCancel->click();
    storeSetting("DDECommand", "/echo %f\r\n/quit");
    LoadSettings(player);
    EXPECT_EQ(openFromPanel().command->text(), "/echo %f /quit");
}

TEST_F(OptionsDialog, CancelDiscardsTheBoxesButKeepsTheChosenScriptInMemory) {
    Player& player = startPlayer({{"DDECommand", "/say %f"}, {"Splash", "yes"}});
    OptionsForm& dialog = openFromPanel();
    dialog.script->setCurrentIndex(1);
    emit dialog.script->activated(1);
    EXPECT_EQ(dialog.command->text(), kAnnounceCommandWatcher);
    dialog.chkSplash->click();
    dialog.cmdCancel->click();

    EXPECT_TRUE(dialogClosed());
    EXPECT_TRUE(player.windows.dialogOpen) << "only OK clears it";
    EXPECT_EQ(storedSetting("DDEMode"), std::nullopt);

    // The next save, the panel's quit, stores the mode but reads no box, even of an open dialog.
    openFromPanel().chkSplash->click();
    remote().quit_Click();
    EXPECT_EQ(storedSetting("DDEMode"), kAnnounceModeWatcher);
    EXPECT_EQ(storedSetting("DDECommand"), "/say %f");
    EXPECT_EQ(storedSetting("Splash"), "yes");
    EXPECT_EQ(storedSetting("Autostart"), std::nullopt);
}

TEST_F(OptionsDialog, AFullDiskAtOkClosesTheDialogAndLosesNothingStored) {
    startPlayer({{"Splash", "yes"}, {"DDECommand", "/say %f"}});
    const QByteArray before = bytesOf(registryPath());
    OptionsForm& dialog = openFromPanel();
    dialog.chkSplash->click();
    dialog.chkAutostart->click();

    // Files may not grow past a few bytes: the lock is taken, the new registry cannot be written.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = saved;
    tiny.rlim_cur = 128;
    setrlimit(RLIMIT_FSIZE, &tiny);
    dialog.cmdOK->click();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(dialogClosed());
    EXPECT_TRUE(prompts->shown.empty());
    EXPECT_EQ(bytesOf(registryPath()), before);
    Player& next = startPlayer();
    EXPECT_TRUE(next.options.splash);
    EXPECT_FALSE(next.options.autostart);
    EXPECT_EQ(next.options.ddeCommand, "/say %f");
}
