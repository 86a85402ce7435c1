#pragma once

#include "desktop/DesktopView.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace kyvra {

class Player;

// Tells the desktop's helpers when the player really changed, whatever changed it: the panel,
// the menus, the keyboard, the end of the media, an error or a remote command. The engine's
// events bring state changes at once; a cheap once-a-second look catches what no event
// announces (a volume step on the panel, media closed after an error, a seek).
class PlayerWatch : public QObject {
    Q_OBJECT

public:
    explicit PlayerWatch(Player& player);

    // As last seen.
    const DesktopView& view() const { return view_; }
    // Counts the files opened; a new file is a new track for the desktop.
    quint64 track() const { return track_; }

    // Looks at the player now and signals what changed since the last look.
    void refresh();

signals:
    void changed(const DesktopView& before);
    // The position jumped (a seek), rather than moving on with playback.
    void seeked(double seconds);

private:
    void noticePositionJump(const DesktopView& before, bool newTrack);

    Player& player_;
    DesktopView view_;
    quint64 track_ = 0;
    double position_ = 0;
    QElapsedTimer sincePosition_;
    QTimer poll_;
};

} // namespace kyvra
