#include "playback/RenderLoop.h"

#include <mpv/render.h>
#include <utility>

namespace kyvra {

RenderLoop::RenderLoop(mpv_render_context* render, std::function<void()> draw,
                       std::function<void()> finish)
    : render_(render), draw_(std::move(draw)), finish_(std::move(finish)),
      thread_(QThread::create([this] { run(); })) {
    mpv_render_context_set_update_callback(render_, &RenderLoop::frameQueued, this);
}

RenderLoop::~RenderLoop() {
    stop();
}

void RenderLoop::requestRedraw() {
    wake(&RenderLoop::redraw_);
}

void RenderLoop::stop() {
    if (!thread_)
        return;
    if (thread_->isRunning()) {
        wake(&RenderLoop::stopping_);
        thread_->wait();
    } else {
        ended();
    }
    thread_.reset();
}

// Only one thread at a time may call into the render context, so the loop's own thread lets go
// of mpv's callback once it is running.
void RenderLoop::ended() {
    mpv_render_context_set_update_callback(render_, nullptr, nullptr);
    if (finish_)
        finish_();
}

// mpv's update callback, on one of its threads, where no mpv function may be called.
void RenderLoop::frameQueued(void* loop) {
    static_cast<RenderLoop*>(loop)->wake(&RenderLoop::frameQueued_);
}

void RenderLoop::wake(bool RenderLoop::*reason) {
    {
        const std::lock_guard lock(mutex_);
        this->*reason = true;
    }
    woken_.notify_one();
}

void RenderLoop::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        woken_.wait(lock, [this] { return stopping_ || frameQueued_ || redraw_; });
        if (stopping_)
            break;
        const bool queued = std::exchange(frameQueued_, false);
        bool draw = std::exchange(redraw_, false);
        lock.unlock();
        // The update also runs what mpv's core waits for; only a new frame must be drawn.
        if (queued && (mpv_render_context_update(render_) & MPV_RENDER_UPDATE_FRAME))
            draw = true;
        if (draw)
            draw_();
        lock.lock();
    }
    lock.unlock();
    ended();
}

} // namespace kyvra
