#pragma once

#include "playback/RenderLoop.h"

#include <functional>
#include <memory>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// What shows mpv's picture through a render context of its own. mpv gives a file no video
// output when it opens without a render context, and a render context must go before the core
// does.
class MpvRenderTarget {
public:
    virtual ~MpvRenderTarget() = default;

    // Frees the render context for good; the core is about to be destroyed.
    virtual void detach() = 0;

    // The media is closed: drop what holds its last picture.
    virtual void releaseFrame() = 0;
};

// Consumes the next frame without drawing it. mpv waits for every frame to be rendered (up to a
// fifth of a second each), so a hidden picture would slow playback down without this.
void skipFrame(mpv_render_context* render);

// mpv's CPU renderer, left in render, drawn on a loop of its own that calls draw for each frame
// and frees render (setting it null) last; nothing, and render null, when mpv refuses one.
std::unique_ptr<RenderLoop> startSoftwareRenderer(mpv_handle* mpv, mpv_render_context*& render,
                                                  std::function<void()> draw);

} // namespace kyvra
