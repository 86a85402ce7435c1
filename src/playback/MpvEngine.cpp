#include "playback/MpvEngine.h"

#include "core/FileNames.h"
#include "playback/MpvLoader.h"
#include "playback/MpvProperties.h"
#include "playback/MpvShmSurface.h"
#include "playback/MpvSoftwareSurface.h"
#include "playback/MpvTracks.h"
#include "playback/MpvVideoSurface.h"
#include "playback/SurfaceEvents.h"

#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <malloc.h>
#include <mpv/client.h>
#include <utility>

namespace kyvra {

MpvEngine::MpvEngine(const MpvEngineOptions& options, QObject* parent)
    : MediaEngine(parent), options_(options) {
    // The window gets this widget now; the picture fills it once there is one.
    auto* surface = new QWidget;
    auto* layout = new QVBoxLayout(surface);
    layout->setContentsMargins(0, 0, 0, 0);
    new SurfaceEvents(surface, this);
    surface_ = surface;
}

MpvEngine::~MpvEngine() {
    if (core_)
        mpv_set_wakeup_callback(core(), nullptr, nullptr);
    if (MpvRenderTarget* target = renderTarget())
        target->detach();
    if (surface_ && !surface_->parent())
        delete surface_.data();
}

void MpvEngine::startCore() {
    if (core_)
        return;
    MpvCore core = createMpvCore(options_);
    mpv_handle* mpv = core.get();
    mpv::setDouble(mpv, "volume", mpv::volumeLevel(volume_));
    mpv::setFlag(mpv, "mute", mute_);

    auto loader = std::make_unique<MpvLoader>(mpv);
    core_ = std::move(core);
    loader_ = std::move(loader);
    createPicture();
    mpv_set_wakeup_callback(
        mpv, [](void* engine) { static_cast<MpvEngine*>(engine)->queueDrain(); }, this);
}

void MpvEngine::createPicture() {
    // Without its widget (the window that held it has destroyed it) the media plays unseen.
    if (!surface_)
        return;
    QWidget* picture = nullptr;
    QObject* target = nullptr;
    const PictureChoice choice = choosePicturePath(options_.headless, options_.rendering,
                                                   reportDisplay(), &MpvVideoSurface::probe);
    picturePath_ = choice.path;
    // Asked for a path, the user hears which one it is and why, once.
    if (options_.rendering != Rendering::Automatic)
        std::fprintf(stderr, "kyvra-player: the picture is drawn with %s, as %s\n",
                     picturePathName(choice.path), choice.why);
    // Elsewhere no decoder interop is loaded at all, which also keeps the CUDA loader from
    // complaining on every machine without that library.
    mpv::setString(core(), "hwdec", choice.hardwareDecoding ? "auto-safe" : "no");
    mpv::setString(core(), "gpu-hwdec-interop", choice.hardwareDecoding ? "auto" : "no");
    switch (choice.path) {
    case PicturePath::None:
        return;
    case PicturePath::Software: {
        if (MpvShmSurface::available()) {
            auto* window = new MpvShmSurface(core());
            picture = NativePictureWindow::embed(window, surface_);
            target = window;
        } else {
            auto* software = new MpvSoftwareSurface(core(), surface_);
            picture = software;
            target = software;
        }
        // Handed a turned picture, that renderer stops the whole process on an assertion.
        mpv::setString(core(), "video-rotate", "no");
        filtersTurns_ = true;
        break;
    }
    case PicturePath::OpenGL: {
        auto* window = new MpvVideoSurface(core());
        picture = NativePictureWindow::embed(window, surface_);
        target = window;
        break;
    }
    }
    // The surface raises the mouse events, in the same coordinates: the picture fills it.
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
    surface_->layout()->addWidget(picture);
    picture->show();
    target_ = target;
}

MpvRenderTarget* MpvEngine::renderTarget() const {
    return dynamic_cast<MpvRenderTarget*>(target_.data());
}

void MpvEngine::releaseBuffers() {
    if (MpvRenderTarget* target = renderTarget())
        target->releaseFrame();
    // Decoders free their frames into the allocator's arenas, which keep them otherwise.
    malloc_trim(0);
}

void MpvEngine::deliver(std::function<void()> emitEvent) {
    QMetaObject::invokeMethod(this, std::move(emitEvent), Qt::QueuedConnection);
}

// mpv's wakeup callback, on any thread: one drain queued at a time is enough.
void MpvEngine::queueDrain() {
    if (!drainQueued_.exchange(true))
        QMetaObject::invokeMethod(this, &MpvEngine::drainEvents, Qt::QueuedConnection);
}

void MpvEngine::drainEvents() {
    drainQueued_ = false;
    for (;;) {
        const mpv_event* event = mpv_wait_event(core(), 0);
        if (event->event_id == MPV_EVENT_NONE)
            return;
        handleEvent(*event);
    }
}

void MpvEngine::handleEvent(const mpv_event& event) {
    switch (event.event_id) {
    case MPV_EVENT_PROPERTY_CHANGE:
        if (event.reply_userdata == ObservedEndOfMedia)
            endOfMediaChanged();
        else if (event.reply_userdata == ObservedSubtitleText)
            subtitleTextChanged(*static_cast<const mpv_event_property*>(event.data));
        else if (event.reply_userdata == ObservedIdle && !isLoaded() &&
                 mpv::getFlag(core(), "idle-active").value_or(false))
            releaseBuffers();
        break;
    case MPV_EVENT_PLAYBACK_RESTART:
        seekTarget_.reset();
        // A seek from one end to another can leave the end flag with no change to notice.
        endOfMediaChanged();
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (isLoaded() && end->playlist_entry_id == entryId_ &&
            end->reason == MPV_END_FILE_REASON_ERROR) {
            setPlayState(Stopped);
            deliver([this] { emit error(); });
        }
        break;
    }
    default:
        break;
    }
}

