// Play, pause and stop with their state events, the end of the media, rate, volume and mute.
#include "EngineTestSupport.h"
#include "core/AppError.h"
#include "playback/MpvProperties.h"

#include <gtest/gtest.h>

namespace kyvra::test {
namespace {

class EngineTransport : public ::testing::Test {
protected:
    void SetUp() override {
        engine->setFileName(samplePath("sample.avi"));
        QTest::qWait(50);
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
    engine->pause(); // nothing to pause while stopped
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);

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

TEST_F(EngineTransport, EndOfMediaStopsAndPlayingAgainStartsOver) {
    engine->setCurrentPosition(engine->duration() - 0.3);
    engine->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.events.contains("end"); }, 3000));
    EXPECT_EQ(log.events, (QStringList{"state 0>2", "state 2>0", "end"}));
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped);
    EXPECT_GT(engine->currentPosition(), 9.9);

    // Play straight from the end, as the repeat mode does.
    log.events.clear();
    engine->play();
    EXPECT_LT(engine->currentPosition(), 0.1);
    EXPECT_TRUE(positionMoves());
    EXPECT_LT(engine->currentPosition(), 2.0);
}

TEST_F(EngineTransport, RateChangesTheSpeedOfPlay) {
    engine->setRate(2.0);
    EXPECT_DOUBLE_EQ(engine->rate(), 2.0);
    engine->play();
    QTest::qWait(100);
    const double from = engine->currentPosition();
    QTest::qWait(1000);
    EXPECT_GT(engine->currentPosition() - from, 1.5);

    engine->setRate(0.5);
    EXPECT_DOUBLE_EQ(engine->rate(), 0.5);
    EXPECT_THROW(engine->setRate(0), AppError);
    EXPECT_DOUBLE_EQ(engine->rate(), 0.5);
}

TEST_F(EngineTransport, VolumeTakesAnyLevelAndMuteToggles) {
    for (int volume : {-10000, 250, -1234}) // beyond either end of the range, and within it
        EXPECT_NO_THROW(engine->setVolume(volume));
    EXPECT_EQ(engine->volume(), -1234);
    // What mpv is handed: 100 × 10^(level / 6000), never above its own 100.
    EXPECT_DOUBLE_EQ(mpv::volumeLevel(0), 100);
    EXPECT_NEAR(mpv::volumeLevel(-600), 79.433, 0.001);
    EXPECT_NEAR(mpv::volumeLevel(-3600), 25.119, 0.001);
    EXPECT_DOUBLE_EQ(mpv::volumeLevel(250), 100);
    engine->setMute(true);
    EXPECT_TRUE(engine->mute());
}

} // namespace
} // namespace kyvra::test
