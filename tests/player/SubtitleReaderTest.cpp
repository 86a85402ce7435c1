// The subtitle reader as a viewer sees it: lines in the subtitle window at the right ticks,
// after seeks, pauses, stops and repeats, and media loaded with or without a subtitle file.
#include "app/Transport.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleForm.h"
#include "subtitles/Subtitles.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

#include <QTest>

using namespace kyvra;

class SubtitleReader : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        film = makeMediaFile(QStringLiteral("films/film.avi"), {120, 25, 352, 240, {}});
        storeSetting("Autostart", "yes");
        makePlayer();
        player->state.UseSubs = true;
    }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    // One line per second: "Line n" from n s to n + 0.8 s.
    QString everySecond(int count) {
        QByteArray lines;
        for (int n = 0; n < count; ++n)
            lines +=
                QStringLiteral("{%1}{%2}Line %3\r\n").arg(n * 25).arg(n * 25 + 20).arg(n).toUtf8();
        return writeFile("films/seconds.sub", lines);
    }

    // Half a second of playback, then the panel's tick.
    void tick() {
        engine->advance(0.5);
        remote().tmrKeepTime_Timer();
    }
    void ticksUntil(double seconds) {
        while (engine->currentPosition() < seconds - 1e-9)
            tick();
    }
    QString shown() { return player->frmSub().subtitles->Caption(); }
    const SubtitleEntry& current() { return player->state.CurrentSubtitle; }

    QString film;
};

TEST_F(SubtitleReader, ReadsALinePerTickAndShowsItFromItsStartToItsEndFrame) {
    LoadMedia(*player, film,
              writeFile("films/one.sub", "{0}{5}Gone\r\n\r\n{50}{75}Two\r\n"
                                         "{250}{300}Hello|World|Again\r\n"));
    const QString expected[][2] = {{"{0}{5}Gone", ""}, // passed when read: never shown
                                   {"", ""},           // an empty line costs a tick
                                   {"{50}{75}Two", ""},
                                   {"{50}{75}Two", "Two"}};
    for (const auto& [buffer, text] : expected) {
        tick();
        EXPECT_EQ(player->state.SubtitleLineBuffer, buffer);
        EXPECT_EQ(shown(), text);
    }
    ticksUntil(9.5);
    EXPECT_EQ(shown(), "");
    tick();
    EXPECT_EQ(shown(), "Hello\nWorld\nAgain") << "every break on the first tick";
    EXPECT_EQ(current().Text, "Hello\rWorld\rAgain");
    ticksUntil(12);
    EXPECT_EQ(shown(), "Hello\nWorld\nAgain");
    tick();
    EXPECT_EQ(shown(), "") << "frame 312 is past the line";
}

TEST_F(SubtitleReader, EverySeekAndRestartFindsTheLineDue) {
    LoadMedia(*player, film, everySecond(100));
    ticksUntil(20);
    remote().forward_over_Click(); // 25 s
    EXPECT_EQ(current().Text, "Line 25") << "read in one go, not a line per tick";
    tick();
    EXPECT_EQ(shown(), "Line 25");

    SeekBack(*player); // 20.5 s
    EXPECT_EQ(current().Text, "Line 20") << "read again from the first line";
    tick();
    EXPECT_EQ(shown(), "Line 21");

    QTest::mouseClick(remote().progress, Qt::LeftButton, {}, QPoint(0, 2));
    tick();
    EXPECT_EQ(shown(), "Line 0") << "the seek bar's jump to the start";

    // A repeat starts from the beginning without a seek of its own.
    ticksUntil(60);
    engine->setCurrentPosition(0);
    tick();
    EXPECT_EQ(shown(), "Line 0");

    engine->setCurrentPosition(30);
    tick();
    PauseMedia(*player);
    PauseMedia(*player);
    tick();
    EXPECT_EQ(shown(), "Line 31") << "resuming does not go back to the first line";
    StopMedia(*player);
    EXPECT_FALSE(player->subtitleFile().isOpen());
    PlayMedia(*player, 0);
    tick();
    EXPECT_EQ(shown(), "Line 0") << "stopping does";
}

TEST_F(SubtitleReader, MediaWithoutASubtitlePathPlaysWithTheFileBesideItOrWithout) {
    LoadMedia(*player, film, QString());
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(prompts->shown.empty());
    tick();
    EXPECT_EQ(shown(), "");

    writeFile("films/film.SRT", "1\n00:00:01,000 --> 00:00:02,000\n<i>Found</i> beside\n");
    LoadMedia(*player, film, QString());
    EXPECT_EQ(player->video().subsfile->Caption(), dir.filePath("films/film.SRT"));
    ticksUntil(1.5);
    EXPECT_EQ(shown(), "Found beside");

    const QString gone = dir.filePath("films/gone.sub");
    LoadMedia(*player, film, gone);
    EXPECT_EQ(prompts->messageTexts(),
              QStringList{QStringLiteral("Subs File \"%1\" doesnt exist!").arg(gone)});
}

TEST_F(SubtitleReader, SwitchingOnDuringPlaybackFindsTheSubtitlesOnce) {
    player->state.UseSubs = false;
    LoadMedia(*player, film, QString());
    ticksUntil(5);
    player->state.UseSubs = true;
    tick();
    EXPECT_FALSE(player->subtitleFile().isOpen()) << "nothing beside the film: no failure either";
    EXPECT_TRUE(prompts->shown.empty());

    engine->setFileName(QString());
    const QString other = makeMediaFile(QStringLiteral("films/other.avi"), {120, 50, 352, 240, {}});
    writeFile("films/other.sub", "{0}{1000}Other film\n");
    engine->setFileName(other); // as the command line opens media
    PlayMedia(*player, 0);
    EXPECT_FLOAT_EQ(player->state.FramesPerSecond, 50);
    tick();
    EXPECT_EQ(shown(), "Other film");
}

TEST_F(SubtitleReader, AFileTruncatedWhilePlayingJustEnds) {
    const QString path = everySecond(100);
    LoadMedia(*player, film, path);
    ticksUntil(3);
    QFile(path).resize(0);
    SeekForward(*player);
    ticksUntil(15);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(prompts->shown.empty());
}