void MpvEngine::subtitleTextChanged(const mpv_event_property& property) {
    const char* const* text = property.format == MPV_FORMAT_STRING
                                  ? static_cast<const char* const*>(property.data)
                                  : nullptr;
    deliver([this, line = QString::fromUtf8(text && *text ? *text : ""), opened = openCount_] {
        if (opened == openCount_)
            emit streamSubtitle(line);
    });
}

void MpvEngine::endOfMediaChanged() {
    // The notice may be older than the media now open, so the current value decides.
    const bool atEnd = isLoaded() && mpv::getFlag(core(), "eof-reached").value_or(false);
    if (atEnd == endReported_)
        return;
    endReported_ = atEnd;
    if (!atEnd)
        return;
    seekTarget_.reset();
    setPlayState(Stopped);
    // An end still queued when another file opens belongs to the file that is gone.
    deliver([this, opened = openCount_] {
        if (opened == openCount_)
            emit endOfStream(0);
    });
}

void MpvEngine::setFileName(const QString& path) {
    if (path.isEmpty()) {
        forgetMedia();
        if (core_)
            mpv_command_string(core(), "stop");
        return;
    }
    startCore();
    forgetMedia();
    mpv::setFlag(core(), "pause", true);
    // A track chosen for the media before must not be looked for in this one.
    mpv::setString(core(), "sid", "no");
    entryId_ = loader_->open(path);
    fileName_ = path;
    stream_ = readStreamPicture(core());
    if (filtersTurns_)
        mpv::setString(core(), "vf", turnFilters(stream_.turn));
    deliver([this, opened = openCount_] {
        if (opened == openCount_ && isLoaded())
            emit newStream();
    });
}

void MpvEngine::forgetMedia() {
    fileName_.clear();
    entryId_ = -1;
    ++openCount_;
    endReported_ = false;
    seekTarget_.reset();
    stream_ = {};
    setPlayState(Stopped);
}

double MpvEngine::currentPosition() const {
    if (!isLoaded())
        return -1;
    if (seekTarget_)
        return *seekTarget_;
    return mpv::getDouble(core(), "time-pos").value_or(0);
}

void MpvEngine::setCurrentPosition(double seconds) {
    if (isLoaded())
        seek(seconds);
}

void MpvEngine::seek(double seconds) {
    if (!std::isfinite(seconds))
        throw mpv::error(MPV_ERROR_INVALID_PARAMETER);
    // mpv counts a negative absolute target from the end; before the start is the start.
    seconds = std::max(seconds, 0.0);
    // A restart notice still queued belongs to an earlier seek and must not end this one.
    drainEvents();
    // Wherever the seek lands, the next arrival at the end is a new end of the media.
    endReported_ = false;
    mpv::command(core(), {"seek", QByteArray::number(seconds, 'g', 17), "absolute+exact"});
    seekTarget_ = seconds;
    // A seek that lands on the end while paused may bring no notice of it: look again.
    QTimer::singleShot(250, this, [this] { endOfMediaChanged(); });
}

double MpvEngine::duration() const {
    if (!isLoaded())
        return 0;
    const double seconds = mpv::getDouble(core(), "duration").value_or(0);
    if (positionUnit_ != UnitFrames)
        return seconds;
    auto fps = mpv::getDouble(core(), "container-fps");
    if (!fps)
        fps = mpv::getDouble(core(), "estimated-vf-fps");
    return seconds * fps.value_or(0);
}

void MpvEngine::play() {
    if (!isLoaded())
        return;
    // Playing from the end starts over, as it does after the end of the media.
    if (mpv::getFlag(core(), "eof-reached").value_or(false)) {
        endReported_ = true;
        seek(0);
    }
    mpv::setFlag(core(), "pause", false);
    setPlayState(Playing);
}

void MpvEngine::pause() {
    if (!isLoaded() || playState_ != Playing)
        return;
    mpv::setFlag(core(), "pause", true);
    setPlayState(Paused);
}

void MpvEngine::stop() {
    if (!isLoaded())
        return;
    mpv::setFlag(core(), "pause", true);
    setPlayState(Stopped);
}

void MpvEngine::setPlayState(int state) {
    if (state == playState_)
        return;
    const int old = std::exchange(playState_, state);
    deliver([this, old, state] { emit playStateChange(old, state); });
}

double MpvEngine::rate() const {
    return core_ ? mpv::getDouble(core(), "speed").value_or(1) : 1;
}

// mpv alone knows which rates it accepts.
void MpvEngine::setRate(double rate) {
    startCore();
    mpv::setDouble(core(), "speed", rate);
}

void MpvEngine::setVolume(int hundredthsOfDb) {
    if (core_)
        mpv::setDouble(core(), "volume", mpv::volumeLevel(hundredthsOfDb));
    volume_ = hundredthsOfDb;
}

bool MpvEngine::mute() const {
    return core_ ? mpv::getFlag(core(), "mute").value_or(false) : mute_;
}

void MpvEngine::setMute(bool mute) {
    if (core_)
        mpv::setFlag(core(), "mute", mute);
    mute_ = mute;
}

bool MpvEngine::showStreamSubtitles(bool on) {
    if (!isLoaded())
        return false;
    const std::optional<std::int64_t> track = on ? firstTextSubtitleTrack(core()) : std::nullopt;
    if (track)
        mpv::setInt(core(), "sid", *track);
    else
        mpv::setString(core(), "sid", "no");
    return track.has_value();
}

void MpvEngine::showSubtitleFile(const QString& path) {
    if (isLoaded())
        mpv::command(core(), {"sub-add", pathBytes(absolutePath(path)), "select"});
}

} // namespace kyvra
