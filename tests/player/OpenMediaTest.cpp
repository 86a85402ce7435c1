// The open command, the open dialog it uses, and the Video CD command.
#include "dialogs/MenuForm.h"
#include "dialogs/OpenDialog.h"
#include "dialogs/VideoCd.h"
#include "panel/RemoteForm.h"
#include "support/PlayerFixture.h"
#include "video/VideoWindow.h"

#include <QAction>

using namespace kyvra;
using Shown = test::ScriptedPrompts::Shown;

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

TEST_F(OpenMedia, TheDialogOffersMediaTypesInBothCasesAndSubtitleTypesForOtherKinds) {
    player->menu().openfile->trigger();
    ASSERT_EQ(prompts->shown.size(), 1u);
    const OpenFileRequest& request = prompts->shown[0].request;
    EXPECT_EQ(request.filter,
              "Supported media types (*.avi *.asf *.mpg *.mpeg *.dat *.wmv *.AVI *.ASF *.MPG "
              "*.MPEG *.DAT *.WMV);;AVI Files (*.avi *.AVI);;MPEG Files (*.mpg *.mpe *.mpeg *.dat "
              "*.MPG *.MPE *.MPEG *.DAT);;ASF Files (*.asf *.ASF);;WMV Files (*.wmv *.WMV);;All "
              "files (*.*) (*)");
    EXPECT_EQ(request.initialDirectory, "");
    EXPECT_EQ(request.owner, &remote());

    ShowOpenDialog(*player, nullptr, QStringLiteral("/tmp"), QString(), QStringLiteral("Media"));
    const OpenFileRequest& other = prompts->shown.at(1).request;
    EXPECT_EQ(other.title, "Kyvra:: Open file");
    EXPECT_EQ(other.filter, kSubtitleFilter) << "only \"media\" itself picks the media types";
    EXPECT_EQ(other.initialDirectory, "/tmp");
}

TEST_F(OpenMedia, PlaysTheChosenFileWithoutTheDialogsPadding) {
    const QString path = makeMediaFile(QStringLiteral("holiday.avi"));
    open(QStringLiteral("  ") + path + QStringLiteral("   ") + QChar(0));
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_EQ(status(), "holiday.avi Playing");
    EXPECT_EQ(prompts->shown.size(), 1u) << "no subtitle dialog with subtitles off";

    const QString spaced = makeMediaFile(QStringLiteral("spaced.avi "));
    open(spaced);
    EXPECT_EQ(engine->fileName(), spaced) << "a trailing space can be part of the name";
}

TEST_F(OpenMedia, CancellingOrAVanishedFileOrAFolderLeavesPlaybackAlone) {
    const QString gone = makeMediaFile(QStringLiteral("gone.avi"));
    QFile::remove(gone);
    for (const QString& answer : {QString(), gone, dir.path()}) {
        open(answer);
        EXPECT_EQ(status(), "No media loaded") << answer.toStdString();
    }
    EXPECT_EQ(engine->opens, 0);

    const QString path = playing();
    open(QString());
    EXPECT_EQ(status(), "Load file..") << "until the status display rewrites it";
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
}

TEST_F(OpenMedia, PathBeyondTheDialogLimitIsRefusedWithAMessage) {
    const QString longest = makeMediaFile(nameOfLength(kMaxDialogPath));
    ASSERT_EQ(longest.size(), 254);
    open(longest);
    EXPECT_EQ(engine->fileName(), longest);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());

    const QString tooLong = makeMediaFile(nameOfLength(kMaxDialogPath + 1));
    ASSERT_TRUE(QFileInfo(tooLong).isFile());
    open(tooLong);
    EXPECT_EQ(engine->fileName(), longest);
    EXPECT_EQ(prompts->messageTexts(),
              QStringList{"The path of the chosen file is longer than 254 characters and cannot "
                          "be opened."});
}

