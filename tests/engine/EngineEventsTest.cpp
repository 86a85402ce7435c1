// The events the video window lives on: one new stream per open, one end per end of the media,
// however the end is reached.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

namespace kyvra::test {
namespace {

TEST(EngineEvents, EachOpenAnnouncesOnceAndEachEndIsReportedOnce) {
    auto engine = headlessEngine();
    EventLog log(*engine);
    int ends = 0;
    // Loop as the repeat mode does: back to the start and on; then straight to the end again.
    QObject::connect(engine.get(), &MediaEngine::endOfStream, engine.get(), [&] {
        if (++ends < 4) {
            engine->setCurrentPosition(0);
            engine->play();
            engine->setCurrentPosition(engine->duration() - 0.2);
        }
    });
    engine->setFileName(samplePath("sample.avi"));
    engine->setCurrentPosition(engine->duration() - 0.2);
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 4; }, 10000));
    QTest::qWait(500);
    EXPECT_EQ(ends, 4);
    EXPECT_EQ(log.events.count("new 352x240"), 1);

    // A jump to the very end while paused ends the media once, at once.
    log.events.clear();
    engine->setCurrentPosition(1);
    engine->play();
    engine->pause();
    engine->setCurrentPosition(engine->duration());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 5; }, 3000));
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    // A step before the start is the start, not a count back from the end.
    engine->setCurrentPosition(-0.5);
    QTest::qWait(300);
    EXPECT_EQ(ends, 5);
    EXPECT_LT(engine->currentPosition(), 0.1);
}

// An end still queued when another file opens belongs to the file that is gone.
TEST(EngineEvents, AnEndQueuedBeforeAnotherOpenIsNotDelivered) {
    auto engine = headlessEngine();
    EventLog log(*engine);
    QObject::connect(engine.get(), &MediaEngine::playStateChange, engine.get(), [&](int, int to) {
        if (to == MediaEngine::Stopped && engine->fileName().endsWith(".avi"))
            engine->setFileName(samplePath("sample.wmv"));
    });
    engine->setFileName(samplePath("sample.avi"));
    engine->setCurrentPosition(engine->duration() - 0.2);
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->fileName().endsWith(".wmv"); }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.events.count("new 352x240") == 2; }, 3000));
    EXPECT_EQ(log.events.count("end"), 0) << log.events.join(", ").toStdString();
}

} // namespace
} // namespace kyvra::test
