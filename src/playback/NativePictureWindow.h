#pragma once

#include "playback/MpvRenderTarget.h"
#include "playback/RenderLoop.h"

#include <QPointer>
#include <QRegion>
#include <QWindow>
#include <memory>
#include <mutex>

class QWidget;

namespace kyvra {

// A native window of its own that mpv's frames are drawn straight into on the render loop's
// thread, placed by a window container in the picture's widget. Nothing is drawn twice: no
// widget's backing store or offscreen framebuffer holds the frame on its way to the screen.
// The window takes no input: presses, moves and drops reach the widgets under it.
class NativePictureWindow : public QWindow, public MpvRenderTarget {
public:
    // The window in a container widget made for it, which it keeps in step with.
    static QWidget* embed(NativePictureWindow* window, QWidget* parent);

    void detach() override { loop_.reset(); }

protected:
    explicit NativePictureWindow(SurfaceType type);

    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    // What the loop draws into, as the GUI thread last saw the window. The loop holds the mutex
    // while it draws, so that the window cannot go meanwhile.
    std::mutex mutex_;
    QSize pixels_;
    bool exposed_ = false;
    WId window_ = 0;
    std::unique_ptr<RenderLoop> loop_;

private:
    void followWindow();
    void uncoverWidgetsAbove();

    // The widget that holds this window; what lies above it in its window stays uncovered.
    QPointer<QWidget> container_;
    QRegion mask_;
};

} // namespace kyvra
