#pragma once

#include <QByteArray>
#include <functional>

namespace kyvra {

// The picture path asked for.
enum class Rendering {
    Automatic, // OpenGL on a hardware renderer, else mpv's CPU renderer
    OpenGL,    // OpenGL whenever a context can be had, even a software rasterizer
    Software,  // mpv's CPU renderer
};

// The path asked for by name, as KYVRA_PICTURE gives it: "opengl", "software", or anything else
// (empty, "auto") for the automatic choice.
Rendering renderingNamed(const QByteArray& name);

// How the engine puts its picture on screen, chosen when the first file opens.
enum class PicturePath {
    None,     // no picture at all (headless)
    Software, // mpv's CPU renderer into an image
    OpenGL,   // mpv's OpenGL renderer into the widget's framebuffer
};

// What the display offers, learnt without loading any OpenGL driver: loading one to ask it
// costs tens of megabytes and a good part of a second, for nothing when it is a software one.
struct DisplayReport {
    bool x11 = false;
    // The X server hands GPUs to its clients (DRI2, DRI3, or the NVIDIA driver's own GLX).
    bool directRendering = false;
};

// The report for the running application's display.
DisplayReport reportDisplay();

// Whether OpenGL is worth asking for. Without direct rendering an X client gets at best a software
// rasterizer or indirect GL, both slower than mpv's CPU renderer; elsewhere only a context tells.
bool openGlMayBeHardware(const DisplayReport& display);

// What creating an OpenGL context found.
struct OpenGlSupport {
    bool available = false;
    bool hardware = false; // not a software rasterizer
};

// The path for the picture. probeOpenGl creates a context to ask; it is called only when the
// answer matters and the display leaves hardware OpenGL possible. A software rasterizer spends
// far more CPU on the picture than mpv's own CPU renderer (mpv itself refuses one by default).
struct PictureChoice {
    PicturePath path;
    const char* why; // for the user, after "as"
    // Frames may be decoded on the GPU: only where a hardware OpenGL renderer draws them.
    bool hardwareDecoding = false;
};
PictureChoice choosePicturePath(bool headless, Rendering rendering, const DisplayReport& display,
                                const std::function<OpenGlSupport()>& probeOpenGl);

// The path as the details window names it.
const char* picturePathName(PicturePath path);

// A renderer name (GL_RENDERER) that means rasterizing on the CPU.
bool isSoftwareRenderer(const QByteArray& renderer);

} // namespace kyvra
