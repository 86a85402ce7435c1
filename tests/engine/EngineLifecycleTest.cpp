#include "EngineTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace kyvra::test {
namespace {

int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task"))
                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                   .size());
}

// Everything the engine answers; equal lists mean the same answers.
QVariantList answers(MpvEngine& e) {
    return QVariantList() << e.fileName() << e.currentPosition() << e.duration() << e.playState()
                          << e.rate() << e.volume() << e.mute() << e.imageSourceWidth()
                          << e.imageSourceHeight() << e.lostPackets() << e.isBroadcast()
                          << e.isDurationValid() << e.bufferingTime() << e.hasMultipleItems()
                          << e.streamCount() << e.soundCardEnabled();
}

TEST(EngineLifecycle, MpvStartsWithTheFirstFileAnotherReplacesItAndClosedItAnswersAsFresh) {
    const int before = threadCount();
    auto lazy = headlessEngine();
    const QVariantList fresh = answers(*lazy);
    lazy->setFileName(""); // closing nothing starts nothing
    lazy->setVolume(-1000);
    lazy->setMute(true);
    EXPECT_EQ(threadCount(), before) << "mpv was started before any file";

    // Once it runs, mpv takes over the settings made meanwhile.
    EventLog log(*lazy);
    lazy->setFileName(samplePath("sample.avi"));
    EXPECT_GT(threadCount(), before);
    EXPECT_TRUE(lazy->mute());
    EXPECT_EQ(lazy->volume(), -1000);

    lazy->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lazy->currentPosition() > 0.3; }));
    log.events.clear();
    const auto announced = [&] { return log.events.contains("new 352x240"); };
    lazy->setFileName(samplePath("sample.wmv"));
    EXPECT_EQ(lazy->playState(), MediaEngine::Stopped);
    EXPECT_NEAR(lazy->duration(), 5.09, 0.05);
    ASSERT_TRUE(QTest::qWaitFor(announced));
    EXPECT_EQ(log.events, (QStringList{"state 2>0", "new 352x240"}));
    EXPECT_LT(lazy->currentPosition(), 0.1);
    // Two opens in one go: only the media still open announces itself.
    log.events.clear();
    lazy->setFileName(samplePath("sample.avi"));
    lazy->setFileName(samplePath("sample.asf"));
    ASSERT_TRUE(QTest::qWaitFor(announced)); // both announcements were queued before this
    EXPECT_EQ(log.events, QStringList{"new 352x240"});
    EXPECT_NEAR(lazy->duration(), 4.09, 0.05);

    // Closed while playing, its announcement still queued: nothing plays or seeks any more, and
    // only the stop is reported.
    log.events.clear();
    lazy->setVolume(0);
    lazy->setMute(false);
    lazy->setFileName(samplePath("sample.mpg"));
    lazy->play();
    lazy->setFileName("");
    lazy->play();
    lazy->setCurrentPosition(2);
    EXPECT_EQ(answers(*lazy), fresh);
    QTest::qWait(300); // for anything the closed media might still report
    EXPECT_EQ(log.events, (QStringList{"state 0>2", "state 2>0"}));
}

