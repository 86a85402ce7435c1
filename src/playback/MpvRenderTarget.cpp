#include "playback/MpvRenderTarget.h"

#include <QWidget>
#include <QWindow>
#include <mpv/render.h>

namespace kyvra {

bool isShownOnScreen(const QWidget* widget) {
    const QWindow* window = widget->window()->windowHandle();
    return widget->isVisible() && window && window->isExposed();
}

void skipFrame(mpv_render_context* render) {
    int skip = 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(render, params);
}

} // namespace kyvra
