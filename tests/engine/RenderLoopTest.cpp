#include "playback/RenderLoop.h"

#include "EngineTestSupport.h"
#include "playback/MpvCore.h"
#include "playback/MpvProperties.h"
#include "playback/MpvRenderTarget.h"

#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <mpv/client.h>
#include <mpv/render.h>

namespace kyvra::test {
namespace {

// mpv's frames reach the loop's thread with the GUI thread asleep, not tending its events: mpv's
// core may be waiting on the GUI thread's property reads meanwhile. A redraw comes without a
// new frame, and the loop lets go of the render context on its own thread.
TEST(RenderLoop, DrawsMpvsFramesOnItsOwnThreadUntilStopped) {
    MpvCore core = createMpvCore({});
    mpv_render_context* render = nullptr;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    ASSERT_GE(mpv_render_context_create(&render, core.get(), params), 0);
    std::atomic<int> draws = 0;
    std::atomic<bool> onGuiThread = false;
    QThread* finishedOn = nullptr;
    auto loop = std::make_unique<RenderLoop>(
        render,
        [&] {
            onGuiThread = onGuiThread || QThread::currentThread() == qApp->thread();
            skipFrame(render);
            ++draws;
        },
        [&] {
            finishedOn = QThread::currentThread();
            mpv_render_context_free(render);
        });
    loop->start();
    const QByteArray clip = samplePath("sample.avi").toUtf8();
    const char* load[] = {"loadfile", clip.constData(), nullptr};
    ASSERT_GE(mpv_command(core.get(), load), 0);
    mpv::setFlag(core.get(), "pause", false);
    for (int slept = 0; draws < 10 && slept < 5000; slept += 10)
        QThread::msleep(10);
    EXPECT_GE(draws, 10);

    mpv::setFlag(core.get(), "pause", true);
    // Paused once no frame came for 100 ms; given up after three seconds rather than hang.
    for (int seen = -1, waited = 0; seen != draws && waited < 3000; waited += 100) {
        seen = draws;
        QThread::msleep(100);
    }
    const int paused = draws;
    loop->requestRedraw();
    for (int slept = 0; draws == paused && slept < 2000; slept += 10)
        QThread::msleep(10);
    EXPECT_GT(draws, paused);

    const QThread* loopThread = loop->thread();
    loop.reset();
    EXPECT_EQ(finishedOn, loopThread);
    EXPECT_FALSE(onGuiThread);
}

} // namespace
} // namespace kyvra::test
