#include "playback/MpvTracks.h"

#include "playback/MpvProperties.h"

#include <array>

namespace kyvra {

namespace {

// The subtitle codecs FFmpeg decodes to pictures; every other one decodes to text.
bool isBitmapCodec(const QByteArray& codec) {
    static constexpr std::array bitmapCodecs = {"dvd_subtitle", "hdmv_pgs_subtitle",
                                                "dvb_subtitle", "xsub",
                                                "dvb_teletext", "arib_caption"};
    for (const char* bitmap : bitmapCodecs)
        if (codec == bitmap)
            return true;
    return false;
}

} // namespace

std::optional<std::int64_t> firstTextSubtitleTrack(mpv_handle* mpv) {
    const std::int64_t count = mpv::getInt(mpv, "track-list/count").value_or(0);
    for (std::int64_t index = 0; index < count; ++index) {
        const QByteArray track = "track-list/" + QByteArray::number(index) + '/';
        const auto read = [&](const char* field) { return track + field; };
        if (mpv::getString(mpv, read("type").constData()).value_or("") != "sub")
            continue;
        const auto codec = mpv::getString(mpv, read("codec").constData());
        const auto id = mpv::getInt(mpv, read("id").constData());
        if (codec && id && !isBitmapCodec(*codec))
            return id;
    }
    return std::nullopt;
}

} // namespace kyvra
