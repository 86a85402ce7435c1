#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace kyvra {

class MediaEngine;

// Turns the picture widget's mouse presses, mouse moves and focus-in into the engine's
// mouseDown, mouseMove and focusReceived events, with the handlers' button and shift codes and
// the position in the widget's pixels. It lives as long as the widget.
class SurfaceEvents : public QObject {
    Q_OBJECT

public:
    SurfaceEvents(QWidget* surface, MediaEngine* engine);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<MediaEngine> engine_;
};

} // namespace kyvra
