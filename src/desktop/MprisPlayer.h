#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusObjectPath>
#include <QVariantMap>
#include <vector>

namespace kyvra {

class MprisService;
struct DesktopView;

// Playback as the desktop's media controls see it and drive it. Every command goes through the
// same handlers as the panel's buttons (Next and Previous are the forward and back buttons).
class MprisPlayer : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)
    Q_PROPERTY(QVariantMap Metadata READ metadata)
    Q_PROPERTY(qlonglong Position READ position)
    Q_PROPERTY(double Volume READ volume WRITE setVolume)
    Q_PROPERTY(double Rate READ rate)
    Q_PROPERTY(double MinimumRate READ minimumRate)
    Q_PROPERTY(double MaximumRate READ maximumRate)
    Q_PROPERTY(bool CanGoNext READ canGoNext)
    Q_PROPERTY(bool CanGoPrevious READ canGoPrevious)
    Q_PROPERTY(bool CanPlay READ canPlay)
    Q_PROPERTY(bool CanPause READ canPause)
    Q_PROPERTY(bool CanSeek READ canSeek)
    Q_PROPERTY(bool CanControl READ canControl)

public:
    explicit MprisPlayer(MprisService& service);

    // The names of the properties whose values differ between the two views.
    static std::vector<const char*> propertiesChangedSince(const DesktopView& before,
                                                           const DesktopView& now);

    QString playbackStatus() const;
    QVariantMap metadata() const;
    qlonglong position() const;
    double volume() const;
    void setVolume(double volume);
    double rate() const;
    // The rate is not offered to the desktop: the range is the rate in force.
    double minimumRate() const { return rate(); }
    double maximumRate() const { return rate(); }
    bool canGoNext() const { return canPlay(); }
    bool canGoPrevious() const { return canPlay(); }
    bool canPlay() const;
    bool canPause() const { return canPlay(); }
    bool canSeek() const;
    bool canControl() const { return true; }

public slots:
    void Next();
    void Previous();
    void Pause();
    void PlayPause();
    void Stop();
    void Play();
    void Seek(qlonglong Offset);
    void SetPosition(const QDBusObjectPath& TrackId, qlonglong Position);
    void OpenUri(const QString& Uri);

signals:
    void Seeked(qlonglong Position);

private:
    QDBusObjectPath trackId() const;
    const DesktopView& view() const;

    MprisService& service_;
};

} // namespace kyvra
