// The subtitle reader as a viewer sees it: lines shown when due, across seeks, stops and repeats;
// and the window that shows them.
#include "player/Subtitles.h"
#include "subtitles/SubtitleFile.h"
#include "support/PlayerFixture.h"

using namespace kyvra;

class SubtitleReader : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        film = makeMediaFile(QStringLiteral("films/film.avi"), {120, 25, 352, 240, {}});
        storeSetting("Autostart", "yes");
        makePlayer();
        player->options.useSubs = true;
    }

    // One line per second: "Line n" from n s to n + 0.8 s.
    QString everySecond(int count) {
        QByteArray lines;
        for (int n = 0; n < count; ++n)
            lines +=
                QStringLiteral("{%1}{%2}Line %3\r\n").arg(n * 25).arg(n * 25 + 20).arg(n).toUtf8();
        return writeFile("films/seconds.sub", lines);
    }

    // Plays until the engine reaches `seconds`: the panel's 500 ms tick and the subtitle window's
    // timer when due; a wakeup may come early (the test set the timer again), never late.
    void playUntil(double seconds) {
        Timer& next = *player->frmSub().tmrNextChange;
        nextAt = std::clamp(nextAt, clock, clock + next.Interval() / 1000.0);
        while (engine->playState() == MediaEngine::Playing) {
            const bool wakeup = next.Enabled() && nextAt < keepTimeAt;
            const double step = (wakeup ? nextAt : keepTimeAt) - clock;
            const double left = std::max(seconds - engine->currentPosition(), 0.0);
            engine->advance(std::min(step, left));
            clock += std::min(step, left);
            if (step > left)
                return;
            wakeups += wakeup;
            keepTimeAt += wakeup ? 0 : 0.5;
            wakeup ? next.tick() : remote().tmrKeepTime_Timer();
            nextAt = clock + next.Interval() / 1000.0;
            if (shown() != (changes.empty() ? QString() : changes.back().second))
                changes.emplace_back(engine->currentPosition(), shown());
        }
    }
    // Plays on for `seconds`; gives the line then shown.
    QString playOn(double seconds) {
        playUntil(engine->currentPosition() + seconds);
        return shown();
    }
    QString shown() { return player->frmSub().subtitles->Caption(); }

    QString film;
    double clock = 0;                    // the time that has passed
    double keepTimeAt = 0.5, nextAt = 0; // when the two timers are due
    int wakeups = 0;
    // When the shown text changed (the engine's position), and to what.
    using Changes = std::vector<std::pair<double, QString>>;
    Changes changes;
};

TEST_F(SubtitleReader, EveryLineShowsFromItsStartToItsEndWithinATenthOfASecond) {
    QByteArray quick;
    Changes quickChanges;
    for (int n = 0; n < 30; ++n) {
        quick += QStringLiteral("{%1}{%2}Quick %3\n").arg(3 * n).arg(3 * n + 1).arg(n).toUtf8();
        quickChanges.emplace_back(0.12 * n, QStringLiteral("Quick %1").arg(n));
        quickChanges.emplace_back(0.12 * n + 0.08, QString());
    }
    quickChanges.emplace_back(4, "Due at 4 s");
    quickChanges.emplace_back(5.04, "");
    const struct {
        QByteArray lines;
        Changes changes;
    } films[] = {
        // A line passed when it is read is never shown; every break shows at once.
        {"{0}{5}Gone\r\n\r\n{50}{75}Two\r\n{250}{300}A|B|C\r\n{10}{20}Late\r\n",
         {{0, "Gone"}, {0.24, ""}, {2, "Two"}, {3.04, ""}, {10, "A\nB\nC"}, {12.04, ""}}},
        {quick + QByteArray(20, '\n') + "{100}{125}Due at 4 s\n", quickChanges},
    };
    for (const auto& [lines, expected] : films) {
        changes.clear();
        wakeups = 0;
        LoadMedia(*player, film, writeFile("films/film.sub", lines));
        playUntil(14);
        ASSERT_EQ(changes.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_NEAR(changes[i].first, expected[i].first, 0.1)
                << expected[i].second.toStdString();
            EXPECT_EQ(changes[i].second, expected[i].second);
        }
        EXPECT_LE(wakeups, int(changes.size()) + 2) << "the window wakes only for a change";
        EXPECT_FALSE(player->frmSub().tmrNextChange->Enabled()) << "nothing more to change";
    }
}

