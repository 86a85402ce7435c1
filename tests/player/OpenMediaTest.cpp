// The open command, the open dialog it uses, the ways an open fails, and the Video CD command.
#include "desktop/RemoteCommands.h"
#include "player/DroppedMedia.h"
#include "player/OpenDialog.h"
#include "support/PlayerFixture.h"

#include <QAction>

using namespace kyvra;

namespace {

const QString kSubtitleFilter =
    QStringLiteral("Supported subtitle files (*.txt *.sub *.TXT *.SUB);;All files (*.*) (*);;"
                   "SubRip subtitles (*.srt *.SRT)");

class OpenMedia : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        makePlayer();
    }

    void open(const QString& answer) {
        prompts->fileAnswers.enqueue(answer);
        remote().load_Click();
    }
    void openVcd(const QString& answer) {
        prompts->inputAnswers.enqueue(answer);
        menu().openvcd->trigger();
    }

    QString playing() {
        const QString path = makeMediaFile(QStringLiteral("playing.avi"));
        open(path);
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
        prompts->shown.clear();
        return path;
    }

    // A name under the fixture's folder whose whole path is exactly `length` characters.
    QString nameOfLength(qsizetype length) const {
        qsizetype left = length - dir.path().size() - 1;
        QString name;
        for (; left > 104; left -= 100)
            name += QString(99, QLatin1Char('d')) + QLatin1Char('/');
        return name + QString(left - 4, QLatin1Char('f')) + QStringLiteral(".avi");
    }
};

} // namespace

TEST_F(OpenMedia, TheDialogOffersMediaTypesAndPlaysTheChosenFileUnpadded) {
    const QString path = makeMediaFile(QStringLiteral("holiday.avi"));
    open(QStringLiteral("  ") + path + QStringLiteral("   ") + QChar(0));
    const OpenFileRequest& request = prompts->shown.at(0).request;
    EXPECT_TRUE(request.filter.startsWith("Supported media types (*.avi *.asf"));
    EXPECT_EQ(request.owner, &remote());
    EXPECT_EQ(engine->fileName(), path) << "played with no subtitle dialog, subtitles being off";

    const QString spaced = makeMediaFile(QStringLiteral("spaced.avi "));
    open(spaced);
    EXPECT_EQ(engine->fileName(), spaced) << "a trailing space can be part of the name";

    ShowOpenDialog(*player, nullptr, QStringLiteral("/tmp"), QString(), QStringLiteral("Media"));
    const OpenFileRequest& other = prompts->shown.back().request;
    EXPECT_EQ(other.title, "Kyvra:: Open file");
    EXPECT_EQ(other.filter, kSubtitleFilter) << "only \"media\" itself picks the media types";
    EXPECT_EQ(other.initialDirectory, "/tmp");
}

TEST_F(OpenMedia, CancellingAVanishedFileOrAPathTooLongLeavesPlaybackAlone) {
    const QString gone = makeMediaFile(QStringLiteral("gone.avi"));
    QFile::remove(gone);
    for (const QString& answer : {QString(), gone}) {
        open(answer);
        EXPECT_EQ(status(), "No media loaded") << answer.toStdString();
    }
    EXPECT_EQ(engine->opens, 0);

    const QString path = playing();
    open(QString());
    EXPECT_EQ(status(), "Load file..") << "until the status display rewrites it";
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);

    // A path beyond the dialog's limit is refused with a message.
    const QString longest = makeMediaFile(nameOfLength(kMaxDialogPath));
    ASSERT_EQ(longest.size(), 254);
    open(longest);
    EXPECT_EQ(engine->fileName(), longest);

    const QString tooLong = makeMediaFile(nameOfLength(kMaxDialogPath + 1));
    open(tooLong);
    EXPECT_EQ(engine->fileName(), longest);
    EXPECT_EQ(prompts->messageTexts().size(), 1) << "told of the path too long, not the cancel";
}

