#include "desktop/MediaKeys.h"

#include "desktop/RemoteCommands.h"
#include "panel/RemoteForm.h"
#include "player/Player.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

#include <QApplication>
#include <QKeyEvent>

namespace kyvra {

namespace {

using Command = void (*)(Player&);

// Keyboards send Play for their play/pause key, so it toggles like the dedicated one.
Command commandFor(int key) {
    switch (key) {
    case Qt::Key_MediaPlay:
    case Qt::Key_MediaTogglePlayPause:
        return RemotePlayPause;
    case Qt::Key_MediaPause:
        return RemotePause;
    case Qt::Key_MediaStop:
        return RemoteStop;
    case Qt::Key_MediaNext:
        return RemoteNext;
    case Qt::Key_MediaPrevious:
        return RemotePrevious;
    default:
        return nullptr;
    }
}

} // namespace

MediaKeys::MediaKeys(Player& player, std::function<void()> afterCommand)
    : player_(player), afterCommand_(std::move(afterCommand)) {
    qApp->installEventFilter(this);
}

MediaKeys::~MediaKeys() {
    qApp->removeEventFilter(this);
}

bool MediaKeys::playerWindowActive() const {
    const QWidget* active = QApplication::activeWindow();
    return active && (active == &player_.remote() || active == &player_.video() ||
                      active == &player_.frmSub());
}

bool MediaKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const Command command = commandFor(key->key());
    if (!command || !playerWindowActive())
        return QObject::eventFilter(watched, event);
    // A held key would otherwise pause and resume over and over.
    if (!key->isAutoRepeat()) {
        command(player_);
        if (afterCommand_)
            afterCommand_();
    }
    return true;
}

} // namespace kyvra
