#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace kyvra {

// A form timer: an interval in milliseconds and an Enabled switch. Enabling a disabled timer or
// changing its interval restarts the count; an interval of 0 never ticks.
class Timer : public QObject {
public:
    Timer(QObject* parent, int intervalMs, bool enabled);

    int Interval() const { return interval_; }
    void setInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Runs the tick handler now, as an elapsed interval would; tests use it instead of waiting.
    void tick();
    bool isCounting() const { return timer_.isActive(); }

    std::function<void()> onTimer;

private:
    void restart();

    QTimer timer_;
    int interval_;
    bool enabled_;
};

} // namespace kyvra
