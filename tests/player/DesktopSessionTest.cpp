// The desktop around the player without a session bus: remote commands and media keys act
// through the panel's handlers, the desktop hears of real changes only, and the screensaver is
// held exactly while a picture plays.
#include "desktop/DesktopSession.h"

#include "desktop/MprisPlayer.h"
#include "desktop/RemoteCommands.h"
#include "support/PlayerFixture.h"

#include <QKeyEvent>
#include <QSignalSpy>

using namespace kyvra;

class DesktopSessionTest : public test::PlayerFixture {
protected:
    void SetUp() override {
        PlayerFixture::SetUp();
        film = makeMediaFile(QStringLiteral("film.avi"), {60, 25, 352, 240, {}});
        song = makeMediaFile(QStringLiteral("song.avi"), {60, 25, 0, 0, {}});
        storeSetting("Autostart", "yes");
        makePlayer();
        session = std::make_unique<DesktopSession>(
            *player, QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                   QStringLiteral("kyvra-no-bus")));
    }

    // Lets the engine's queued events and the watch's look run.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    MprisPlayer& mpris() { return *session->mpris().findChild<MprisPlayer*>(); }

    // The properties the desktop is told of for the last change.
    QStringList lastNews(const QSignalSpy& changes) {
        QStringList names;
        for (const char* name : MprisPlayer::propertiesChangedSince(
                 changes.last()[0].value<DesktopView>(), session->watch().view()))
            names << name;
        return names;
    }

    // Gives the status line after the key.
    QString pressKey(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&remote(), &press);
        settle();
        return status();
    }

    QString film, song;
    std::unique_ptr<DesktopSession> session;
};

TEST_F(DesktopSessionTest, RemoteCommandsAndMediaKeysGoThroughThePanel) {
    EXPECT_TRUE(session->mpris().busName().isEmpty());
    RemotePlay(*player); // nothing loaded: nothing to report (checked at the end)

    RemoteOpen(*player, film);
    EXPECT_EQ(status(), "film.avi Playing");
    RemotePlayPause(*player);
    EXPECT_EQ(status(), "Playback paused");
    RemoteSeekTo(*player, 45);
    RemotePause(*player); // paused already: it stays so
    EXPECT_EQ(engine->playState(), MediaEngine::Paused);
    EXPECT_EQ(engine->currentPosition(), 45);
    EXPECT_EQ(remote().time->Caption(), "0:00:45 / 0:01:00");
    RemotePlay(*player);
    EXPECT_EQ(status(), "film.avi Playing");
    RemoteNext(*player);
    EXPECT_EQ(engine->currentPosition(), 50);
    RemotePrevious(*player);
    EXPECT_EQ(engine->currentPosition(), 45);
    RemoteStop(*player);
    EXPECT_EQ(status(), "Playback stopped");
    RemoteSeekTo(*player, 30);
    EXPECT_EQ(engine->currentPosition(), 0) << "a stopped file stays at its start";
    RemotePlayPause(*player);
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    // Media keys act while a player window is active.
    remote().show();
    QApplication::setActiveWindow(&remote());
    ASSERT_EQ(QApplication::activeWindow(), &remote());
    EXPECT_EQ(pressKey(Qt::Key_MediaPlay), "Playback paused");
    EXPECT_EQ(pressKey(Qt::Key_MediaTogglePlayPause), "film.avi Playing");
    engine->setCurrentPosition(30);
    pressKey(Qt::Key_MediaNext);
    EXPECT_EQ(engine->currentPosition(), 35);
    pressKey(Qt::Key_MediaPrevious);
    EXPECT_EQ(engine->currentPosition(), 30);
    // A held key repeats its press: the command runs once.
    for (const bool autoRepeat : {false, true}) {
        QKeyEvent held(QEvent::KeyPress, Qt::Key_MediaPlay, Qt::NoModifier, {}, autoRepeat);
        QApplication::sendEvent(&remote(), &held);
    }
    settle();
    EXPECT_EQ(status(), "Playback paused");
    EXPECT_EQ(pressKey(Qt::Key_MediaStop), "Playback stopped");

    QApplication::setActiveWindow(nullptr);
    pressKey(Qt::Key_MediaPlay);
    EXPECT_EQ(engine->playState(), MediaEngine::Stopped) << "keys meant for another program";

    RemoteSetVolume(*player, 0.5);
    EXPECT_EQ(engine->volume(), -1800);
    EXPECT_EQ(remote().volstatus->Caption(), "50%");
    RemoteSetVolume(*player, 7);
    EXPECT_EQ(engine->volume(), 0);
    RemoteQuit(*player);
    EXPECT_EQ(ends, 1);
    EXPECT_TRUE(prompts->shown.empty());
}