TEST_F(SubtitleReader, EverySeekAndRestartFindsTheLineDue) {
    LoadMedia(*player, film, everySecond(100));
    playUntil(20);
    remote().run(PanelCommand::SeekForward); // 25 s
    EXPECT_EQ(playOn(0.05), "Line 25");

    SeekBack(*player); // 20.05 s
    EXPECT_EQ(player->subtitleCursor.entry.Text, "Line 20") << "read again from the first line";
    EXPECT_EQ(playOn(0.05), "Line 20");

    QTest::mouseClick(remote().progress, Qt::LeftButton, {}, QPoint(0, 2));
    EXPECT_EQ(playOn(0.05), "Line 0") << "the seek bar's jump to the start";

    // A repeat starts from the beginning without a seek of its own.
    playUntil(60);
    engine->setCurrentPosition(0);
    EXPECT_EQ(playOn(0.5), "Line 0");

    engine->setCurrentPosition(30);
    PauseMedia(*player);
    player->frmSub().tmrNextChange->tick();
    EXPECT_FALSE(player->frmSub().tmrNextChange->Enabled()) << "no wakeups while paused";
    PauseMedia(*player);
    EXPECT_EQ(playOn(0.05), "Line 30");
    StopMedia(*player);
    EXPECT_FALSE(player->subtitleFile().isOpen());
    PlayMedia(*player, 0);
    EXPECT_EQ(playOn(0.05), "Line 0") << "stopping starts over";
}

TEST_F(SubtitleReader, ADeepSeekInAHugeFileIsReadInSlicesBetweenWakeups) {
    LoadMedia(*player, film,
              writeFile("films/huge.sub",
                        QByteArray("{0}{0}x\n").repeated(1'000'000) + "{2500}{2900}Deep\n"));
    SeekTo(*player, 100);
    EXPECT_EQ(player->subtitleCursor.entry.Text, "x")
        << "the seek stops reading after its slice of time";
    playUntil(115);
    EXPECT_EQ(shown(), "Deep");
    EXPECT_GT(wakeups, 1);
}

TEST_F(SubtitleReader, MediaWithoutASubtitlePathPlaysWithTheFileBesideItOrWithout) {
    player->options.useSubs = false;
    LoadMedia(*player, film, QString());
    playUntil(5);
    player->options.useSubs = true; // switched on while playing
    playOn(0.5);
    LoadMedia(*player, film, QString());
    EXPECT_FALSE(player->subtitleFile().isOpen()) << "nothing beside the film: no failure either";
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);

    writeFile("films/film.SRT", "1\n00:00:01,000 --> 00:00:02,000\n<i>Found</i> beside\n");
    LoadMedia(*player, film, QString());
    playUntil(1.5);
    EXPECT_EQ(shown(), "Found beside");

    const QString other = makeMediaFile(QStringLiteral("films/other.avi"), {120, 50, 352, 240, {}});
    writeFile("films/other.sub", "{0}{1000}Other film\n");
    engine->setFileName(other); // as the command line opens media
    PlayMedia(*player, 0);
    EXPECT_FLOAT_EQ(player->subtitleCursor.framesPerSecond, 50);
    EXPECT_EQ(playOn(0.5), "Other film");

    const QString gone = dir.filePath("films/gone.sub");
    LoadMedia(*player, film, gone);
    EXPECT_EQ(prompts->messageTexts(), // the only message, none before
              QStringList{QStringLiteral("Subs File \"%1\" doesnt exist!").arg(gone)});
}

