#pragma once

#include "core/AppError.h"
#include "playback/MediaEngine.h"

#include <QHash>
#include <QWidget>
#include <algorithm>
#include <memory>

namespace kyvra::test {

// An engine with scripted media and a clock the test advances. Events are queued like the real
// engine's, so they arrive after the handler that caused them.
class FakeEngine : public MediaEngine {
public:
    struct Media {
        double seconds = 10;
        double framesPerSecond = 25;
        int width = 352;
        int height = 240;
        QString failure;           // non-empty: opening throws with this text
        bool hasTextTrack = false; // a subtitle track of its own
    };

    FakeEngine() : surface_(std::make_unique<QWidget>()) {}

    void addMedia(const QString& path, Media media) { media_.insert(path, media); }

    // Moves the clock; reaching the end stops playback and raises EndOfStream.
    void advance(double seconds) {
        if (state_ != Playing)
            return;
        position_ += seconds * rate_;
        if (position_ >= current_.seconds) {
            position_ = current_.seconds;
            changeState(Stopped);
            // As the real engine: an end still queued when another file opens is dropped.
            queue([this, opened = opens] {
                if (opened == opens)
                    emit endOfStream(0);
            });
        }
    }

    // A length that changes while the media is open (a file still being written).
    void setLength(double seconds) { current_.seconds = seconds; }

    QString fileName() const override { return fileName_; }
    void setFileName(const QString& path) override {
        ++opens;
        close();
        if (path.isEmpty())
            return;
        auto found = media_.constFind(path);
        if (found == media_.constEnd())
            throw AppError(-2, QStringLiteral("loading failed"));
        if (!found->failure.isEmpty())
            throw AppError(-13, found->failure);
        current_ = *found;
        fileName_ = path;
        position_ = 0;
        queue([this] { emit newStream(); });
    }

    double currentPosition() const override { return fileName_.isEmpty() ? -1 : position_; }
    void setCurrentPosition(double seconds) override {
        failIfAsked();
        if (!fileName_.isEmpty())
            position_ = std::clamp(seconds, 0.0, current_.seconds);
    }
    double duration() const override {
        if (fileName_.isEmpty())
            return 0;
        return unit_ == UnitFrames ? current_.seconds * current_.framesPerSecond : current_.seconds;
    }
    void setPositionUnit(int unit) override { unit_ = unit; }

    int playState() const override { return state_; }
    void play() override {
        failIfAsked();
        if (!fileName_.isEmpty())
            changeState(Playing);
    }
    void pause() override {
        failIfAsked();
        if (state_ == Playing)
            changeState(Paused);
    }
    void stop() override {
        failIfAsked();
        if (!fileName_.isEmpty())
            changeState(Stopped);
    }

    double rate() const override { return rate_; }
    void setRate(double rate) override {
        if (refuseRates)
            throw AppError(-5, QStringLiteral("rate refused"));
        rate_ = rate;
    }
    int volume() const override { return volume_; }
    void setVolume(int volume) override { volume_ = volume; }
    bool mute() const override { return mute_; }
    void setMute(bool mute) override { mute_ = mute; }
    int imageSourceWidth() const override { return fileName_.isEmpty() ? 0 : current_.width; }
    int imageSourceHeight() const override { return fileName_.isEmpty() ? 0 : current_.height; }
    void setDisplayFullScreen(bool on) override { displayFullScreen = on; }

    int lostPackets() const override { return 0; }
    bool isBroadcast() const override { return false; }
    bool isDurationValid() const override { return !fileName_.isEmpty(); }
    double bufferingTime() const override { return 0; }
    bool hasMultipleItems() const override { return false; }
    int streamCount() const override { return fileName_.isEmpty() ? 0 : 2; }
    bool soundCardEnabled() const override { return !silent; }
    bool showStreamSubtitles(bool on) override {
        streamSubtitlesShown = on && current_.hasTextTrack && !fileName_.isEmpty();
        return streamSubtitlesShown;
    }
    void showSubtitleFile(const QString& path) override { subtitleFileShown = path; }
    bool playsSilently() const override { return silent && !fileName_.isEmpty(); }
    QString picturePath() const override { return QStringLiteral("Software"); }

    QWidget* surface() override { return surface_.get(); }

    int opens = 0;
    bool displayFullScreen = false;
    // Non-empty: playing, pausing, stopping and seeking throw with this text.
    QString transportFailure;
    bool refuseRates = false;
    bool silent = false; // no sound output could be opened
    bool streamSubtitlesShown = false;
    QString subtitleFileShown;

private:
    void failIfAsked() const {
        if (!transportFailure.isEmpty())
            throw AppError(-7, transportFailure);
    }

    template <class F> void queue(F f) { QMetaObject::invokeMethod(this, f, Qt::QueuedConnection); }

    void close() {
        if (state_ != Stopped)
            changeState(Stopped);
        fileName_.clear();
        position_ = 0;
        // As the real engine: a new file starts without the last one's subtitles.
        streamSubtitlesShown = false;
        subtitleFileShown.clear();
    }

    void changeState(int state) {
        const int old = state_;
        state_ = state;
        queue([this, old, state] { emit playStateChange(old, state); });
    }

    std::unique_ptr<QWidget> surface_;
    QHash<QString, Media> media_;
    Media current_;
    QString fileName_;
    double position_ = 0;
    double rate_ = 1;
    int unit_ = UnitSeconds;
    int state_ = Stopped;
    int volume_ = 0;
    bool mute_ = false;
};

} // namespace kyvra::test
