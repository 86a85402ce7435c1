// What the engine tells of the open media beyond playing it: its picture's size for the windows,
// and the facts the movie details window shows.
#include "playback/MpvEngine.h"
#include "playback/MpvProperties.h"

#include <mpv/client.h>

namespace kyvra {

namespace {

// What mpv reports as its read-ahead before it runs (its default).
constexpr double defaultReadaheadSeconds = 1;

} // namespace

QSize MpvEngine::pictureSize() const {
    if (!isLoaded() || !stream_.size.isEmpty())
        return stream_.size;
    // A stream that does not tell its size before decoding: what decoding found.
    return {int(mpv::getInt(core(), "dwidth").value_or(0)),
            int(mpv::getInt(core(), "dheight").value_or(0))};
}

int MpvEngine::imageSourceWidth() const {
    return pictureSize().width();
}

int MpvEngine::imageSourceHeight() const {
    return pictureSize().height();
}

int MpvEngine::lostPackets() const {
    return isLoaded() ? int(mpv::getInt(core(), "frame-drop-count").value_or(0)) : 0;
}

bool MpvEngine::isBroadcast() const {
    return isLoaded() && mpv::getFlag(core(), "demuxer-via-network").value_or(false);
}

bool MpvEngine::isDurationValid() const {
    return isLoaded() && mpv::getDouble(core(), "duration").value_or(0) > 0;
}

double MpvEngine::bufferingTime() const {
    return core_ ? mpv::getDouble(core(), "demuxer-readahead-secs").value_or(0)
                 : defaultReadaheadSeconds;
}

bool MpvEngine::hasMultipleItems() const {
    return isLoaded() && mpv::getInt(core(), "playlist-count").value_or(0) > 1;
}

int MpvEngine::streamCount() const {
    return isLoaded() ? int(mpv::getInt(core(), "track-list/count").value_or(0)) : 0;
}

bool MpvEngine::soundCardEnabled() const {
    const QByteArray output = soundOutput();
    return !output.isEmpty() && output != "null";
}

QString MpvEngine::picturePath() const {
    if (!picturePath_)
        return QString();
    QString path = QString::fromLatin1(picturePathName(*picturePath_));
    const QByteArray decoder = mpv::getString(core(), "hwdec-current").value_or("no");
    if (!decoder.isEmpty() && decoder != "no")
        path += QStringLiteral(", decoded by ") + QString::fromUtf8(decoder);
    return path;
}

// mpv falls back on its null output, which keeps time as a sound card would, only when every
// real one failed; a headless engine asked for it.
bool MpvEngine::playsSilently() const {
    return isLoaded() && !options_.headless && soundOutput() == "null";
}

QByteArray MpvEngine::soundOutput() const {
    return core_ ? mpv::getString(core(), "current-ao").value_or(QByteArray()) : QByteArray();
}

} // namespace kyvra
