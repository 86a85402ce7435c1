#include "EngineTestSupport.h"
#include "playback/MpvProperties.h"

namespace kyvra::test {
namespace {

class EngineTransport : public ::testing::Test {
protected:
    void SetUp() override {
        engine->setFileName(samplePath("sample.avi"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !log.events.isEmpty(); })); // the new stream
        log.events.clear();
    }

    bool positionHolds() {
        QTest::qWait(100);
        const double at = engine->currentPosition();
        QTest::qWait(300);
        return engine->currentPosition() == at;
    }

    bool positionMoves() {
        const double from = engine->currentPosition();
        return QTest::qWaitFor([&] { return engine->currentPosition() > from + 0.1; }, 2000);
    }

    std::unique_ptr<MpvEngine> engine = headlessEngine();
    EventLog log{*engine};
};

TEST_F(EngineTransport, EveryStateChangeIsReportedAfterTheCall) {
    engine->pause(); // nothing to pause while stopped: no event for it below

    engine->play();
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(log.events.isEmpty());
    EXPECT_TRUE(positionMoves());

    engine->pause();
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    EXPECT_TRUE(positionHolds());

    engine->play();
    EXPECT_TRUE(positionMoves());
    engine->stop();
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_TRUE(positionHolds());
    EXPECT_GT(engine->currentPosition(), 0.2); // rewinding is the caller's business

    EXPECT_EQ(log.events, (QStringList{"state 0>2", "state 2>1", "state 1>2", "state 2>0"}));
}

TEST_F(EngineTransport, RateChangesTheSpeedOfPlayAndVolumeTakesAnyLevel) {
    engine->setRate(2.0);
    engine->play();
    ASSERT_TRUE(positionMoves());
    const double from = engine->currentPosition();
    QTest::qWait(1000); // a second of play measures the speed
    EXPECT_GT(engine->currentPosition() - from, 1.5);
    engine->setRate(0.5);
    EXPECT_THROW(engine->setRate(0), AppError);
    EXPECT_DOUBLE_EQ(engine->rate(), 0.5);

    for (int volume : {-10000, 250, -1234}) // beyond either end of the range, and within it
        EXPECT_NO_THROW(engine->setVolume(volume));
    EXPECT_EQ(engine->volume(), -1234);
    // What mpv is handed: 100 × 10^(level / 6000), never above its own 100.
    EXPECT_DOUBLE_EQ(mpv::volumeLevel(0), 100);
    EXPECT_NEAR(mpv::volumeLevel(-600), 79.433, 0.001);
    EXPECT_NEAR(mpv::volumeLevel(-3600), 25.119, 0.001);
    EXPECT_DOUBLE_EQ(mpv::volumeLevel(250), 100);
}

TEST_F(EngineTransport, EachEndStopsAndIsReportedOnceAndPlayingFromTheEndStartsOver) {
    int ends = 0;
    // Loop as the repeat mode does: back to the start and on; then straight to the end again.
    QObject::connect(engine.get(), &MediaEngine::endOfStream, engine.get(), [&] {
        if (++ends < 4) {
            engine->setCurrentPosition(0);
            engine->play();
            engine->setCurrentPosition(engine->duration() - 0.2);
        }
    });
    engine->setCurrentPosition(engine->duration() - 0.2);
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 4; }, 10000));
    EXPECT_EQ(log.events.join(' '), QString("state 0>2 state 2>0 end ").repeated(4).trimmed());
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_GT(engine->currentPosition(), 9.9);

    // Play straight from the end, as the repeat mode does.
    engine->play();
    EXPECT_LT(engine->currentPosition(), 0.1);
    EXPECT_TRUE(positionMoves());
    EXPECT_LT(engine->currentPosition(), 2.0);

    // A jump to the very end while paused ends the media once, at once.
    engine->pause();
    engine->setCurrentPosition(engine->duration());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 5; }, 3000));
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    // A step before the start is the start, not a count back from the end. An end too many,
    // also one left from the loop above, shows by now.
    engine->setCurrentPosition(-0.5);
    QTest::qWait(300);
    EXPECT_EQ(ends, 5);
    EXPECT_LT(engine->currentPosition(), 0.1);
}

// An end still queued when another file opens belongs to the file that is gone.
TEST_F(EngineTransport, AnEndQueuedBeforeAnotherOpenIsNotDelivered) {
    QObject::connect(engine.get(), &MediaEngine::playStateChange, engine.get(), [&](int, int to) {
        if (to == MediaEngine::Stopped && engine->fileName().endsWith(".avi"))
            engine->setFileName(samplePath("sample.wmv"));
    });
    engine->setCurrentPosition(engine->duration() - 0.2);
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.events.contains("new 352x240"); }, 5000));
    EXPECT_EQ(log.events.count("end"), 0) << log.events.join(", ").toStdString();
}

} // namespace
} // namespace kyvra::test