TEST_F(DesktopSessionTest, TheDesktopHearsOfRealChangesOnlyAndTheScreensaverOfAPicturePlaying) {
    QSignalSpy changes(&session->watch(), &PlayerWatch::changed);
    QSignalSpy seeks(&session->watch(), &PlayerWatch::seeked);
    session->watch().refresh();
    EXPECT_EQ(changes.size(), 0);
    EXPECT_FALSE(session->screenSaver().holding());

    RemoteOpen(*player, film);
    settle();
    EXPECT_EQ(changes.size(), 1);
    EXPECT_TRUE(session->screenSaver().holding());
    EXPECT_EQ(mpris().playbackStatus(), "Playing");
    const QVariantMap metadata = mpris().metadata();
    EXPECT_EQ(metadata.value("xesam:title").toString(), "film.avi");
    EXPECT_EQ(metadata.value("mpris:length").toLongLong(), 60'000'000);
    EXPECT_EQ(metadata.value("xesam:url").toString(), QUrl::fromLocalFile(film).toString());
    EXPECT_TRUE(mpris().canSeek());

    session->watch().refresh();
    EXPECT_EQ(changes.size(), 1);
    engine->setCurrentPosition(30);
    session->watch().refresh();
    ASSERT_EQ(seeks.size(), 1);
    EXPECT_EQ(seeks[0][0].toDouble(), 30);
    EXPECT_EQ(changes.size(), 1) << "a seek is a signal of its own";

    RemotePause(*player);
    settle();
    ASSERT_EQ(changes.size(), 2) << "the pause is news";
    EXPECT_EQ(mpris().playbackStatus(), "Paused");
    EXPECT_FALSE(session->screenSaver().holding());
    EXPECT_EQ(lastNews(changes), QStringList{"PlaybackStatus"});

    // A length that changes while the file is open (still being written) is news too.
    engine->setLength(90);
    session->watch().refresh();
    ASSERT_EQ(changes.size(), 3);
    EXPECT_EQ(mpris().metadata().value("mpris:length").toLongLong(), 90'000'000);
    EXPECT_EQ(lastNews(changes), QStringList{"Metadata"});
    RemoteSetVolume(*player, 0.5);
    session->watch().refresh();
    ASSERT_EQ(changes.size(), 4);
    EXPECT_EQ(lastNews(changes), QStringList{"Volume"});

    RemotePlay(*player);
    settle();
    EXPECT_TRUE(session->screenSaver().holding());
    engine->advance(91);
    settle();
    EXPECT_FALSE(session->screenSaver().holding()) << "the end of the media lets it go";

    RemoteOpen(*player, song);
    settle();
    EXPECT_EQ(engine->playState(), MediaEngine::Playing);
    EXPECT_FALSE(session->screenSaver().holding()) << "sound alone";

    engine->advance(20);
    session->watch().refresh();
    const qsizetype seeksBefore = seeks.size();
    RemoteOpen(*player, film);
    session->watch().refresh();
    EXPECT_EQ(seeks.size(), seeksBefore) << "a new track from 20 s back to 0 is no seek";
}
