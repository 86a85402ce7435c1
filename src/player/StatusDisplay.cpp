// The status line and the time display: the status-restore timer and the panel's keep-time tick.
#include "player/StatusDisplay.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "panel/TimeFormat.h"
#include "playback/MediaEngine.h"
#include "player/AlwaysOnTop.h"
#include "player/PanelWiring.h"
#include "player/Player.h"
#include "player/SubtitleWindowSync.h"
#include "player/Subtitles.h"
#include "player/Transport.h"
#include "video/VideoWindow.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace kyvra {

void ShowStatus(Player& player, const QString& text) {
    player.remote().status->setCaption(text);
}

void SetStatus(Player& player, const QString& text) {
    player.status.text = text;
    ShowStatus(player, text);
}

namespace {

const QString kPlaying = QStringLiteral(" Playing");
// How many characters of a title the status line shows; longer ones scroll.
constexpr qsizetype kTitleWindow = 20;
constexpr qint32 kBarLimit = std::numeric_limits<qint16>::max();

// A timer tick has nobody to report to: an engine that fails a read costs that tick's update.
template <class Step> void ignoringFailure(Step&& step) {
    try {
        step();
    } catch (const AppError&) {
    }
}

// The seek bar counts in 16-bit units. Media longer than that (from about 9 h 6 min) is shown
// on a reduced scale that keeps value/max equal to position/duration, so the bar still moves.
void showOnSeekBar(SimpleProgress& bar, qint32 position, qint32 duration) {
    const qint64 largest = std::max(std::llabs(position), std::llabs(duration));
    if (largest <= kBarLimit) {
        bar.setValue(qint16(position));
        bar.setMax(qint16(duration));
        return;
    }
    const double scale = double(kBarLimit) / double(largest);
    bar.setValue(toInt16(position * scale));
    bar.setMax(toInt16(duration * scale));
}

// Whole seconds wider than 16 bits, so the time line keeps counting past 9:06:07; a position or
// duration no integer holds (not a number, infinite) throws and leaves line and bar as they were.
void showTimeAndBar(RemoteForm& remote, double position, double duration) {
    const qint32 seconds = toInt32(position);
    const qint32 length = toInt32(duration);
    remote.time->setCaption(FormatTime(seconds) + QStringLiteral(" / ") + FormatTime(length));
    showOnSeekBar(*remote.progress, seconds, length);
}

// One character further per tick; after the last one the line stays empty for a tick, then the
// title starts over.
void scrollTitle(Player& player) {
    player.status.text = GetFileName(player.engine().fileName()) + kPlaying;
    const qsizetype length = player.status.text.size();
    if (length <= kTitleWindow)
        return;
    qint16& start = player.status.scrollPos;
    if (start <= length && start < std::numeric_limits<qint16>::max())
        ++start;
    else
        start = 1;
    ShowStatus(player, player.status.text.mid(start - 1, kTitleWindow));
}

void keepTimeWithMedia(Player& player) {
    MediaEngine& engine = player.engine();
    if (engine.fileName().isEmpty())
        return;
    const double position = engine.currentPosition();
    if (position > -1)
        ignoringFailure([&] { showTimeAndBar(player.remote(), position, engine.duration()); });

    // The subtitle window is left out on purpose: in full screen it must stay behind the picture.
    if (player.windows.onTop && !player.windows.dialogOpen && !player.windows.inTray &&
        !player.windows.onTopApplied) {
        SetOnTop(player, player.video(), true);
        SetOnTop(player, player.remote(), true);
    }
    engine.setDisplayFullScreen(false);
    if (engine.playState() == MediaEngine::Playing && engine.playsSilently() &&
        !player.status.toldSilent) {
        player.status.toldSilent = true;
        SetStatus(player, QStringLiteral("No sound device: playing silently"));
    } else if (engine.playState() == MediaEngine::Playing && player.options.scrollTitle) {
        scrollTitle(player);
    }
    if (engine.playState() == MediaEngine::Playing && player.options.useSubs)
        AdvanceSubtitles(player);
}

} // namespace

// Puts the player's state back into the status line after a hint.
void RestoreStatus(Player& player) {
    MediaEngine& engine = player.engine();
    const int playState = engine.playState();
    if (playState == MediaEngine::Paused) {
        SetStatus(player, QStringLiteral("Playback paused"));
        return;
    }
    if (playState == MediaEngine::Playing) {
        player.status.text = GetFileName(engine.fileName()) + kPlaying;
        if (player.status.text.size() <= kTitleWindow) {
            SetStatus(player, GetShortTitle(engine.fileName()) + kPlaying);
            return;
        }
        // A long title is left to the keep-time tick, which scrolls it when asked to.
    }
    // The engine reports itself stopped when nothing is loaded: that is the no-media state, not
    // a stopped file.
    if (engine.fileName().isEmpty()) {
        SetStatus(player, QStringLiteral("No media loaded"));
        player.remote().ShowMediaButtons(false);
    } else if (engine.playState() == MediaEngine::Stopped) {
        SetStatus(player, QStringLiteral("Playback stopped"));
    }
}

// The heartbeat while media plays: time line, seek bar, window order, title scrolling and the
// subtitle line; the subtitle window follows its setting with or without media.
void KeepTime(Player& player) {
    ignoringFailure([&] { keepTimeWithMedia(player); });
    SyncSubtitleWindow(player);
}

} // namespace kyvra
