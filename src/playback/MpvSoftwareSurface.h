#pragma once

#include "playback/MpvRenderTarget.h"

#include <QImage>
#include <QWidget>

struct mpv_handle;
struct mpv_render_context;

namespace kyvra {

// The picture drawn by mpv's CPU renderer into an image, for systems without OpenGL.
class MpvSoftwareSurface final : public QWidget, public MpvRenderTarget {
    Q_OBJECT

public:
    explicit MpvSoftwareSurface(mpv_handle* mpv, QWidget* parent = nullptr);
    ~MpvSoftwareSurface() override;

    void prepareForLoad() override {}
    void detach() override;
    void releaseFrame() override { frame_ = QImage(); }
    void frameReady() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mpv_render_context* render_ = nullptr;
    QImage frame_;
};

} // namespace kyvra
