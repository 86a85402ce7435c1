#pragma once

#include "playback/MpvRenderTarget.h"
#include "playback/RenderLoop.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <mutex>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// The picture drawn by mpv's CPU renderer into an image, for systems without OpenGL. Frames are
// drawn on the render loop's thread; painting only copies the last one.
class MpvSoftwareSurface final : public QWidget, public MpvRenderTarget {
    Q_OBJECT

public:
    explicit MpvSoftwareSurface(mpv_handle* mpv, QWidget* parent = nullptr);
    ~MpvSoftwareSurface() override;

    void detach() override;
    void releaseFrame() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void drawFrame();
    void setShown(bool shown);

    mpv_render_context* render_ = nullptr;
    std::unique_ptr<RenderLoop> loop_;
    // The loop draws into the frame while holding this; painting holds it to copy the frame.
    std::mutex mutex_;
    QImage frame_;
    QSize wanted_; // in device pixels
    qreal ratio_ = 1;
    bool shown_ = false;
};

} // namespace kyvra
