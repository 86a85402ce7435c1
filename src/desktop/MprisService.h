#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>

namespace kyvra {

class MprisPlayer;
class Player;
class PlayerWatch;
struct DesktopView;

// The player's media controls on the session bus (MPRIS 2 as `org.mpris.MediaPlayer2.kyvra`),
// for the desktop's sound menu, its media keys and tools such as playerctl. Without a session
// bus, or when the bus refuses, there is simply no such service: nothing is shown or logged.
class MprisService : public QObject {
    Q_OBJECT

public:
    static constexpr const char* kObjectPath = "/org/mpris/MediaPlayer2";

    MprisService(Player& player, PlayerWatch& watch, QDBusConnection bus);
    ~MprisService() override;

    // The name owned on the bus; empty when none could be had.
    const QString& busName() const { return busName_; }

    Player& player() { return player_; }
    PlayerWatch& watch() { return watch_; }

    // Runs a command from the bus after the call has been answered (a command may show a
    // message box, and the caller must not wait on it), then tells the desktop what changed.
    void later(std::function<void(Player&)> command);

private:
    void announce(const DesktopView& before);

    Player& player_;
    PlayerWatch& watch_;
    QDBusConnection bus_;
    MprisPlayer* playerInterface_ = nullptr;
    QString busName_;
};

} // namespace kyvra