TEST_F(SubtitleReader, AFileTruncatedOrGoneJustEndsAndThePlayingGoesOn) {
    const QString path = everySecond(100);
    LoadMedia(*player, film, path);
    playUntil(3);
    QFile(path).resize(0);
    SeekForward(*player);
    playUntil(15);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);

    LoadMedia(*player, film, everySecond(100));
    playUntil(2.1);
    StopMedia(*player);
    ASSERT_EQ(shown(), "Line 2") << "a stop leaves the line";
    QFile::remove(path);
    PlayMedia(*player, 0);
    EXPECT_EQ(playOn(1), "") << "not the last line for good";
    EXPECT_EQ(player->video().subsfile->Caption(), "") << "not tried again for this film";
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(prompts->shown.empty());
}

TEST_F(SubtitleReader, TheFilmsOwnTrackShowsUntilStoppedAndAFileBesideItWins) {
    const QString tracked =
        makeMediaFile(QStringLiteral("films/tracked.mkv"), {120, 25, 352, 240, {}, true});
    LoadMedia(*player, tracked, QString());
    ASSERT_TRUE(engine->streamSubtitlesShown);
    emit engine->streamSubtitle(QStringLiteral("From the\nfilm"));
    EXPECT_EQ(shown(), "From the\nfilm");
    StopMedia(*player);
    EXPECT_EQ(shown(), "") << "a stopped film shows no line of its track";
    emit engine->streamSubtitle(QStringLiteral("late"));
    EXPECT_EQ(shown(), "");
    PlayMedia(*player, 0);
    playOn(1);
    EXPECT_EQ(player->video().subsfile->Caption(), "") << "no file is reopened for a track";

    // Beside the film: the engine reads its own formats, the reader the rest; the track is off.
    const QString ass = writeFile("films/tracked.en.ass", "[Script Info]\n");
    LoadMedia(*player, tracked, QString());
    EXPECT_EQ(engine->subtitleFileShown, ass);
    EXPECT_FALSE(engine->streamSubtitlesShown);
    writeFile("films/tracked.srt", "1\n00:00:00,000 --> 00:00:09,000\nBeside\n");
    LoadMedia(*player, tracked, QString());
    EXPECT_EQ(playOn(0.5), "Beside");
    EXPECT_FALSE(engine->streamSubtitlesShown);
    emit engine->streamSubtitle(QStringLiteral("From the film"));
    EXPECT_EQ(shown(), "Beside");
}

// Any button on the text drags the window.
TEST_F(SubtitleReader, TheWindowShowsCentredWrappedTextAndAnyButtonOnItDrags) {
    SubtitleForm& subs = player->frmSub();
    subs.ShowText("First\rSecond\r\nThird");
    EXPECT_EQ(subs.subtitles->Caption(), "First\nSecond\nThird");
    EXPECT_EQ(subs.subtitles->alignment(), Qt::AlignHCenter | Qt::AlignVCenter);
    const int threeLines = subs.subtitles->heightForWidth(488);

    subs.ShowText(QString(60, QLatin1Char(' ')).replace(" ", "wrapping words "));
    EXPECT_GT(subs.subtitles->heightForWidth(488), threeLines) << "long text wraps";
    subs.ShowText(QStringList(40, "line").join('\r'));
    EXPECT_EQ(subs.subtitles->alignment(), Qt::AlignHCenter | Qt::AlignTop)
        << "too tall: the first lines stay, the rest is cut at the bottom";

    const QPoint grip(200, 50);
    const QPoint before = subs.pos();
    QCursor::setPos(subs.mapToGlobal(grip));
    QTest::mousePress(subs.subtitles, Qt::RightButton, {}, grip);
    QTest::mouseMove(subs.subtitles, grip + QPoint(40, -30));
    QTest::mouseRelease(subs.subtitles, Qt::RightButton, {}, grip);
    EXPECT_EQ(subs.pos(), before + QPoint(40, -30));
}
