#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>
#include <optional>

namespace kyvra {

// Holds the desktop's screensaver and idle blanking off while asked to: through the session's
// `org.freedesktop.ScreenSaver` service where there is one, otherwise by resetting the X
// server's screensaver timer now and then. Failures on the bus are silent.
class ScreenSaverInhibitor : public QObject {
public:
    explicit ScreenSaverInhibitor(QDBusConnection bus);
    // Releases what is held, so the screensaver comes back when the player ends.
    ~ScreenSaverInhibitor() override;

    void hold(bool on);
    bool holding() const { return wanted_; }

private:
    void inhibit();
    void inhibited(uint cookie);
    void uninhibit();
    void resetXInstead();

    QDBusConnection bus_;
    bool wanted_ = false;
    // An answer to an inhibit request is on its way.
    bool pending_ = false;
    std::optional<uint> cookie_;
    QTimer xReset_;
};

} // namespace kyvra