TEST_F(OpenMedia, SubtitlesOnAsksForASubtitleFileAndComplainsOnlyWithNothingLoaded) {
    player->options.useSubs = true;
    const QString media = makeMediaFile(QStringLiteral("film.avi"));
    open(media); // the subtitle dialog gets no answer
    ASSERT_EQ(prompts->shown.size(), 3u) << "the media, the subtitles, the complaint";
    EXPECT_EQ(prompts->shown[1].request.filter, kSubtitleFilter);
    EXPECT_EQ(status(), "No media loaded");
    EXPECT_EQ(engine->opens, 0);

    player->options.useSubs = false;
    const QString path = playing();
    player->options.useSubs = true;
    open(media);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
    EXPECT_EQ(engine->fileName(), path);

    const QString subtitles = makeMediaFile(QStringLiteral("film.sub"));
    prompts->fileAnswers.enqueue(media);
    prompts->fileAnswers.enqueue(subtitles);
    remote().load_Click();
    EXPECT_EQ(engine->fileName(), media);
    EXPECT_EQ(player->video().subsfile->Caption(), subtitles);
}

// Whatever way it came, what cannot be played is named for what it is. A refused file leaves no
// media loaded; a folder is refused before anything is closed.
TEST_F(OpenMedia, EveryWayOfOpeningReportsWhatCannotBePlayed) {
    enum Way { Dialog, CommandLine, Drop, DesktopOpen };
    enum What { Broken, Unplayable, Folder }; // refused as it opens, as it starts, or a folder
    const std::pair<Way, What> rows[] = {{Dialog, Broken}, {Dialog, Unplayable},
                                         {Dialog, Folder}, {CommandLine, Folder},
                                         {Drop, Folder},   {DesktopOpen, Folder}};
    const QString corrupt = QStringLiteral("The file %1 is either corrupt or damaged.");
    const QString folder = QStringLiteral("%1 is a folder, not a media file.");
    const QString notes = makeMediaFile(QStringLiteral("notes.txt"));
    QDir().mkpath(dir.filePath(QStringLiteral("folder.avi")));
    for (const auto& [way, what] : rows) {
        SCOPED_TRACE(testing::Message() << "way " << way << ", what " << what);
        const QString path = what == Folder
                                 ? dir.filePath(QStringLiteral("folder.avi"))
                                 : makeMediaFile(what == Broken ? "broken.avi" : "unplayable.avi",
                                                 {.failure = what == Broken ? "bad" : ""});
        const QString film = way == CommandLine ? QString() : playing();
        engine->transportFailure = what == Unplayable ? QStringLiteral("no device") : QString();
        if (way == Dialog)
            open(path);
        else if (way == CommandLine)
            makePlayer(path).remote().Form_Load();
        else if (way == Drop)
            LoadDroppedMedia(*player, {path, notes});
        else
            RemoteOpen(*player, path);
        engine->transportFailure.clear();

        EXPECT_EQ(prompts->messageTexts(),
                  QStringList{(what == Folder ? folder : corrupt).arg(path)});
        EXPECT_EQ(engine->fileName(), what == Folder ? film : QString());
        // The next row's film plays as usual after a refusal.
        const bool loaded = !engine->fileName().isEmpty();
        EXPECT_EQ(menu().play->isEnabled(), loaded);
        EXPECT_EQ(player->video().videoboxVisible(), loaded);
        if (loaded) {
            EXPECT_EQ(engine->playState(), MediaEngine::Playing);
        } else {
            EXPECT_EQ(player->status.text, "No media loaded");
            EXPECT_EQ(status(), "No media loaded");
        }
    }
}

// Nothing found is told and changes nothing; each track added ranks ahead of those before it.
TEST_F(OpenMedia, TheVideoCdCommandLoadsTheFirstTrackFoundInOrder) {
    const QString path = playing();
    const QString disc = dir.filePath(QStringLiteral("disc"));
    QDir().mkpath(disc + QStringLiteral("/MPEGAV"));
    for (const QString& answer : {QString(), makeMediaFile(QStringLiteral("disc.iso")), disc}) {
        prompts->shown.clear();
        openVcd(answer);
        ASSERT_EQ(prompts->messageTexts().size(), 1) << answer.toStdString();
        EXPECT_TRUE(
            prompts->messageTexts()[0].startsWith("Unable to locate VCD in selected Drive."));
        EXPECT_EQ(engine->fileName(), path);
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    }
    // The music track as a mounted disc shows it, in lower case.
    for (const char* track :
         {"disc/SEGMENT/ITEM0001.DAT", "disc/mpegav/music01.dat", "disc/MPEGAV/AVSEQ01.DAT"}) {
        const QString file = makeMediaFile(QString::fromLatin1(track));
        openVcd(disc);
        EXPECT_EQ(engine->fileName(), file);
    }
}
