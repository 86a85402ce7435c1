#include "playback/PicturePath.h"

#include <QGuiApplication>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace kyvra {

namespace {

bool hasExtension(xcb_connection_t* connection, const char* name) {
    const xcb_query_extension_cookie_t cookie =
        xcb_query_extension(connection, std::strlen(name), name);
    const std::unique_ptr<xcb_query_extension_reply_t, decltype(&std::free)> reply(
        xcb_query_extension_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->present;
}

} // namespace

DisplayReport reportDisplay() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return {};
    xcb_connection_t* connection = x11->connection();
    return {true, hasExtension(connection, "DRI3") || hasExtension(connection, "DRI2") ||
                      hasExtension(connection, "NV-GLX")};
}

Rendering renderingNamed(const QByteArray& name) {
    const QByteArray asked = name.trimmed().toLower();
    if (asked == "opengl")
        return Rendering::OpenGL;
    if (asked == "software")
        return Rendering::Software;
    return Rendering::Automatic;
}

bool openGlMayBeHardware(const DisplayReport& display) {
    return !display.x11 || display.directRendering;
}

PictureChoice choosePicturePath(bool headless, Rendering rendering, const DisplayReport& display,
                                const std::function<OpenGlSupport()>& probeOpenGl) {
    if (headless)
        return {PicturePath::None, "nothing is shown"};
    switch (rendering) {
    case Rendering::Software:
        return {PicturePath::Software, "KYVRA_PICTURE asks for it"};
    case Rendering::OpenGL:
        if (const OpenGlSupport support = probeOpenGl(); support.available)
            return {PicturePath::OpenGL, "KYVRA_PICTURE asks for it", support.hardware};
        return {PicturePath::Software, "KYVRA_PICTURE asks for OpenGL but no context could be had"};
    case Rendering::Automatic:
        break;
    }
    if (!openGlMayBeHardware(display))
        return {PicturePath::Software, "the X display offers no direct rendering"};
    const OpenGlSupport support = probeOpenGl();
    if (support.hardware)
        return {PicturePath::OpenGL, "the OpenGL renderer is hardware", true};
    return {PicturePath::Software, support.available ? "the OpenGL renderer rasterizes on the CPU"
                                                     : "no OpenGL context could be had"};
}

const char* picturePathName(PicturePath path) {
    switch (path) {
    case PicturePath::None:
        return "None";
    case PicturePath::Software:
        return "Software";
    case PicturePath::OpenGL:
        return "OpenGL";
    }
    return "";
}

bool isSoftwareRenderer(const QByteArray& renderer) {
    const QByteArray name = renderer.toLower();
    return name.isEmpty() || name.contains("llvmpipe") || name.contains("softpipe") ||
           name.contains("swrast") || name.contains("software");
}

} // namespace kyvra
