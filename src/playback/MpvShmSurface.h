#pragma once

#include "playback/NativePictureWindow.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct mpv_handle;
struct mpv_render_context;
struct xcb_connection_t;

namespace kyvra {

// Memory shared with the X server, which reads images put from it without their passing
// through the socket.
struct SharedImageMemory {
    uint32_t segment = 0; // the server's name for it; 0 when there is none
    void* pixels = nullptr;
    size_t bytes = 0;

    // Gets bytes of memory and lets the server attach it; false (and nothing held) if either
    // refuses, as a server on another machine does.
    bool attach(xcb_connection_t* connection, size_t size);
    void detach(xcb_connection_t* connection);
};

// The picture drawn by mpv's CPU renderer into shared memory, which the render loop's thread
// puts straight into a window of its own on an X display. Besides the copy into a widget's
// backing store it spares the GUI thread a wake-up and a paint for every frame.
class MpvShmSurface final : public NativePictureWindow {
public:
    // Whether the display can take such images: shared memory it can attach, and pixels of 32
    // bits holding 24-bit colour as mpv's "bgr0" lays them out.
    static bool available();

    explicit MpvShmSurface(mpv_handle* mpv);
    ~MpvShmSurface() override;

    void releaseFrame() override;

private:
    std::byte* frameMemory(size_t size);
    void drawFrame();

    xcb_connection_t* connection_;
    mpv_render_context* render_ = nullptr;
    uint32_t context_ = 0; // the graphics context puts go through
    SharedImageMemory memory_;
    std::vector<std::byte> unshared_; // the frame, when no memory could be shared
};

} // namespace kyvra
