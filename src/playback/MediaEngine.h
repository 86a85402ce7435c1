#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace kyvra {

// The playback engine as the rest of the program sees it: exactly the operations and events the
// player uses. Every operation runs on the GUI thread and may throw AppError. Events are always
// delivered queued, after the handler that caused them has returned.
class MediaEngine : public QObject {
    Q_OBJECT

public:
    // PlayState values.
    static constexpr int Stopped = 0;
    static constexpr int Paused = 1;
    static constexpr int Playing = 2;

    // Position units for Duration.
    static constexpr int UnitSeconds = 0;
    static constexpr int UnitFrames = 1;

    using QObject::QObject;
    ~MediaEngine() override = default;

    // "" when nothing is loaded. Setting a path opens it before returning (the duration can be read
    // at once) and throws AppError with the engine's text when it cannot; "" closes the media.
    virtual QString fileName() const = 0;
    virtual void setFileName(const QString& path) = 0;

    // Seconds from the start, -1 while nothing is loaded. Setting seeks exactly.
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double seconds) = 0;

    // Seconds, or frames while the position unit is UnitFrames.
    virtual double duration() const = 0;
    virtual void setPositionUnit(int unit) = 0;

    virtual int playState() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;

    virtual double rate() const = 0;
    virtual void setRate(double rate) = 0;

    // Hundredths of a decibel, 0 loudest.
    virtual int volume() const = 0;
    virtual void setVolume(int hundredthsOfDb) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool mute) = 0;

    // The picture's size in pixels as it is meant to be seen: stretched by the shape of its
    // pixels and turned upright; 0 without video.
    virtual int imageSourceWidth() const = 0;
    virtual int imageSourceHeight() const = 0;

    // Written when entering full screen and cleared by the panel's tick; never read back.
    virtual void setDisplayFullScreen(bool on) = 0;

    // Shown in the movie details window only.
    virtual int lostPackets() const = 0;
    virtual bool isBroadcast() const = 0;
    virtual bool isDurationValid() const = 0;
    virtual double bufferingTime() const = 0;
    virtual bool hasMultipleItems() const = 0;
    virtual int streamCount() const = 0;
    virtual bool soundCardEnabled() const = 0;
    // The media has sound, but no sound output could be opened: it plays at its own pace, unheard.
    virtual bool playsSilently() const = 0;
    // How the picture reaches the screen ("OpenGL", "Software"); empty until the first file.
    virtual QString picturePath() const = 0;

    // Shows the media's own first text subtitle track through streamSubtitle, never on the
    // picture; false when it has none (bitmap tracks do not count). Off: no track is read.
    virtual bool showStreamSubtitles(bool on) = 0;
    // Reads a subtitle file for the open media (ASS, SSA, WebVTT) and shows it the same way.
    // Throws AppError when the engine cannot read it.
    virtual void showSubtitleFile(const QString& path) = 0;

    // The widget that shows the picture (the video window's videobox container). The engine owns
    // it until the video window re-parents it; its mouse and focus events become engine events.
    virtual QWidget* surface() = 0;

signals:
    void newStream();
    void playStateChange(int oldState, int newState);
    void endOfStream(int result);
    void error();
    // Button 1 left, 2 right; shift 1 Shift, 2 Ctrl, 4 Alt; x and y in the surface's pixels.
    void mouseMove(int button, int shift, double x, double y);
    void mouseDown(int button, int shift, double x, double y);
    void focusReceived();
    // The text of the media's own subtitle track due now, styling stripped; "" between lines.
    void streamSubtitle(const QString& text);
};

} // namespace kyvra
