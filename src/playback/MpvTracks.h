#pragma once

#include <cstdint>
#include <optional>

struct mpv_handle;

namespace kyvra {

// mpv's id of the loaded media's first subtitle track that holds text (SubRip, ASS/SSA, WebVTT,
// MP4 timed text and the like), passing over pictures of text (DVD, Blu-ray, DVB); nothing when
// it has none.
std::optional<std::int64_t> firstTextSubtitleTrack(mpv_handle* mpv);

} // namespace kyvra
