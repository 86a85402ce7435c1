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

const QString kMediaFilter = QStringLiteral(
    "Supported media types (*.avi *.asf *.mpg *.mpeg *.dat *.wmv *.AVI *.ASF *.MPG *.MPEG *.DAT "
    "*.WMV);;AVI Files (*.avi *.AVI);;MPEG Files (*.mpg *.mpe *.mpeg *.dat *.MPG *.MPE *.MPEG "
    "*.DAT);;ASF Files (*.asf *.ASF);;WMV Files (*.wmv *.WMV);;All files (*.*) (*)");
const QString kSubtitleFilter =
    QStringLiteral("Supported subtitle files (*.txt *.sub *.TXT *.SUB);;All files (*.*) (*)");

class OpenMedia : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        makePlayer();
    }

    RemoteForm& remote() { return player->remote(); }
    QString status() { return remote().status->Caption(); }

    std::vector<Shown> shownOf(Shown::Kind kind) const {
        std::vector<Shown> found;
        for (const Shown& shown : prompts->shown)
            if (shown.kind == kind)
                found.push_back(shown);
        return found;
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

    QString makeFile(const QString& name) {
        const QString path = dir.filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
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

    bool anyPlaybackItemEnabled() {
        MenuForm& menu = player->menu();
        for (QAction* item :
             {menu.details, menu.play, menu.pause, menu.stop, menu.fastforward, menu.rewind})
            if (item->isEnabled())
                return true;
        return false;
    }
};

} // namespace

TEST_F(OpenMedia, AsksForMediaWithTheMediaTypesFromTheMenuItemToo) {
    player->menu().openfile->trigger();

    ASSERT_EQ(prompts->shown.size(), 1u);
    const OpenFileRequest& request = prompts->shown[0].request;
    EXPECT_EQ(prompts->shown[0].kind, Shown::OpenFile);
    EXPECT_EQ(request.title, "Open Media");
    EXPECT_EQ(request.filter, kMediaFilter);
    EXPECT_EQ(request.filterIndex, 0);
    EXPECT_EQ(request.initialDirectory, "");
    EXPECT_EQ(request.owner, &remote());
}

TEST_F(OpenMedia, DialogDefaultsItsTitleAndOffersSubtitleTypesForAnyOtherKind) {
    EXPECT_EQ(ShowOpenDialog(*player, nullptr, QStringLiteral("/tmp"), QString(),
                             QStringLiteral("Media")),
              "");
    const OpenFileRequest& request = prompts->shown.at(0).request;
    EXPECT_EQ(request.title, "Kyvra:: Open file");
    EXPECT_EQ(request.filter, kSubtitleFilter) << "only \"media\" itself picks the media types";
    EXPECT_EQ(request.initialDirectory, "/tmp");
}

TEST_F(OpenMedia, CancellingLeavesPlaybackAloneAndShowsNoMessage) {
    open(QString());
    EXPECT_EQ(status(), "No media loaded");
    EXPECT_EQ(engine->opens, 0);

    const QString path = playing();
    open(QString());
    EXPECT_EQ(status(), "Load file..") << "until the status display rewrites it";
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
}

TEST_F(OpenMedia, PlaysTheChosenFile) {
    const QString path = makeMediaFile(QStringLiteral("holiday.avi"));
    open(path);
    EXPECT_EQ(engine->fileName(), path);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_EQ(player->state.StatusText, "holiday.avi Playing");
    EXPECT_EQ(status(), "holiday.avi Playing");
    EXPECT_TRUE(player->video().isVisible());
    EXPECT_TRUE(player->video().videoboxVisible());
    EXPECT_TRUE(player->menu().play->isEnabled());
    EXPECT_EQ(shownOf(Shown::OpenFile).size(), 1u) << "no subtitle dialog with subtitles off";
}

TEST_F(OpenMedia, ChosenPathLosesDialogPaddingButKeepsRealSpaces) {
    const QString path = makeMediaFile(QStringLiteral("padded.avi"));
    open(QStringLiteral("  ") + path + QStringLiteral("   ") + QChar(0));
    EXPECT_EQ(engine->fileName(), path);

    const QString spaced = makeMediaFile(QStringLiteral("spaced.avi "));
    open(spaced);
    EXPECT_EQ(engine->fileName(), spaced) << "a trailing space can be part of the name";
}

