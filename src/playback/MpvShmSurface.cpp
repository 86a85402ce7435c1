#include "playback/MpvShmSurface.h"

#include <QGuiApplication>
#include <QSysInfo>
#include <algorithm>
#include <cstring>
#include <memory>
#include <mpv/render.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace kyvra {

namespace {

template <typename Reply> using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_connection_t* displayConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

bool takesBgr0(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    if (QSysInfo::ByteOrder != QSysInfo::LittleEndian ||
        setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (!screen || screen->root_depth != 24)
        return false;
    bool fourBytes = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem;
         xcb_format_next(&format))
        fourBytes |= format.data->depth == 24 && format.data->bits_per_pixel == 32;
    for (auto depth = xcb_screen_allowed_depths_iterator(screen); depth.rem; xcb_depth_next(&depth))
        for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
             xcb_visualtype_next(&visual))
            if (visual.data->visual_id == screen->root_visual)
                return fourBytes && visual.data->red_mask == 0xff0000 &&
                       visual.data->green_mask == 0xff00 && visual.data->blue_mask == 0xff;
    return false;
}

// Rows of a multiple of 64 bytes, which mpv's converters take without a copy of their own.
size_t strideFor(int width) {
    return (static_cast<size_t>(width) * 4 + 63) / 64 * 64;
}

} // namespace

bool SharedImageMemory::attach(xcb_connection_t* connection, size_t size) {
    const int id = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (id < 0)
        return false;
    void* memory = shmat(id, nullptr, 0);
    const uint32_t name = xcb_generate_id(connection);
    const ReplyPointer<xcb_generic_error_t> error(
        memory == reinterpret_cast<void*>(-1)
            ? nullptr
            : xcb_request_check(connection, xcb_shm_attach_checked(connection, name, id, 0)),
        &std::free);
    // Gone as soon as both sides let go, even if this process dies first.
    shmctl(id, IPC_RMID, nullptr);
    if (memory == reinterpret_cast<void*>(-1))
        return false;
    if (error) {
        shmdt(memory);
        return false;
    }
    segment = name;
    pixels = memory;
    bytes = size;
    return true;
}

void SharedImageMemory::detach(xcb_connection_t* connection) {
    if (!segment)
        return;
    xcb_shm_detach(connection, segment);
    xcb_flush(connection);
    shmdt(pixels);
    *this = {};
}

bool MpvShmSurface::available() {
    xcb_connection_t* connection = displayConnection();
    if (!connection || !takesBgr0(connection))
        return false;
    // A request of an extension the server lacks breaks the whole connection.
    const xcb_query_extension_reply_t* extension = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!extension || !extension->present)
        return false;
    SharedImageMemory trial;
    if (!trial.attach(connection, 4096))
        return false;
    trial.detach(connection);
    return true;
}

MpvShmSurface::MpvShmSurface(mpv_handle* mpv)
    : NativePictureWindow(RasterSurface), connection_(displayConnection()) {
    if (connection_)
        loop_ = startSoftwareRenderer(mpv, render_, [this] { drawFrame(); });
}

MpvShmSurface::~MpvShmSurface() {
    detach();
    if (!connection_)
        return;
    memory_.detach(connection_);
    if (context_)
        xcb_free_gc(connection_, context_);
    xcb_flush(connection_);
}

void MpvShmSurface::releaseFrame() {
    const std::lock_guard lock(mutex_);
    memory_.detach(connection_);
    unshared_ = {};
}

// Memory for a frame of size bytes, shared with the server when the system lets it be.
std::byte* MpvShmSurface::frameMemory(size_t size) {
    if (memory_.segment && memory_.bytes == size)
        return static_cast<std::byte*>(memory_.pixels);
    if (!memory_.segment && unshared_.size() == size)
        return unshared_.data();
    memory_.detach(connection_);
    unshared_ = {};
    if (memory_.attach(connection_, size))
        return static_cast<std::byte*>(memory_.pixels);
    // Shared memory used up, or too little allowed for the window: the rows go through the
    // socket instead, slower but never a blank picture.
    unshared_.resize(size);
    return unshared_.data();
}

// On the loop's thread.
void MpvShmSurface::drawFrame() {
    const std::lock_guard lock(mutex_);
    if (!exposed_ || !window_ || pixels_.isEmpty()) {
        skipFrame(render_);
        return;
    }
    size_t stride = strideFor(pixels_.width());
    const size_t size = stride * pixels_.height();
    std::byte* pixels = frameMemory(size);
    if (!context_) {
        context_ = xcb_generate_id(connection_);
        xcb_create_gc(connection_, context_, window_, 0, nullptr);
    }
    int frameSize[] = {pixels_.width(), pixels_.height()};
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, frameSize},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, pixels},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(render_, params) < 0)
        std::memset(pixels, 0, size);
    const int width = static_cast<int>(stride / 4), height = pixels_.height();
    if (memory_.segment) {
        // Checked, so that it is a round trip: the next frame is not drawn into the memory
        // before the server has read this one out of it.
        std::free(xcb_request_check(
            connection_, xcb_shm_put_image_checked(
                             connection_, window_, context_, width, height, 0, 0, pixels_.width(),
                             height, 0, 0, 24, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, memory_.segment, 0)));
        return;
    }
    // In bands no longer than the server takes in one request.
    const size_t most = size_t{xcb_get_maximum_request_length(connection_)} * 4 - 64;
    const int band = std::max(1, static_cast<int>(most / stride));
    for (int top = 0; top < height; top += band) {
        const int rows = std::min(band, height - top);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, context_, width, rows, 0,
                      top, 0, 24, rows * stride, reinterpret_cast<uint8_t*>(pixels + top * stride));
    }
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
}

} // namespace kyvra
