#pragma once

#include "playback/MediaEngine.h"
#include "playback/MpvCore.h"
#include "playback/PictureGeometry.h"

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct mpv_handle;
struct mpv_event;
struct mpv_event_property;

namespace kyvra {

class MpvLoader;
class MpvRenderTarget;

// The playback engine on libmpv. Everything runs on the GUI thread: mpv's wakeups only queue a
// drain of its events there, and opening a file waits on a handle of its own (MpvLoader).
// mpv itself, the picture widget and any OpenGL context are created when the first file opens
// (or a setting needs mpv): until then the engine answers from what it was told, and the player
// starts without paying for them.
class MpvEngine final : public MediaEngine {
    Q_OBJECT

public:
    explicit MpvEngine(const MpvEngineOptions& options = {}, QObject* parent = nullptr);
    ~MpvEngine() override;

    QString fileName() const override { return fileName_; }
    void setFileName(const QString& path) override;

    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;

    double duration() const override;
    void setPositionUnit(int unit) override { positionUnit_ = unit; }

    int playState() const override { return playState_; }
    void play() override;
    void pause() override;
    void stop() override;

    double rate() const override;
    void setRate(double rate) override;

    int volume() const override { return volume_; }
    void setVolume(int hundredthsOfDb) override;
    bool mute() const override;
    void setMute(bool mute) override;

    int imageSourceWidth() const override;
    int imageSourceHeight() const override;

    // The picture follows its widget, in full screen or not.
    void setDisplayFullScreen(bool) override {}

    int lostPackets() const override;
    bool isBroadcast() const override;
    bool isDurationValid() const override;
    double bufferingTime() const override;
    bool hasMultipleItems() const override;
    int streamCount() const override;
    bool soundCardEnabled() const override;
    bool playsSilently() const override;
    QString picturePath() const override;
    bool showStreamSubtitles(bool on) override;
    void showSubtitleFile(const QString& path) override;

    QWidget* surface() override { return surface_; }

private:
    bool isLoaded() const { return !fileName_.isEmpty(); }
    mpv_handle* core() const { return core_.get(); }
    // mpv, with its picture, from the first call on.
    void startCore();
    void createPicture();
    MpvRenderTarget* renderTarget() const;
    // Gives the memory of closed media back to the system.
    void releaseBuffers();
    // Engine events reach their handlers queued, after the call that caused them has returned.
    void deliver(std::function<void()> emitEvent);
    void queueDrain();
    void drainEvents();
    void handleEvent(const mpv_event& event);
    void endOfMediaChanged();
    void subtitleTextChanged(const mpv_event_property& property);
    void seek(double seconds);
    void forgetMedia();
    QSize pictureSize() const;
    QByteArray soundOutput() const;
    void setPlayState(int state);

    MpvEngineOptions options_;
    // Declared in teardown order: the loader's handle must be gone before the core is destroyed.
    MpvCore core_;
    std::unique_ptr<MpvLoader> loader_;
    // The widget handed out as the surface; the picture fills it once mpv runs.
    QPointer<QWidget> surface_;
    // The picture's renderer: the picture widget itself, or the window it holds.
    QPointer<QObject> target_;
    // mpv's CPU renderer cannot turn a picture: on that path the engine's filters do it.
    bool filtersTurns_ = false;
    std::optional<PicturePath> picturePath_; // chosen as the first file opens
    std::atomic<bool> drainQueued_{false};

    QString fileName_;
    std::int64_t entryId_ = -1;   // mpv's playlist entry of the open media
    StreamPicture stream_;        // as the open media's video stream describes itself
    std::uint64_t openCount_ = 0; // tells a queued newStream whether its media is still open
    int playState_ = Stopped;
    int positionUnit_ = UnitSeconds;
    int volume_ = 0;
    bool mute_ = false; // as set; mpv's own value once it runs
    bool endReported_ = false;
    // mpv reports the old position until its core has taken up a seek; this is shown meanwhile.
    std::optional<double> seekTarget_;
};

} // namespace kyvra
