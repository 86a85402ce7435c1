#include "playback/MpvCore.h"

#include "playback/MpvProperties.h"

#include <clocale>
#include <mpv/client.h>

namespace kyvra {

namespace {

void setOption(mpv_handle* mpv, const char* name, const char* value) {
    mpv::check(mpv_set_option_string(mpv, name, value));
}

} // namespace

void MpvCoreDeleter::operator()(mpv_handle* mpv) const {
    mpv_terminate_destroy(mpv);
}

MpvCore createMpvCore(const MpvEngineOptions& options) {
    // mpv refuses to run under any other numeric locale, and Qt installs the user's.
    std::setlocale(LC_NUMERIC, "C");
    MpvCore core(mpv_create());
    if (!core)
        throw mpv::error(MPV_ERROR_NOMEM);
    mpv_handle* mpv = core.get();

    setOption(mpv, "vo", options.headless ? "null" : "libmpv");
    // Without any sound output mpv would not play a file that has sound at all; its null output
    // at the end of the usual ones plays it silently at its own pace.
    setOption(mpv, "ao", options.headless ? "null" : "pipewire,pulse,alsa,jack,sdl,null");
    // Nothing starts before play(), and the last frame stays up at the end of the media.
    setOption(mpv, "pause", "yes");
    setOption(mpv, "keep-open", "yes");
    setOption(mpv, "idle", "yes");
    // The player is the only user interface: no key bindings, on-screen display or scripts of
    // mpv's own, and subtitles beside the media are the player's to show.
    for (const char* name :
         {"input-default-bindings", "input-vo-keyboard", "osc", "ytdl", "load-scripts",
          "load-stats-overlay", "load-osd-console", "load-auto-profiles", "sub-auto"})
        setOption(mpv, name, "no");
    setOption(mpv, "osd-level", "0");
    // A subtitle track inside the media is read only when asked for, and shown by the player.
    setOption(mpv, "sid", "no");
    setOption(mpv, "sub-visibility", "no");
    // Frames are handed over when due, so that rendering never blocks the GUI thread waiting.
    setOption(mpv, "video-timing-offset", "0");
    // MPEG program streams seek to the key frame after the target; starting a second earlier
    // lets exact seeks reach the frame asked for.
    setOption(mpv, "hr-seek-demuxer-offset", "1");
    mpv::check(mpv_initialize(mpv));
    mpv::check(mpv_observe_property(mpv, ObservedEndOfMedia, "eof-reached", MPV_FORMAT_FLAG));
    mpv::check(mpv_observe_property(mpv, ObservedIdle, "idle-active", MPV_FORMAT_FLAG));
    mpv::check(mpv_observe_property(mpv, ObservedSubtitleText, "sub-text", MPV_FORMAT_STRING));
    return core;
}

} // namespace kyvra