TEST(EngineLifecycle, FilesThatCannotBeOpenedThrowAndLeaveNothingLoaded) {
    QTemporaryDir dir;
    QFile avi(samplePath("sample.avi"));
    ASSERT_TRUE(avi.open(QIODevice::ReadOnly));
    const QByteArray clip = avi.readAll();
    // Neither the text file nor the folder with a clip inside may be taken for a playlist.
    const std::pair<const char*, QByteArray> contents[] = {
        {"truncated.avi", clip.left(2048)},
        {"garbage.avi", QByteArray(20000, 'Z')},
        {"notes.mpg", "not a video\r\nat all\r\n"},
        {"empty.wmv", ""}};
    QStringList bad{dir.filePath("missing.avi"), dir.filePath("folder")};
    for (const auto& [name, bytes] : contents) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        bad << file.fileName();
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    ASSERT_TRUE(QFile::copy(samplePath("sample.mpg"), dir.filePath("folder/clip.mpg")));
    // Nothing ever writes to the pipe: an open that waited on it would wait for its time-out.
    bad << dir.filePath("pipe.avi");
    ASSERT_EQ(::mkfifo(QFile::encodeName(bad.last()).constData(), 0600), 0);

    auto engine = headlessEngine();
    const QVariantList fresh = answers(*engine);
    EventLog log(*engine);
    for (const QString& file : bad) {
        SCOPED_TRACE(file.toStdString());
        engine->setFileName(samplePath("sample.avi"));
        engine->play();
        QElapsedTimer refusal;
        refusal.start();
        try {
            engine->setFileName(file);
            ADD_FAILURE() << "opened";
        } catch (const AppError& error) {
            EXPECT_LT(error.number(), 0);
            EXPECT_FALSE(error.description().isEmpty());
        }
        EXPECT_LT(refusal.elapsed(), 3000);
        engine->play();
        QTest::qWait(100); // for anything the failed open might still report
        EXPECT_EQ(answers(*engine), fresh);
    }
    // The playing clip was stopped by each failed open; nothing else was ever reported.
    EXPECT_EQ(log.events.join(' '), QString("state 0>2 state 2>0 ").repeated(bad.size()).trimmed());
}

TEST(EngineLifecycle, PictureWidgetInputBecomesEngineEvents) {
    auto engine = headlessEngine();
    QSignalSpy downs(engine.get(), &MediaEngine::mouseDown);
    QSignalSpy moves(engine.get(), &MediaEngine::mouseMove);
    QSignalSpy focus(engine.get(), &MediaEngine::focusReceived);
    QWidget* surface = engine->surface();
    ASSERT_NE(surface, nullptr);

    QTest::mousePress(surface, Qt::RightButton, Qt::ControlModifier | Qt::ShiftModifier,
                      QPoint(12, 34));
    QMouseEvent move(QEvent::MouseMove, QPointF(5.5, 7), QPointF(5.5, 7), Qt::NoButton,
                     Qt::LeftButton, Qt::AltModifier);
    QCoreApplication::sendEvent(surface, &move);
    QFocusEvent focusIn(QEvent::FocusIn);
    QCoreApplication::sendEvent(surface, &focusIn);

    ASSERT_EQ(downs.size(), 1);
    EXPECT_EQ(downs[0], (QVariantList{2, 3, 12.0, 34.0}));
    ASSERT_EQ(moves.size(), 1);
    EXPECT_EQ(moves[0], (QVariantList{1, 4, 5.5, 7.0}));
    EXPECT_EQ(focus.size(), 1);
}

TEST(EngineLifecycle, ShutsDownCleanlyAtAnyMoment) {
    // While playing, with its events still queued.
    auto playing = headlessEngine();
    playing->setFileName(samplePath("sample.avi"));
    playing->play();
    playing->setCurrentPosition(3);
    playing.reset();

    // Right after a failed open.
    auto failed = headlessEngine();
    EXPECT_THROW(failed->setFileName(samplePath("missing.avi")), AppError);
    failed.reset();

    // With its picture widget handed to a window, which outlives the engine.
    auto window = std::make_unique<QWidget>();
    auto handedOver = headlessEngine();
    handedOver->surface()->setParent(window.get());
    handedOver->setFileName(samplePath("sample.mpg"));
    handedOver->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return handedOver->currentPosition() > 0.05; }));
    handedOver.reset();
    ASSERT_EQ(window->findChildren<QWidget*>().size(), 1);
    window.reset();

    // With its picture widget destroyed first.
    auto orphaned = headlessEngine();
    delete orphaned->surface();
    EXPECT_EQ(orphaned->surface(), nullptr);
    orphaned->setFileName(samplePath("sample.mpg"));
    orphaned->play();
    orphaned.reset();
    QTest::qWait(100);
}

} // namespace
} // namespace kyvra::test
