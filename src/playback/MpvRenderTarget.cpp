#include "playback/MpvRenderTarget.h"

#include <mpv/render.h>
#include <utility>

namespace kyvra {

void skipFrame(mpv_render_context* render) {
    int skip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render, params);
}

std::unique_ptr<RenderLoop> startSoftwareRenderer(mpv_handle* mpv, mpv_render_context*& render,
                                                  std::function<void()> draw) {
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&render, mpv, params) < 0) {
        render = nullptr;
        return nullptr;
    }
    auto loop = std::make_unique<RenderLoop>(render, std::move(draw), [&render] {
        mpv_render_context_free(render);
        render = nullptr;
    });
    loop->start();
    return loop;
}

} // namespace kyvra
