#pragma once

#include <QObject>
#include <functional>

namespace kyvra {

class Player;

// The keyboard's media keys while one of the player's windows has the focus: Play/Pause, Stop,
// Next and Previous do what the panel's pause, stop, forward and back buttons do. Watches the
// whole application, ahead of the windows' own key handling, so the keys act the same in every
// window. (When the desktop takes the media keys for itself, they arrive over the session bus
// instead.)
class MediaKeys : public QObject {
public:
    // afterCommand runs after each key has been acted on.
    MediaKeys(Player& player, std::function<void()> afterCommand);
    ~MediaKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool playerWindowActive() const;

    Player& player_;
    std::function<void()> afterCommand_;
};

} // namespace kyvra
