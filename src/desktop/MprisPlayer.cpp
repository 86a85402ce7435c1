#include "desktop/MprisPlayer.h"

#include "core/PathHelpers.h"
#include "desktop/MprisService.h"
#include "desktop/PlayerWatch.h"
#include "desktop/RemoteCommands.h"

#include <QUrl>

namespace kyvra {

namespace {

constexpr double kMicroseconds = 1e6;

QString statusText(const DesktopView& view) {
    switch (view.status) {
    case DesktopView::Status::Playing:
        return QStringLiteral("Playing");
    case DesktopView::Status::Paused:
        return QStringLiteral("Paused");
    default:
        return QStringLiteral("Stopped");
    }
}

bool seekable(const DesktopView& view) {
    return view.status != DesktopView::Status::Stopped && view.durationSeconds > 0;
}

// A local path, or nothing for a place the player cannot open (another scheme).
QString localPath(const QString& uri) {
    const QUrl url(uri);
    if (url.isLocalFile())
        return url.toLocalFile();
    return url.scheme().isEmpty() ? uri : QString();
}

} // namespace

MprisPlayer::MprisPlayer(MprisService& service)
    : QDBusAbstractAdaptor(&service), service_(service) {}

std::vector<const char*> MprisPlayer::propertiesChangedSince(const DesktopView& before,
                                                             const DesktopView& now) {
    std::vector<const char*> names;
    if (before.status != now.status)
        names.push_back("PlaybackStatus");
    if (before.fileName != now.fileName || before.durationSeconds != now.durationSeconds)
        names.push_back("Metadata");
    if (before.volume != now.volume)
        names.push_back("Volume");
    if (before.rate != now.rate) {
        for (const char* name : {"Rate", "MinimumRate", "MaximumRate"})
            names.push_back(name);
    }
    if (before.loaded() != now.loaded()) {
        for (const char* name : {"CanGoNext", "CanGoPrevious", "CanPlay", "CanPause"})
            names.push_back(name);
    }
    if (seekable(before) != seekable(now))
        names.push_back("CanSeek");
    return names;
}

const DesktopView& MprisPlayer::view() const {
    return service_.watch().view();
}

QDBusObjectPath MprisPlayer::trackId() const {
    if (!view().loaded())
        return QDBusObjectPath(QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack"));
    return QDBusObjectPath(
        QStringLiteral("/org/kyvra/Player/Track/%1").arg(service_.watch().track()));
}

QString MprisPlayer::playbackStatus() const {
    return statusText(view());
}

QVariantMap MprisPlayer::metadata() const {
    QVariantMap data{{QStringLiteral("mpris:trackid"), QVariant::fromValue(trackId())}};
    const DesktopView& now = view();
    if (!now.loaded())
        return data;
    data.insert(QStringLiteral("xesam:title"), GetShortTitle(now.fileName));
    data.insert(QStringLiteral("xesam:url"), QUrl::fromLocalFile(now.fileName).toString());
    if (now.durationSeconds > 0)
        data.insert(QStringLiteral("mpris:length"), qlonglong(now.durationSeconds * kMicroseconds));
    return data;
}

qlonglong MprisPlayer::position() const {
    return qlonglong(ReadPosition(service_.player()) * kMicroseconds);
}

double MprisPlayer::volume() const {
    return VolumeShare(view().volume);
}

void MprisPlayer::setVolume(double volume) {
    service_.later([volume](Player& player) { RemoteSetVolume(player, volume); });
}

double MprisPlayer::rate() const {
    return view().rate;
}

bool MprisPlayer::canPlay() const {
    return view().loaded();
}

bool MprisPlayer::canSeek() const {
    return seekable(view());
}

void MprisPlayer::Next() {
    service_.later(RemoteNext);
}

void MprisPlayer::Previous() {
    service_.later(RemotePrevious);
}

void MprisPlayer::Pause() {
    service_.later(RemotePause);
}

void MprisPlayer::PlayPause() {
    service_.later(RemotePlayPause);
}

void MprisPlayer::Stop() {
    service_.later(RemoteStop);
}

void MprisPlayer::Play() {
    service_.later(RemotePlay);
}

void MprisPlayer::Seek(qlonglong Offset) {
    service_.later([Offset](Player& player) {
        RemoteSeekTo(player, ReadPosition(player) + double(Offset) / kMicroseconds);
    });
}

// A position meant for another track, or outside this one, is ignored, as the desktop expects.
void MprisPlayer::SetPosition(const QDBusObjectPath& TrackId, qlonglong Position) {
    if (TrackId != trackId() || Position < 0 ||
        double(Position) > view().durationSeconds * kMicroseconds)
        return;
    service_.later(
        [Position](Player& player) { RemoteSeekTo(player, double(Position) / kMicroseconds); });
}

void MprisPlayer::OpenUri(const QString& Uri) {
    const QString path = localPath(Uri);
    if (!path.isEmpty())
        service_.later([path](Player& player) { RemoteOpen(player, path); });
}

} // namespace kyvra
