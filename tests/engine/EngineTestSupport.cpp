#include "EngineTestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTest>

namespace kyvra::test {

QString samplePath(const QString& name) {
    return QStringLiteral(KYVRA_SAMPLES_DIR "/") + name;
}

std::unique_ptr<MpvEngine> headlessEngine() {
    return std::make_unique<MpvEngine>(MpvEngineOptions{.headless = true});
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

void settle(int ms) {
    QTest::qWait(ms);
}

EventLog::EventLog(MediaEngine& engine) {
    QObject::connect(&engine, &MediaEngine::newStream, &engine, [this, &engine] {
        events_ << QStringLiteral("new %1x%2")
                       .arg(engine.imageSourceWidth())
                       .arg(engine.imageSourceHeight());
    });
    QObject::connect(&engine, &MediaEngine::playStateChange, &engine, [this](int from, int to) {
        events_ << QStringLiteral("state %1>%2").arg(from).arg(to);
    });
    QObject::connect(&engine, &MediaEngine::endOfStream, &engine,
                     [this] { events_ << QStringLiteral("end"); });
    QObject::connect(&engine, &MediaEngine::error, &engine,
                     [this] { events_ << QStringLiteral("error"); });
}

} // namespace kyvra::test