TEST_F(OpenMedia, ChosenFileThatVanishedOrIsAFolderCountsAsCancelled) {
    const QString gone = makeMediaFile(QStringLiteral("gone.avi"));
    QFile::remove(gone);
    for (const QString& answer : {gone, dir.path()}) {
        open(answer);
        EXPECT_EQ(status(), "No media loaded") << answer.toStdString();
    }
    EXPECT_EQ(engine->opens, 0);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());
}

TEST_F(OpenMedia, PathBeyondTheDialogLimitIsRefusedWithAMessage) {
    const QString longest = makeMediaFile(nameOfLength(kMaxDialogPath));
    ASSERT_EQ(longest.size(), 254);
    open(longest);
    EXPECT_EQ(engine->fileName(), longest);
    EXPECT_TRUE(prompts->messageTexts().isEmpty());

    const QString tooLong = makeMediaFile(nameOfLength(kMaxDialogPath + 1));
    ASSERT_EQ(tooLong.size(), 255);
    ASSERT_TRUE(QFileInfo(tooLong).isFile());
    prompts->shown.clear();
    open(tooLong);
    EXPECT_EQ(engine->fileName(), longest);
    ASSERT_EQ(prompts->messageTexts().size(), 1);
    EXPECT_EQ(prompts->messageTexts()[0],
              "The path of the chosen file is longer than 254 characters and cannot be opened.");
    EXPECT_EQ(shownOf(Shown::Message)[0].icon, MsgIcon::Exclamation);
}

TEST_F(OpenMedia, SubtitlesOnAsksForASubtitleFileAndLoadsBoth) {
    player->state.UseSubs = true;
    const QString media = makeMediaFile(QStringLiteral("film.avi"));
    const QString subtitles = makeFile(QStringLiteral("film.sub"));
    prompts->fileAnswers.enqueue(media);
    prompts->fileAnswers.enqueue(subtitles);
    remote().load_Click();

    const auto dialogs = shownOf(Shown::OpenFile);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].request.title, "Open Subtitles Resource");
    EXPECT_EQ(dialogs[1].request.filter, kSubtitleFilter);
    EXPECT_EQ(dialogs[1].request.owner, &remote());
    EXPECT_EQ(engine->fileName(), media);
    EXPECT_EQ(player->video().subsfile->Caption(), subtitles);
}

TEST_F(OpenMedia, CancelledSubtitleDialogLoadsNothingAndComplainsOnlyWithNothingLoaded) {
    player->state.UseSubs = true;
    const QString media = makeMediaFile(QStringLiteral("film.avi"));
    open(media); // the subtitle dialog gets no answer

    ASSERT_EQ(prompts->shown.size(), 3u);
    const Shown& message = prompts->shown[2];
    EXPECT_EQ(message.text,
              "No Subtitles file selected.  Deselect Subtitles use in the options panel.");
    EXPECT_EQ(message.title, "Subtitles not loaded.");
    EXPECT_EQ(message.icon, MsgIcon::Critical);
    EXPECT_EQ(message.buttons, MsgButtons::Ok);
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
}

TEST_F(OpenMedia, RefusedFileIsReportedAndLeavesNoMediaLoaded) {
    playing();
    const QString broken =
        makeMediaFile(QStringLiteral("broken.avi"), {.failure = QStringLiteral("unsupported")});
    open(broken);

    ASSERT_EQ(shownOf(Shown::Message).size(), 1u);
    const Shown message = shownOf(Shown::Message)[0];
    EXPECT_EQ(message.text, "The file " + broken + " is either corrupt or damaged.");
    EXPECT_EQ(message.title, "File access error");
    EXPECT_EQ(message.icon, MsgIcon::Critical);
    EXPECT_EQ(player->state.StatusText, "No media loaded");
    EXPECT_EQ(status(), "No media loaded");
    EXPECT_FALSE(anyPlaybackItemEnabled());
    EXPECT_FALSE(player->video().videoboxVisible());
    EXPECT_EQ(engine->fileName(), "");

    const QString good = makeMediaFile(QStringLiteral("good.avi"));
    open(good);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing) << "the next file plays as usual";
    EXPECT_TRUE(player->video().videoboxVisible());
    EXPECT_TRUE(anyPlaybackItemEnabled());
}

