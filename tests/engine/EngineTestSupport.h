#pragma once

#include "playback/MpvEngine.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace kyvra::test {

QString samplePath(const QString& name);

// The engine without picture or sound.
std::unique_ptr<MpvEngine> headlessEngine();

// Runs the event loop until the condition holds or timeoutMs has passed; returns the condition.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// Runs the event loop for a while, so that queued events arrive.
void settle(int ms = 200);

// The engine's events in arrival order: "new WxH" (the picture size read inside the handler),
// "state OLD>NEW", "end", "error".
class EventLog {
public:
    explicit EventLog(MediaEngine& engine);

    const QStringList& events() const { return events_; }
    bool contains(const QString& event) const { return events_.contains(event); }
    void clear() { events_.clear(); }

private:
    QStringList events_;
};

} // namespace kyvra::test
