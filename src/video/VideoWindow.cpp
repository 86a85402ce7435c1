// The video window itself: its controls, its layout, resizing with the grip and the picture's
// own events. What the program does with keys, drops, the pointer and closing it hands on.
#include "video/VideoWindow.h"

#include "core/AppError.h"
#include "platform/WindowSystem.h"
#include "playback/MediaEngine.h"
#include "settings/Announcement.h"

#include <QPainter>
#include <QSvgRenderer>

namespace kyvra {

namespace {

// The grip's own pointer: a diagonal double arrow whose centre is the hot spot.
QCursor gripCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/skin/sizer_cursor.svg")).render(&painter);
    painter.end();
    return QCursor(picture, 15, 15);
}

} // namespace

VideoWindow::VideoWindow(const Screen& screen, MediaEngine& engine)
    : Form(screen, 0), engine_(engine), surface_(engine.surface()) {
    setCaption(QStringLiteral("Kyvra Player"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    subsfile = new Label(this, screen);
    subsfile->hide();
    Label1 = new Label(this, screen);
    Label1->hide();
    // Only the name of the chat client's end is kept; nothing connects to it.
    Label1->setProperty("LinkTopic", kAnnounceLinkTopic);
    surface_->setParent(this);
    // The picture raises its own mouse events; the window must not see them a second time.
    surface_->setAttribute(Qt::WA_NoMousePropagation);
    videobox_ = std::make_unique<TwipsGeometry>(*surface_, screen);
    createControls();
    // Its action, hiding the panel and the pointer in full screen, is the program's to set.
    Timer1 = new Timer(this, 5000, true);
    acceptFileDrops();
    wireEngine();
    Form_Load();
}

// The surface belongs to the engine, which outlives this window.
VideoWindow::~VideoWindow() {
    surface_->hide();
    surface_->setParent(nullptr);
}

// Created after the picture so they lie above it; the middle of the top edge before the right
// end, which covers it.
void VideoWindow::createControls() {
    const Screen& screen = this->screen();
    const float tx = screen.twipsPerPixelX();
    const float ty = screen.twipsPerPixelY();
    const std::pair<const char*, float> ends[] = {
        {"topedge_left", 141}, {"topedge_middle", 6}, {"topedge_right", 122}};
    for (int index = 0; index < 3; ++index) {
        Image* piece = new Image(this, screen);
        piece->setPicture(QStringLiteral(":/skin/%1.svg").arg(QLatin1String(ends[index].first)));
        piece->Move(0, 0, ends[index].second * tx, 7 * ty);
        piece->events.mouseDown = [this, index](int button, int shift, float x, float y) {
            topedge_MouseDown(index, button, shift, x, y);
        };
        topedge[index] = piece;
    }

    sizer = new Image(this, screen);
    sizer->setPicture(QStringLiteral(":/skin/sizer.svg"));
    sizer->Move(0, 0, 13 * tx, 13 * ty);
    sizer->setCursor(gripCursor());
    sizer->events.mouseDown = [this](int b, int s, float x, float y) {
        sizer_MouseDown(b, s, x, y);
    };
    sizer->events.mouseMove = [this](int b, int s, float x, float y) {
        sizer_MouseMove(b, s, x, y);
    };
    sizer->events.mouseUp = [this](int b, int s, float x, float y) { sizer_MouseUp(b, s, x, y); };
}

// No media is open while the window is built, so the picture is fitted only once one is.
void VideoWindow::Form_Load() {
    setHeight(480 * screen().twipsPerPixelY());
    setWidth(720 * screen().twipsPerPixelX());
    // Where the picture sits until the first fit: under the top edge, filling the window.
    videobox_->setBounds(0, topedge[0]->Height(), Width(), Height());
    setVideoboxVisible(false);
    // A hidden window is not told of its new size; lay it out as a shown one would be.
    Form_Resize();
}

// The picture's pointer events in the picture's twips; keys pressed over it belong to the window,
// and an engine error leaves no picture to show.
void VideoWindow::wireEngine() {
    const float tx = screen().twipsPerPixelX();
    const float ty = screen().twipsPerPixelY();
    connect(&engine_, &MediaEngine::mouseDown, this,
            [this, tx, ty](int button, int shift, double x, double y) {
                if (events.pictureMouseDown)
                    events.pictureMouseDown(button, shift, float(x) * tx, float(y) * ty);
            });
    connect(&engine_, &MediaEngine::mouseMove, this,
            [this, tx, ty](int button, int shift, double x, double y) {
                if (events.pictureMouseMove)
                    events.pictureMouseMove(button, shift, float(x) * tx, float(y) * ty);
            });
    connect(&engine_, &MediaEngine::focusReceived, this, [this] { setFocus(); });
    connect(&engine_, &MediaEngine::error, this, [this] { setVideoboxVisible(false); });
}

void VideoWindow::fitPicture() {
    if (events.fitPicture)
        events.fitPicture();
}

void VideoWindow::Form_Resize() {
    sizer->setLeft(Width() - sizer->Width());
    sizer->setTop(Height() - sizer->Height());
    topedge[0]->setLeft(0);
    topedge[0]->setTop(0);
    topedge[1]->setLeft(topedge[0]->Left() + topedge[0]->Width());
    topedge[1]->setTop(0);
    topedge[1]->setWidth(Width());
    topedge[2]->setLeft(Width() - topedge[2]->Width());
}

bool VideoWindow::videoboxVisible() const {
    return !surface_->isHidden();
}

void VideoWindow::setVideoboxVisible(bool visible) {
    surface_->setVisible(visible);
}

void VideoWindow::topedge_MouseDown(int, int button, int, float, float) {
    if (button == 1)
        dragWindow(*this);
}

void VideoWindow::sizer_MouseDown(int button, int, float, float) {
    if (button == 1)
        Sizing = true;
}

// x and y are the pointer's offset from the grip's corner: the window grows or shrinks by them,
// but never so far that no picture area would be left.
void VideoWindow::sizer_MouseMove(int button, int, float x, float y) {
    if (button != 1 || !Sizing)
        return;
    try {
        const float gripWidth = sizer->Width();
        const float gripHeight = sizer->Height();
        const float edgeHeight = topedge[0]->Height();
        const float width = Width();
        const float height = Height();
        if (!(width - gripWidth + x > 0 && height - (edgeHeight + gripHeight) + y > 0))
            return;
        setWidth(width + x);
        setHeight(height + y);
        fitPicture();
    } catch (const AppError& error) {
        if (events.resizeFailed)
            events.resizeFailed(error);
        resetToPictureSize();
    }
}

void VideoWindow::sizer_MouseUp(int button, int, float, float) {
    if (button == 1 && Sizing)
        fitPicture();
}

// The picture's own size; the report has closed the media by now, so without a picture the
// window goes back to its size at load.
void VideoWindow::resetToPictureSize() {
    const int pictureWidth = engine_.imageSourceWidth();
    const int pictureHeight = engine_.imageSourceHeight();
    const bool picture = pictureWidth > 0 && pictureHeight > 0;
    setWidth((picture ? pictureWidth : 720) * screen().twipsPerPixelX());
    setHeight((picture ? pictureHeight : 480) * screen().twipsPerPixelY());
    fitPicture();
}

void VideoWindow::Form_KeyDown(int keyCode, int shift) {
    if (events.keyDown)
        events.keyDown(keyCode, shift);
}

void VideoWindow::Form_MouseDown(int button, int shift, float x, float y) {
    if (events.mouseDown)
        events.mouseDown(button, shift, x, y);
}

void VideoWindow::Form_MouseMove(int button, int shift, float x, float y) {
    if (events.mouseMove)
        events.mouseMove(button, shift, x, y);
}

void VideoWindow::restartIdleTimer() {
    Timer1->setEnabled(false);
    Timer1->setEnabled(true);
}

void VideoWindow::Form_OLEDragDrop(const QStringList& files, int, int, float, float) {
    if (events.filesDropped)
        events.filesDropped(files);
}

void VideoWindow::Form_QueryUnload(bool& cancel) {
    if (events.queryUnload)
        events.queryUnload(cancel);
}

} // namespace kyvra