TEST_F(OpenMedia, SubtitlesOnAsksForASubtitleFileAndComplainsOnlyWithNothingLoaded) {
    player->state.UseSubs = true;
    const QString media = makeMediaFile(QStringLiteral("film.avi"));
    open(media); // the subtitle dialog gets no answer
    ASSERT_EQ(prompts->shown.size(), 3u);
    EXPECT_EQ(prompts->shown[1].request.filter, kSubtitleFilter);
    EXPECT_EQ(prompts->shown[1].request.owner, &remote());
    EXPECT_EQ(prompts->shown[2].text,
              "No Subtitles file selected.  Deselect Subtitles use in the options panel.");
    EXPECT_EQ(status(), "No media loaded");
    EXPECT_EQ(engine->opens, 0);

    player->state.UseSubs = false;
    const QString path = playing();
    player->state.UseSubs = true;
    open(media);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
    EXPECT_EQ(status(), "Load Subtitles..");
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);

    const QString subtitles = makeMediaFile(QStringLiteral("film.sub"));
    prompts->fileAnswers.enqueue(media);
    prompts->fileAnswers.enqueue(subtitles);
    remote().load_Click();
    EXPECT_EQ(engine->fileName(), media);
    EXPECT_EQ(player->video().subsfile->Caption(), subtitles);
}

// Whether the engine refuses the file as it opens or as it starts to play it.
TEST_F(OpenMedia, RefusedFileIsReportedAndLeavesNoMediaLoaded) {
    const QString broken =
        makeMediaFile(QStringLiteral("broken.avi"), {.failure = QStringLiteral("unsupported")});
    const QString unplayable = makeMediaFile(QStringLiteral("unplayable.avi"));
    for (const QString& file : {broken, unplayable}) {
        playing();
        engine->transportFailure = file == unplayable ? QStringLiteral("no audio device") : "";
        open(file);
        engine->transportFailure.clear();

        EXPECT_EQ(prompts->messageTexts(),
                  QStringList{"The file " + file + " is either corrupt or damaged."});
        EXPECT_EQ(player->state.StatusText, "No media loaded");
        EXPECT_EQ(status(), "No media loaded");
        EXPECT_FALSE(player->menu().play->isEnabled());
        EXPECT_FALSE(player->video().videoboxVisible());
        EXPECT_EQ(engine->fileName(), "");
    }

    open(makeMediaFile(QStringLiteral("good.avi")));
    EXPECT_EQ(engine->playState(), MediaEngine::Playing) << "the next file plays as usual";
    EXPECT_TRUE(player->video().videoboxVisible());
    EXPECT_TRUE(player->menu().play->isEnabled());
}

namespace {

class OpenVcd : public OpenMedia {
protected:
    void openVcd(const QString& answer) {
        prompts->inputAnswers.enqueue(answer);
        player->menu().openvcd->trigger();
    }
};

} // namespace

TEST_F(OpenVcd, LoadsTheFirstTrackFoundInOrder) {
    player->menu().openvcd->trigger();
    EXPECT_EQ(prompts->shown.at(0).defaultText, "/media/cdrom");

    const QString disc = dir.filePath(QStringLiteral("disc"));
    const QString third = makeMediaFile(QStringLiteral("disc/SEGMENT/ITEM0001.DAT"));
    openVcd(disc);
    EXPECT_EQ(engine->fileName(), third);
    EXPECT_EQ(status(), "ITEM0001.DAT loaded..");

    const QString second = makeMediaFile(QStringLiteral("disc/mpegav/music01.dat"));
    openVcd(disc);
    EXPECT_EQ(engine->fileName(), second) << "lower-case names as a mounted disc shows them";

    const QString first = makeMediaFile(QStringLiteral("disc/MPEGAV/AVSEQ01.DAT"));
    openVcd(disc);
    EXPECT_EQ(engine->fileName(), first);
}

TEST_F(OpenVcd, NothingFoundIsToldAndChangesNothing) {
    const QString path = playing();
    const QString notADrive = makeMediaFile(QStringLiteral("disc.iso"));
    QDir().mkpath(dir.filePath(QStringLiteral("empty/MPEGAV")));
    for (const QString& answer : {QString(), notADrive, dir.filePath(QStringLiteral("empty"))}) {
        prompts->shown.clear();
        openVcd(answer);
        ASSERT_EQ(prompts->messageTexts().size(), 1) << answer.toStdString();
        EXPECT_TRUE(
            prompts->messageTexts()[0].startsWith("Unable to locate VCD in selected Drive."));
        EXPECT_EQ(engine->fileName(), path);
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    }
}
