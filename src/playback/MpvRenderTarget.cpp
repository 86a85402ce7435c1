#include "playback/MpvRenderTarget.h"

#include <mpv/render.h>

namespace kyvra {

void skipFrame(mpv_render_context* render) {
    int skip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render, params);
}

} // namespace kyvra
