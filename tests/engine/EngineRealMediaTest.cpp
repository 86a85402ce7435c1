#include "EngineTestSupport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace kyvra::test {
namespace {

class EngineRealMedia : public ::testing::Test {
protected:
    // What ffmpeg makes of these arguments, written as `name` in the test's folder.
    QString make(const QString& name, const QStringList& arguments) {
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", QStringList{"-v", "error", "-y"} + arguments +
                                   QStringList{dir.filePath(name)});
        EXPECT_TRUE(ffmpeg.waitForFinished(60'000));
        EXPECT_EQ(ffmpeg.exitCode(), 0) << ffmpeg.readAllStandardError().toStdString();
        return dir.filePath(name);
    }
    // The subtitle lines the engine reported until `text` came, or the time ran out.
    QStringList linesUntil(QSignalSpy& lines, const QString& text) {
        (void)QTest::qWaitFor([&] { return !lines.isEmpty() && lines.last().value(0) == text; },
                              8000);
        QStringList texts;
        for (const QVariantList& line : lines)
            texts << line.value(0).toString();
        return texts;
    }

    QTemporaryDir dir;
    std::unique_ptr<MpvEngine> engine = headlessEngine();
};

// How turned and non-square pictures are measured is the real-media table's (e2e/real_media.sh),
// through the whole player on both picture paths.

TEST_F(EngineRealMedia, TheFilmsOwnTextTrackOrAnEngineSubtitleFileIsTimedByTheEngine) {
    const QString clip = make("clip.mp4", {"-f", "lavfi", "-i", "testsrc=s=160x120:r=25:d=3"});
    QFile srt(dir.filePath("lines.srt"));
    ASSERT_TRUE(srt.open(QIODevice::WriteOnly));
    srt.write("1\n00:00:00,300 --> 00:00:00,900\n<i>Hello</i> there\n\n"
              "2\n00:00:01,200 --> 00:00:01,600\nSecond\nline\n");
    srt.close();
    engine->setFileName(clip);
    EXPECT_FALSE(engine->showStreamSubtitles(true)) << "no track to show";

    QSignalSpy lines(engine.get(), &MediaEngine::streamSubtitle);
    engine->setFileName(make("film.mkv", {"-i", clip, "-i", srt.fileName(), "-c", "copy"}));
    ASSERT_TRUE(engine->showStreamSubtitles(true));
    engine->play();
    EXPECT_EQ(linesUntil(lines, "Second\nline").filter(QRegularExpression(".")),
              (QStringList{"Hello there", "Second\nline"}));

    // Replaying from the start after a seek shows the line due there.
    lines.clear();
    engine->setCurrentPosition(0.5);
    EXPECT_TRUE(linesUntil(lines, "Hello there").contains("Hello there"));
    EXPECT_FALSE(engine->showStreamSubtitles(false)) << "switched off, no track is shown";
    engine->setFileName(clip);
    lines.clear();
    engine->showSubtitleFile(make("lines.ass", {"-i", srt.fileName()}));
    engine->play();
    EXPECT_TRUE(linesUntil(lines, "Second\nline").contains("Hello there"));
    EXPECT_THROW(engine->showSubtitleFile(dir.filePath("missing.ass")), AppError);
}

} // namespace
} // namespace kyvra::test
