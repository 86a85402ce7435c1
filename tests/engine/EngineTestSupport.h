#pragma once

#include "core/AppError.h"
#include "playback/MpvEngine.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace kyvra::test {

inline QString samplePath(const QString& name) {
    return QStringLiteral(KYVRA_SAMPLES_DIR "/") + name;
}

// The engine without picture or sound.
inline std::unique_ptr<MpvEngine> headlessEngine() {
    return std::make_unique<MpvEngine>(MpvEngineOptions{.headless = true});
}

// The engine's events in arrival order: "new WxH" (the picture size read inside the handler),
// "state OLD>NEW", "end", "error".
struct EventLog {
    explicit EventLog(MediaEngine& engine) {
        QObject::connect(&engine, &MediaEngine::newStream, &engine, [this, &engine] {
            events << QStringLiteral("new %1x%2")
                          .arg(engine.imageSourceWidth())
                          .arg(engine.imageSourceHeight());
        });
        QObject::connect(&engine, &MediaEngine::playStateChange, &engine, [this](int from, int to) {
            events << QStringLiteral("state %1>%2").arg(from).arg(to);
        });
        QObject::connect(&engine, &MediaEngine::endOfStream, &engine, [this] { events << "end"; });
        QObject::connect(&engine, &MediaEngine::error, &engine, [this] { events << "error"; });
    }
    QStringList events;
};

} // namespace kyvra::test
