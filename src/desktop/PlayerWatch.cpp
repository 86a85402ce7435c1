#include "desktop/PlayerWatch.h"

#include "playback/MediaEngine.h"
#include "player/Player.h"

#include <cmath>

namespace kyvra {

namespace {

constexpr int kPollMs = 1000;
// Playback drifts from the wall clock by far less than this between two looks.
constexpr double kJumpSeconds = 1.0;

} // namespace

PlayerWatch::PlayerWatch(Player& player) : player_(player) {
    // Queued, so the look comes after every handler of the same event has had its say (the end
    // of the media rewinds, for instance).
    MediaEngine& engine = player.engine();
    const auto look = [this] { refresh(); };
    connect(&engine, &MediaEngine::playStateChange, this, look, Qt::QueuedConnection);
    connect(&engine, &MediaEngine::newStream, this, look, Qt::QueuedConnection);
    connect(&engine, &MediaEngine::endOfStream, this, look, Qt::QueuedConnection);
    connect(&engine, &MediaEngine::error, this, look, Qt::QueuedConnection);
    connect(&poll_, &QTimer::timeout, this, look);
    poll_.start(kPollMs);
    // Media opened before the watch began (named on the command line) is a track too.
    sincePosition_.start();
    refresh();
}

void PlayerWatch::refresh() {
    const DesktopView before = view_;
    view_ = ReadDesktopView(player_);
    const bool newTrack = view_.loaded() && view_.fileName != before.fileName;
    if (newTrack)
        ++track_;
    noticePositionJump(before, newTrack);
    if (view_ != before)
        emit changed(before);
}

void PlayerWatch::noticePositionJump(const DesktopView& before, bool newTrack) {
    const double elapsed = sincePosition_.restart() / 1000.0;
    const double expected =
        position_ + (before.status == DesktopView::Status::Playing ? elapsed * before.rate : 0);
    position_ = ReadPosition(player_);
    if (view_.loaded() && !newTrack && std::abs(position_ - expected) > kJumpSeconds)
        emit seeked(position_);
}

} // namespace kyvra
