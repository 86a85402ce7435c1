#pragma once

#include <QThread>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

struct mpv_render_context;

namespace kyvra {

// Draws mpv's frames on a thread of its own. Every property read on the GUI thread waits for
// mpv's core, and the core in turn waits for the frame it hands over to be drawn: drawn on the
// GUI thread, the two wait on each other until mpv gives up after a fifth of a second, which
// is how long the first picture of every file was late.
class RenderLoop {
public:
    // draw runs on the loop's thread for each new frame and each redraw asked for; it draws the
    // current frame, or passes it by. finish runs there last, before the thread ends.
    RenderLoop(mpv_render_context* render, std::function<void()> draw,
               std::function<void()> finish = {});
    ~RenderLoop();
    RenderLoop(const RenderLoop&) = delete;
    RenderLoop& operator=(const RenderLoop&) = delete;

    // The thread things used there (an OpenGL context) move to before start().
    QThread* thread() const { return thread_.get(); }
    void start() { thread_->start(); }

    // The frame must be drawn again: the surface changed size or came back into view.
    void requestRedraw();

    // Ends the thread after finish has run; the render context may be freed afterwards.
    void stop();

private:
    static void frameQueued(void* loop);
    void wake(bool RenderLoop::*reason);
    void run();
    void ended();

    mpv_render_context* render_;
    std::function<void()> draw_;
    std::function<void()> finish_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool frameQueued_ = false;
    bool redraw_ = false;
    bool stopping_ = false;
    std::unique_ptr<QThread> thread_;
};

} // namespace kyvra