TEST(VcdTrackLocations, AppendsTheThreePlacesToTheAnswerAsTyped) {
    EXPECT_EQ(
        VcdTrackLocations(QStringLiteral("/media/cdrom")),
        QStringList({"/media/cdrom/MPEGAV/AVSEQ01.DAT", "/media/cdrom/mpegav/avseq01.dat",
                     "/media/cdrom/MPEGAV/MUSIC01.DAT", "/media/cdrom/mpegav/music01.dat",
                     "/media/cdrom/SEGMENT/ITEM0001.DAT", "/media/cdrom/segment/item0001.dat"}));
    EXPECT_EQ(VcdTrackLocations(QStringLiteral("E")).first(), "E/MPEGAV/AVSEQ01.DAT");
    EXPECT_EQ(VcdTrackLocations(QString()).first(), "/MPEGAV/AVSEQ01.DAT");
}

namespace {

const QString kNoVcd = QStringLiteral(
    "Unable to locate VCD in selected Drive. \r\nMake sure your attempting to play a properly "
    "formatted VCD. \r\n\r\nIf your sure the VCD is playable, load the video file via the normal "
    "load menu.");

class OpenVcd : public OpenMedia {
protected:
    void openVcd(const QString& answer) {
        prompts->inputAnswers.enqueue(answer);
        player->menu().openvcd->trigger();
    }
};

} // namespace

TEST_F(OpenVcd, AsksForTheDriveWithTheUsualMountPointAsDefault) {
    player->menu().openvcd->trigger();
    const Shown& prompt = prompts->shown.at(0);
    EXPECT_EQ(prompt.kind, Shown::Input);
    EXPECT_EQ(prompt.text, "Enter Drive letter that VCD is in. (ie, D:)");
    EXPECT_EQ(prompt.title, "Open VCD...");
    EXPECT_EQ(prompt.defaultText, "/media/cdrom");
}

TEST_F(OpenVcd, LoadsTheFirstTrackFoundInOrder) {
    const QString third = makeMediaFile(QStringLiteral("disc/SEGMENT/ITEM0001.DAT"));
    openVcd(dir.filePath(QStringLiteral("disc")));
    EXPECT_EQ(engine->fileName(), third);
    EXPECT_EQ(status(), "ITEM0001.DAT loaded..");
    EXPECT_TRUE(prompts->messageTexts().isEmpty());

    const QString second = makeMediaFile(QStringLiteral("disc/mpegav/music01.dat"));
    openVcd(dir.filePath(QStringLiteral("disc")));
    EXPECT_EQ(engine->fileName(), second) << "lower-case names as a mounted disc shows them";

    const QString first = makeMediaFile(QStringLiteral("disc/MPEGAV/AVSEQ01.DAT"));
    openVcd(dir.filePath(QStringLiteral("disc")));
    EXPECT_EQ(engine->fileName(), first);
}

TEST_F(OpenVcd, NothingFoundIsToldAndChangesNothing) {
    const QString path = playing();
    const QString notADrive = makeFile(QStringLiteral("disc.iso"));
    QDir().mkpath(dir.filePath(QStringLiteral("empty/MPEGAV")));
    for (const QString& answer :
         {QString(), notADrive, dir.filePath(QStringLiteral("empty")), QStringLiteral("E:")}) {
        prompts->shown.clear();
        openVcd(answer);
        ASSERT_EQ(prompts->shown.size(), 2u) << answer.toStdString();
        const Shown& message = prompts->shown[1];
        EXPECT_EQ(message.text, kNoVcd);
        EXPECT_EQ(message.title, "") << "the application's own title";
        EXPECT_EQ(message.icon, MsgIcon::None);
        EXPECT_EQ(message.buttons, MsgButtons::Ok);
        EXPECT_EQ(engine->fileName(), path);
        EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    }
}
