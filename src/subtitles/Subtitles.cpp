#include "subtitles/Subtitles.h"

#include "app/Player.h"
#include "app/Transport.h"
#include "core/AppError.h"
#include "core/Rounding.h"
#include "playback/MediaEngine.h"
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleForm.h"
#include "subtitles/SubtitlePickup.h"
#include "video/VideoWindow.h"

#include <QElapsedTimer>
#include <cmath>

namespace kyvra {

namespace {

// A long scan (a seek deep into a huge file) goes on over the next ticks instead of freezing the
// windows.
constexpr qint64 kScanSliceMs = 50;
// A position further than this from the last tick's moved by a seek nobody announced (a repeat
// from the start, for one): the reader follows it like any other seek.
constexpr double kJumpSeconds = 3;

qint32 frameAt(double seconds, float framesPerSecond) {
    return toInt32(seconds * double(framesPerSecond));
}

void readOneEntry(Player& player) {
    SharedState& state = player.state;
    SubtitleFile::Read read = player.subtitleFile().readEntry(state.FramesPerSecond);
    state.SubtitleLineBuffer = std::move(read.raw);
    state.CurrentSubtitle = std::move(read.entry);
}

void rewindToFirstLine(Player& player) {
    player.subtitleFile().rewind();
    player.state.CurrentSubtitle.EndFrame = 0;
}

// Reads on until the current line has not ended at the engine's position, or the file has.
void scanForward(Player& player) {
    SubtitleFile& file = player.subtitleFile();
    SharedState& state = player.state;
    const double target = player.engine().currentPosition() * double(state.FramesPerSecond);
    QElapsedTimer slice;
    slice.start();
    file.scanPending = true;
    while (state.CurrentSubtitle.EndFrame < target && !file.atEnd()) {
        if (slice.hasExpired(kScanSliceMs))
            return;
        readOneEntry(player);
    }
    file.scanPending = false;
}

} // namespace

void OpenSubtitleFile(Player& player) {
    SubtitleFile& file = player.subtitleFile();
    file.close();
    file.open(player.video().subsfile->Caption());
    file.media = player.engine().fileName();
    // Reading starts over: a line or frame kept from before would hold the reader back until
    // playback passed it again.
    player.state.CurrentSubtitle = {};
    player.state.CurrentFrame = 0;
}

void CloseSubtitleFile(Player& player) {
    if (player.state.UseSubs)
        player.subtitleFile().close();
}

void AttachSubtitles(Player& player, const QString& subtitlePath) {
    const QString media = player.engine().fileName();
    const QString path = subtitlePath.isEmpty() ? FindSubtitleBeside(media) : subtitlePath;
    player.video().subsfile->setCaption(path);
    SubtitleFile& file = player.subtitleFile();
    file.close();
    file.media = media;
    player.frmSub().ShowText(QString());
    if (!path.isEmpty())
        OpenSubtitleFile(player);
}

void ResumeSubtitles(Player& player) {
    if (!player.state.UseSubs)
        return;
    SubtitleFile& file = player.subtitleFile();
    const QString media = player.engine().fileName();
    try {
        if (file.media != media) {
            // Tried once per media, also when it fails.
            file.media = media;
            // Media opened without the loader has no frame rate measured for it.
            MeasureFrameRate(player);
            AttachSubtitles(player, QString());
        } else if (!file.isOpen() && !player.video().subsfile->Caption().isEmpty()) {
            OpenSubtitleFile(player);
        }
    } catch (const AppError&) {
        // Plays on without subtitles, and does not try that file again for this media.
        file.close();
        player.video().subsfile->setCaption(QString());
    }
}

void AdvanceSubtitles(Player& player) {
    SubtitleFile& file = player.subtitleFile();
    if (file.media != player.engine().fileName())
        ResumeSubtitles(player);
    // Subtitles switched on with no file to read: nothing to show, nothing to fail.
    if (!file.isOpen())
        return;

    SharedState& state = player.state;
    const qint32 previous = state.CurrentFrame;
    state.CurrentFrame = frameAt(player.engine().currentPosition(), state.FramesPerSecond);
    if (file.scanPending) {
        scanForward(player);
    } else if (std::abs(double(state.CurrentFrame) - previous) >
               kJumpSeconds * state.FramesPerSecond) {
        if (state.CurrentFrame < previous)
            rewindToFirstLine(player);
        scanForward(player);
    }
    if (file.scanPending)
        return;

    SubtitleEntry& line = state.CurrentSubtitle;
    if (!file.atEnd() && state.CurrentFrame > line.EndFrame)
        readOneEntry(player);
    if (state.CurrentFrame < line.StartFrame || state.CurrentFrame > line.EndFrame) {
        player.frmSub().ShowText(QString());
        return;
    }
    line.Text.replace(QLatin1Char('|'), QLatin1Char('\r'));
    player.frmSub().ShowText(line.Text);
}

void RepositionSubtitles(Player& player, double oldPosition, double newPosition) {
    if (!player.subtitleFile().isOpen())
        return;
    if (newPosition < oldPosition)
        rewindToFirstLine(player);
    scanForward(player);
    // The next tick must not take this seek for one nobody announced.
    try {
        player.state.CurrentFrame =
            frameAt(player.engine().currentPosition(), player.state.FramesPerSecond);
    } catch (const AppError&) {
    }
}

} // namespace kyvra
