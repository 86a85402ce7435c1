#pragma once

#include "playback/PicturePath.h"

#include <cstdint>
#include <memory>

struct mpv_handle;

namespace kyvra {

struct MpvEngineOptions {
    using Rendering = kyvra::Rendering;

    // No picture and no sound (vo=null, ao=null); the surface is a plain widget. For tests and
    // tools that need the engine's timing and events but no display.
    bool headless = false;
    Rendering rendering = Rendering::Automatic;
};

struct MpvCoreDeleter {
    void operator()(mpv_handle* mpv) const;
};
using MpvCore = std::unique_ptr<mpv_handle, MpvCoreDeleter>;

// The properties a core reports changes of, by the id its change events carry.
enum MpvObserved : std::uint64_t { ObservedEndOfMedia = 1, ObservedIdle, ObservedSubtitleText };

// A running core set up for the player: paused, kept open at the end, none of mpv's own keys,
// on-screen display, scripts or subtitle loading, and the end and idle flags observed. Throws
// AppError with mpv's code when mpv cannot be created or refuses an option.
MpvCore createMpvCore(const MpvEngineOptions& options);

} // namespace kyvra
