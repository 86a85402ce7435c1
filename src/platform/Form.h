#pragma once

#include "platform/Screen.h"
#include "platform/TwipsPlacement.h"

#include <QStringList>
#include <QWidget>

namespace kyvra {

// A top-level window of the form layer: geometry in twips, a caption, a border style, and the
// window's events as overridable handlers named the way the forms name them.
class Form : public QWidget, public TwipsPlacement {
public:
    // Border style 0 is a borderless window; anything else gets the window manager's frame.
    Form(const Screen& screen, int borderStyle);

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& caption) { setWindowTitle(caption); }

    // Shows the window modeless and gives it the input focus.
    void Show();

    const Screen& screen() const { return screen_; }

protected:
    virtual void Form_Resize() {}
    virtual void Form_KeyDown(int /*keyCode*/, int /*shift*/) {}
    virtual void Form_MouseDown(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    virtual void Form_MouseUp(int /*button*/, int /*shift*/, float /*x*/, float /*y*/) {}
    // Files dropped on the window; only raised once acceptFileDrops() was called.
    virtual void Form_OLEDragDrop(const QStringList& /*files*/, int /*button*/, int /*shift*/,
                                  float /*x*/, float /*y*/) {}
    // The window is being closed by the system; set cancel to keep it.
    virtual void Form_QueryUnload(bool& /*cancel*/) {}

    void acceptFileDrops() { setAcceptDrops(true); }

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    float twipsX(double pixels) const { return float(pixels) * screen_.twipsPerPixelX(); }
    float twipsY(double pixels) const { return float(pixels) * screen_.twipsPerPixelY(); }

    const Screen& screen_;
};

} // namespace kyvra
