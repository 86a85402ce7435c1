#include "player/Player.h"

#include "core/AppError.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "platform/SingleInstance.h"
#include "platform/SystemTray.h"
#include "playback/MediaEngine.h"
#include "player/Dialogs.h"
#include "player/KeyCommands.h"
#include "player/PanelWiring.h"
#include "player/Subtitles.h"
#include "player/VideoWiring.h"
#include "player/WindowsOnScreens.h"
#include "settings/Registry.h"
#include "settings/RegistryStore.h"
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

#include <QApplication>

namespace kyvra {

namespace {

// Where the windows stand until the user's own positions are stored: the picture centred, the
// panel under it and the subtitles under the panel, none covering another.
void placeAtDesignedPositions(const Screen& screen, Form& video, Form& remote, Form& subs) {
    constexpr float gap = 150;
    const float stack = video.Height() + gap + remote.Height() + gap + subs.Height();
    const float top = std::max(0.0f, (screen.height() - stack) / 2);
    const auto centred = [&screen](const Form& form) {
        return std::max(0.0f, (screen.width() - form.Width()) / 2);
    };
    video.setLeft(centred(video));
    video.setTop(top);
    remote.setLeft(centred(remote));
    remote.setTop(top + video.Height() + gap);
    subs.setLeft(centred(subs));
    subs.setTop(remote.Top() + remote.Height() + gap);
    // On a small or scaled screen the stack is taller than the screen: it rests on the screen's
    // bottom instead, the subtitles lowest and the panel above them, clear of each other; the
    // video window, sized by its first film anyway, may be covered then.
    const float overflow = subs.Top() + subs.Height() - screen.height();
    if (overflow > 0) {
        for (Form* form : {&video, &remote, &subs})
            form->setTop(std::max(0.0f, form->Top() - overflow));
    }
}

} // namespace

Player::Player(Services services)
    : screen_(services.screen), prompts_(std::move(services.prompts)),
      registryStore_(std::make_unique<RegistryStore>(
          services.registryPath.isEmpty() ? RegistryStore::defaultPath() : services.registryPath)),
      registry_(std::make_unique<Registry>(*registryStore_, *prompts_)),
      engine_(std::move(services.engine)), commandLine_(std::move(services.commandLine)),
      executablePath_(std::move(services.executablePath)),
      singleInstance_(std::make_unique<SingleInstance>(services.instanceLockPath)),
      subtitleFile_(std::make_unique<SubtitleFile>()), tray_(std::move(services.tray)),
      video_(std::make_unique<VideoWindow>(screen_, *engine_)),
      frmSub_(std::make_unique<SubtitleForm>(screen_)),
      remote_(std::make_unique<RemoteForm>(screen_, *engine_, *video_)),
      makeDialogs_(std::move(services.makeDialogs)) {
    WireVideoWindow(*this);
    WirePanel(*this);
    placeAtDesignedPositions(screen_, *video_, *remote_, *frmSub_);
    wireSubtitleWindow();
    FollowScreensGoingAway(*this);
    onEnd = [] { QApplication::exit(0); };
}

// The forms go first: the video window hands the engine's picture surface back before the
// engine is destroyed.
Player::~Player() {
    delete frmSplash.data();
    dialogs_.reset();
    remote_.reset();
    frmSub_.reset();
    video_.reset();
    engine_.reset();
}

void Player::wireSubtitleWindow() {
    frmSub_->onKeyDown = [this](int keyCode, int shift) { HandleKey(*this, keyCode, shift); };
    frmSub_->tmrNextChange->onTimer = [this] {
        // An engine that fails a read costs this wakeup; the panel's next tick tries again.
        try {
            AdvanceSubtitles(*this);
        } catch (const AppError&) {
        }
    };
}

Dialogs& Player::dialogs() {
    if (!dialogs_)
        dialogs_ = makeDialogs_(*this);
    return *dialogs_;
}

void Player::endProgram() {
    if (ended_)
        return;
    ended_ = true;
    // The notification area would keep a dead program's icon.
    tray_->remove();
    for (QWidget* window : std::initializer_list<QWidget*>{remote_.get(), video_.get(),
                                                           frmSub_.get(), frmSplash.data()}) {
        if (window)
            window->hide();
    }
    if (dialogs_)
        dialogs_->hideAll();
    if (onEnd)
        onEnd();
}

} // namespace kyvra
