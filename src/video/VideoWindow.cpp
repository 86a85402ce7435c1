// The video window itself: its controls, its layout, resizing with the grip, drops and closing.
#include "video/VideoWindow.h"

#include "core/AppError.h"
#include "platform/WindowSystem.h"
#include "playback/MediaEngine.h"
#include "player/DroppedMedia.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/KeyCommands.h"
#include "player/Player.h"
#include "player/VideoFit.h"
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

VideoWindow::VideoWindow(Player& player)
    : Form(player.screen(), 0), player_(player), surface_(player.engine().surface()) {
    setCaption(QStringLiteral("Kyvra Player"));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);
    subsfile = new Label(this, player.screen());
    subsfile->hide();
    Label1 = new Label(this, player.screen());
    Label1->hide();
    // Only the name of the chat client's end is kept; nothing connects to it.
    Label1->setProperty("LinkTopic", kAnnounceLinkTopic);
    surface_->setParent(this);
    // The picture raises its own mouse events; the window must not see them a second time.
    surface_->setAttribute(Qt::WA_NoMousePropagation);
    videobox_ = std::make_unique<TwipsGeometry>(*surface_, player.screen());
    createControls();
    Timer1 = new Timer(this, 5000, true);
    Timer1->onTimer = [this] { Timer1_Timer(); };
    acceptFileDrops();
    wireEngine();
    wireMediaEvents();
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
    const Screen& screen = player_.screen();
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

void VideoWindow::Form_Load() {
    const Screen& screen = player_.screen();
    setHeight(480 * screen.twipsPerPixelY());
    setWidth(720 * screen.twipsPerPixelX());
    // Where the picture sits until the first fit: under the top edge, filling the window.
    videobox_->setBounds(0, topedge[0]->Height(), Width(), Height());
    FitVideoToWindow(player_, 0, 0);
    setVideoboxVisible(false);
    // A hidden window is not told of its new size; lay it out as a shown one would be.
    Form_Resize();
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
        FitVideoToWindow(player_, 0, 0);
    } catch (const AppError& error) {
        ReportError(player_, error,
                    QStringLiteral("An error occured when resizing the window. Resetting window to "
                                   "default size."));
        resetToPictureSize();
    }
}

void VideoWindow::sizer_MouseUp(int button, int, float, float) {
    if (button == 1 && Sizing)
        FitVideoToWindow(player_, 0, 0);
}

// The picture's own size; the report has closed the media by now, so without a picture the
// window goes back to its size at load.
void VideoWindow::resetToPictureSize() {
    const Screen& screen = player_.screen();
    MediaEngine& engine = player_.engine();
    const int pictureWidth = engine.imageSourceWidth();
    const int pictureHeight = engine.imageSourceHeight();
    const bool picture = pictureWidth > 0 && pictureHeight > 0;
    setWidth((picture ? pictureWidth : 720) * screen.twipsPerPixelX());
    setHeight((picture ? pictureHeight : 480) * screen.twipsPerPixelY());
    FitVideoToWindow(player_, 0, 0);
}

void VideoWindow::Form_KeyDown(int keyCode, int shift) {
    HandleKey(player_, keyCode, shift);
}

void VideoWindow::Form_OLEDragDrop(const QStringList& files, int, int, float, float) {
    LoadDroppedMedia(player_, files);
}

// Closing the window stops playback; the program goes on with its panel, so a full screen is
// left first, which brings the panel back.
void VideoWindow::Form_QueryUnload(bool& cancel) {
    if (HandleCloseAsAltF4(player_)) {
        cancel = true;
        return;
    }
    if (player_.state.IsFullScreen)
        LeaveFullScreen(player_);
    try {
        player_.engine().stop();
    } catch (const AppError&) {
        // The window closes whether or not the engine could stop.
    }
}

} // namespace kyvra
