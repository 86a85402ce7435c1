#pragma once

#include "platform/Screen.h"
#include "player/PlayerState.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace kyvra {

class Dialogs;
class MediaEngine;
class Prompts;
class Registry;
class RegistryStore;
class RemoteForm;
class SingleInstance;
class SubtitleFile;
class SubtitleForm;
class SystemTray;
class VideoWindow;

// The composition root: owns the program-wide state, the engine, the platform services, the
// registry and the forms. Everything that needs one of them is handed the player; there are no
// globals, so each test builds a fresh one.
class Player {
public:
    struct Services {
        std::unique_ptr<MediaEngine> engine;
        std::unique_ptr<Prompts> prompts;
        Screen screen;
        QString registryPath;
        // The command line after the program name, as one text.
        QString commandLine;
        // Where the running executable lives, for the shell's open command.
        QString executablePath;
        // The lock that tells a second running copy; the user's runtime folder when empty.
        QString instanceLockPath;
        // The desktop's notification area.
        std::unique_ptr<SystemTray> tray;
        // Builds the menus and dialogs, which live in the layer above, on first use.
        std::function<std::unique_ptr<Dialogs>(Player&)> makeDialogs;
    };

    explicit Player(Services services);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    Options options;
    StatusLine status;
    SubtitleCursor subtitleCursor;
    WindowModes windows;
    PanelState panelState;
    KeyModifiers keyModifiers;
    PointerTrack lastPointer;

    MediaEngine& engine() { return *engine_; }
    Prompts& prompts() { return *prompts_; }
    const Screen& screen() const { return screen_; }
    RegistryStore& registryStore() { return *registryStore_; }
    Registry& registry() { return *registry_; }
    const QString& commandLine() const { return commandLine_; }
    const QString& executablePath() const { return executablePath_; }
    SingleInstance& singleInstance() { return *singleInstance_; }
    // The one open subtitle file, read a line at a time while media plays.
    SubtitleFile& subtitleFile() { return *subtitleFile_; }
    SystemTray& tray() { return *tray_; }

    VideoWindow& video() { return *video_; }
    SubtitleForm& frmSub() { return *frmSub_; }
    RemoteForm& remote() { return *remote_; }
    // Made on first use.
    Dialogs& dialogs();
    // The start-up window, only while it shows.
    QPointer<QWidget> frmSplash;

    // Ends the program at once: windows close without their handlers storing anything.
    void endProgram();
    // What ending does; the application's quit unless a test replaces it.
    std::function<void()> onEnd;
    bool ended() const { return ended_; }

private:
    void wireSubtitleWindow();

    Screen screen_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<RegistryStore> registryStore_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<MediaEngine> engine_;
    QString commandLine_;
    QString executablePath_;
    std::unique_ptr<SingleInstance> singleInstance_;
    std::unique_ptr<SubtitleFile> subtitleFile_;
    std::unique_ptr<SystemTray> tray_;
    std::unique_ptr<VideoWindow> video_;
    std::unique_ptr<SubtitleForm> frmSub_;
    std::unique_ptr<RemoteForm> remote_;
    std::function<std::unique_ptr<Dialogs>(Player&)> makeDialogs_;
    std::unique_ptr<Dialogs> dialogs_;
    bool ended_ = false;
};

} // namespace kyvra
