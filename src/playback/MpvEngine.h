#pragma once

#include "playback/MediaEngine.h"

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

struct mpv_handle;
struct mpv_event;

namespace kyvra {

class MpvLoader;

struct MpvEngineOptions {
    enum class Rendering {
        Automatic, // OpenGL on a hardware renderer, else mpv's CPU renderer
        OpenGL,    // OpenGL whenever a context can be had, even a software rasterizer
        Software,  // mpv's CPU renderer
    };

    // No picture and no sound (vo=null, ao=null); the surface is a plain widget. For tests and
    // tools that need the engine's timing and events but no display.
    bool headless = false;
    Rendering rendering = Rendering::Automatic;
};

// The playback engine on libmpv. Everything runs on the GUI thread: mpv's wakeups only queue a
// drain of its events there, and opening a file waits on a handle of its own (MpvLoader).
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

    QWidget* surface() override { return surface_; }

private:
    struct CoreDeleter {
        void operator()(mpv_handle* mpv) const;
    };

    bool isLoaded() const { return !fileName_.isEmpty(); }
    mpv_handle* core() const { return core_.get(); }
    void createSurface(const MpvEngineOptions& options);
    // Engine events reach their handlers queued, after the call that caused them has returned.
    void deliver(std::function<void()> emitEvent);
    void queueDrain();
    void drainEvents();
    void handleEvent(const mpv_event& event);
    void endOfMediaChanged();
    void seek(double seconds);
    void forgetMedia();
    void setPlayState(int state);

    // Declared in teardown order: the loader's handle must be gone before the core is destroyed.
    std::unique_ptr<mpv_handle, CoreDeleter> core_;
    std::unique_ptr<MpvLoader> loader_;
    QPointer<QWidget> surface_;
    std::atomic<bool> drainQueued_{false};

    QString fileName_;
    std::int64_t entryId_ = -1;   // mpv's playlist entry of the open media
    std::uint64_t openCount_ = 0; // tells a queued newStream whether its media is still open
    int playState_ = Stopped;
    int positionUnit_ = UnitSeconds;
    int volume_ = 0;
    bool endReported_ = false;
    // mpv reports the old position until its core has taken up a seek; this is shown meanwhile.
    std::optional<double> seekTarget_;
};

} // namespace kyvra
