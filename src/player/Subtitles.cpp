#include "player/Subtitles.h"

#include "core/AppError.h"
#include "core/Rounding.h"
#include "platform/Timer.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"
#include "player/Transport.h"
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleForm.h"
#include "subtitles/SubtitlePickup.h"
#include "video/VideoWindow.h"

#include <QDeadlineTimer>
#include <algorithm>

namespace kyvra {

namespace {

// A long scan (a seek deep into a huge file) goes on at the next wakeups instead of freezing
// the windows.
constexpr qint64 kScanSliceMs = 50;
// A position further back than this from the last tick's moved by a seek nobody announced (a
// repeat from the start, for one): the reader starts over like after any backward seek.
constexpr double kJumpSeconds = 3;
// The subtitle window's timer wakes a little after a change is due, so that the position has
// passed it, and never sooner than the soonest: a scan that ran out of time goes on then.
constexpr double kLateMs = 5;
constexpr int kSoonestMs = 10;
constexpr int kLatestMs = 60'000;

qint32 frameAt(double seconds, float framesPerSecond) {
    return toInt32(seconds * double(framesPerSecond));
}

// Nothing of the line read before stays: its start would hold the next wakeup back.
void rewindToFirstLine(Player& player) {
    player.subtitleFile().rewind();
    player.subtitleCursor.entry = {};
}

// Reads on until the current line has not ended at `frame`, or the file has. False when the
// slice of time ran out first.
bool readOnTo(Player& player, double frame) {
    SubtitleFile& file = player.subtitleFile();
    const QDeadlineTimer deadline(kScanSliceMs);
    while (player.subtitleCursor.entry.EndFrame < frame && !file.atEnd()) {
        if (deadline.hasExpired())
            return false;
        std::optional<SubtitleFile::Read> read =
            file.readEntry(player.subtitleCursor.framesPerSecond, deadline);
        if (!read)
            return false;
        player.subtitleCursor.raw = std::move(read->raw);
        player.subtitleCursor.entry = std::move(read->entry);
    }
    return true;
}

void showCurrentLine(Player& player) {
    SubtitleEntry& line = player.subtitleCursor.entry;
    if (player.subtitleCursor.frame < line.StartFrame ||
        player.subtitleCursor.frame > line.EndFrame) {
        player.frmSub().ShowText(QString());
        return;
    }
    line.Text.replace(QLatin1Char('|'), QLatin1Char('\r'));
    player.frmSub().ShowText(line.Text);
}

// Milliseconds until the current line starts or ends at the engine's rate; nothing when the
// text will not change again (the last line has passed).
std::optional<int> untilNextChange(Player& player) {
    const SubtitleEntry& line = player.subtitleCursor.entry;
    const double framesPerSecond = player.subtitleCursor.framesPerSecond;
    const double rate = player.engine().rate();
    if (!(framesPerSecond > 0) || !(rate > 0))
        return std::nullopt;
    // The frame numbers are rounded: the text changes half a frame before the line's start and
    // half a frame after its end.
    double frame;
    if (player.subtitleCursor.frame < line.StartFrame)
        frame = line.StartFrame - 0.5;
    else if (player.subtitleCursor.frame <= line.EndFrame)
        frame = line.EndFrame + 0.5;
    else
        return std::nullopt;
    const double ms =
        (frame / framesPerSecond - player.engine().currentPosition()) / rate * 1000 + kLateMs;
    return int(std::clamp(ms, double(kSoonestMs), double(kLatestMs)));
}

// One step of the reader; when the subtitle window's timer should wake it next.
std::optional<int> advance(Player& player) {
    MediaEngine& engine = player.engine();
    if (!player.options.useSubs || engine.fileName().isEmpty() ||
        engine.playState() != MediaEngine::Playing)
        return std::nullopt;
    SubtitleFile& file = player.subtitleFile();
    if (file.media != engine.fileName())
        ResumeSubtitles(player);
    // Subtitles switched on with no file to read: nothing to show, nothing to fail.
    if (!file.isOpen())
        return std::nullopt;

    const qint32 previous = player.subtitleCursor.frame;
    player.subtitleCursor.frame =
        frameAt(engine.currentPosition(), player.subtitleCursor.framesPerSecond);
    if (double(previous) - player.subtitleCursor.frame >
        kJumpSeconds * player.subtitleCursor.framesPerSecond)
        rewindToFirstLine(player);
    if (!readOnTo(player, player.subtitleCursor.frame))
        return kSoonestMs;
    showCurrentLine(player);
    return untilNextChange(player);
}

// After a seek or a start: the line due is shown at once, not at the next tick.
void followSoon(Player& player) {
    Timer& timer = *player.frmSub().tmrNextChange;
    if (player.engine().playState() != MediaEngine::Playing)
        return;
    timer.setInterval(kSoonestMs);
    timer.setEnabled(true);
}

} // namespace

void OpenSubtitleFile(Player& player) {
    SubtitleFile& file = player.subtitleFile();
    file.close();
    file.open(player.video().subsfile->Caption());
    file.media = player.engine().fileName();
    // Reading starts over: a line or frame kept from before would hold the reader back until
    // playback passed it again.
    player.subtitleCursor.entry = {};
    player.subtitleCursor.frame = 0;
}

void CloseSubtitleFile(Player& player) {
    if (!player.options.useSubs)
        return;
    player.subtitleFile().close();
    // The engine's track has no file to close; its line would stay up while stopped.
    if (player.subtitleCursor.fromStream)
        player.frmSub().ShowText(QString());
}

void AttachSubtitles(Player& player, const QString& subtitlePath) {
    const QString media = player.engine().fileName();
    const QString path = subtitlePath.isEmpty() ? FindSubtitleBeside(media) : subtitlePath;
    player.video().subsfile->setCaption(path);
    SubtitleFile& file = player.subtitleFile();
    file.close();
    file.media = media;
    player.frmSub().ShowText(QString());
    // A file beside the media wins over the media's own track; some files the engine reads.
    const bool engineReads = !path.isEmpty() && IsEngineSubtitleFile(path);
    player.subtitleCursor.fromStream = false;
    if (engineReads)
        player.engine().showSubtitleFile(path);
    player.subtitleCursor.fromStream =
        engineReads || player.engine().showStreamSubtitles(path.isEmpty());
    if (!path.isEmpty() && !engineReads)
        OpenSubtitleFile(player);
}

void ShowStreamSubtitle(Player& player, const QString& text) {
    if (!player.options.useSubs || !player.subtitleCursor.fromStream)
        return;
    const bool stopped = player.engine().playState() == MediaEngine::Stopped;
    player.frmSub().ShowText(stopped ? QString() : QString(text).replace(u'\n', u'\r'));
}

void ResumeSubtitles(Player& player) {
    if (!player.options.useSubs)
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
        } else if (!file.isOpen() && !player.subtitleCursor.fromStream &&
                   !player.video().subsfile->Caption().isEmpty()) {
            OpenSubtitleFile(player);
        }
        followSoon(player);
    } catch (const AppError&) {
        // Plays on without subtitles, and does not try that file again for this media.
        file.close();
        player.video().subsfile->setCaption(QString());
        player.frmSub().ShowText(QString());
    }
}

void AdvanceSubtitles(Player& player) {
    Timer& timer = *player.frmSub().tmrNextChange;
    timer.setEnabled(false);
    if (const std::optional<int> wait = advance(player)) {
        timer.setInterval(*wait);
        timer.setEnabled(true);
    }
}

void RepositionSubtitles(Player& player, double oldPosition, double newPosition) {
    if (!player.subtitleFile().isOpen())
        return;
    if (newPosition < oldPosition)
        rewindToFirstLine(player);
    readOnTo(player,
             player.engine().currentPosition() * double(player.subtitleCursor.framesPerSecond));
    // The next tick must not take this seek for one nobody announced.
    try {
        player.subtitleCursor.frame =
            frameAt(player.engine().currentPosition(), player.subtitleCursor.framesPerSecond);
    } catch (const AppError&) {
        // An engine that fails the read, or a frame beyond 32 bits: the next tick measures anew.
    }
    followSoon(player);
}

} // namespace kyvra
