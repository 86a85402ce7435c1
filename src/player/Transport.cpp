#include "player/Transport.h"

#include "core/AppError.h"
#include "core/PathHelpers.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/Dialogs.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/StatusDisplay.h"
#include "player/Subtitles.h"
#include "subtitles/SubtitleForm.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

void refuseMissing(Player& player, const QString& what, const QString& path) {
    player.prompts().messageBox(QStringLiteral("%1 \"%2\" doesnt exist!").arg(what, path),
                                MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Fatal error"));
    SetStatus(player, QStringLiteral("No media loaded.."));
}

} // namespace

// Frames and seconds of the media give its frame rate; a zero length cannot be played.
void MeasureFrameRate(Player& player) {
    MediaEngine& engine = player.engine();
    engine.setPositionUnit(MediaEngine::UnitFrames);
    const double frames = engine.duration();
    engine.setPositionUnit(MediaEngine::UnitSeconds);
    const double seconds = engine.duration();
    if (!(seconds > 0))
        throw AppError(11, QStringLiteral("Division by zero"));
    player.subtitleCursor.framesPerSecond = float(frames / seconds);
}

void ShowRepeatState(Player& player) {
    RemoteForm& remote = player.remote();
    if (SettingIs(player, QStringLiteral("RememberPlayer"), QStringLiteral("yes"))) {
        if (!SettingIs(player, QStringLiteral("RMP_Repeat"), QStringLiteral("yes")))
            remote.repeat->setVisible(true);
        else
            remote.EnableRepeat();
        remote.pbview->setVisible(true);
    } else {
        remote.ShowMediaButtons(true);
    }
}

void SeekTo(Player& player, double seconds) {
    MediaEngine& engine = player.engine();
    const double oldPosition = engine.currentPosition();
    engine.setCurrentPosition(seconds);
    if (player.options.useSubs)
        RepositionSubtitles(player, oldPosition, seconds);
}

void LoadMedia(Player& player, const QString& mediaPath, const QString& subtitlePath) {
    try {
        if (!FileExists(mediaPath)) {
            refuseMissing(player, QStringLiteral("File"), mediaPath);
            return;
        }
        // Media that comes without a subtitle path (a drop, a Video CD) plays with the subtitles
        // found beside it, or without.
        if (player.options.useSubs && !subtitlePath.isEmpty() && !FileExists(subtitlePath)) {
            refuseMissing(player, QStringLiteral("Subs File"), subtitlePath);
            return;
        }
        MediaEngine& engine = player.engine();
        engine.setFileName(mediaPath);
        MeasureFrameRate(player);
        player.dialogs().enablePlaybackCommands(true);
        if (player.options.useSubs)
            AttachSubtitles(player, subtitlePath);

        const QString title = GetShortTitle(mediaPath);
        if (SettingIs(player, QStringLiteral("Autostart"), QStringLiteral("yes"))) {
            if (!player.video().isVisible())
                player.video().setVisible(true);
            PlayMedia(player, 0);
            player.remote().tmrKeepTime->setEnabled(true);
            ShowRepeatState(player);
            player.frmSub().setVisible(player.options.useSubs);
            SetStatus(player, title + QStringLiteral(" Playing"));
        } else {
            ShowRepeatState(player);
            player.frmSub().setVisible(player.options.useSubs);
            SetStatus(player, title + QStringLiteral(" loaded.."));
        }
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured while attempting to play file \"%1\".")
                        .arg(mediaPath));
    }
}

void PlayMedia(Player& player, int mode) {
    MediaEngine& engine = player.engine();
    if (engine.fileName().isEmpty())
        return;
    if (player.windows.fullScreen && mode != 1)
        LeaveFullScreen(player);
    VideoWindow& video = player.video();
    if (!video.isVisible())
        video.setVisible(true);
    // The picture is shown once there is something to show; a failed open hid it.
    video.setVideoboxVisible(true);
    engine.play();
    player.dialogs().enablePlaybackCommands(true);
    if (player.options.autoZoom && !player.windows.fullScreen)
        EnterFullScreen(player);
    ResumeSubtitles(player);
    SetStatus(player, GetShortTitle(engine.fileName()) + QStringLiteral(" Playing"));
    player.remote().tmrKeepTime->setEnabled(true);
    player.remote().ShowMediaButtons(true);
}

void SeekBack(Player& player) {
    ShowStatus(player, QStringLiteral("Seeking"));
    MediaEngine& engine = player.engine();
    const double position = engine.currentPosition();
    if (position > 10)
        SeekTo(player, position - 5);
}

void SeekForward(Player& player) {
    ShowStatus(player, QStringLiteral("Seeking.."));
    MediaEngine& engine = player.engine();
    const double duration = engine.duration();
    const double position = engine.currentPosition();
    if (duration - 10 > position)
        SeekTo(player, position + 5);
}

void PauseMedia(Player& player) {
    MediaEngine& engine = player.engine();
    if (engine.fileName().isEmpty())
        return;
    if (engine.playState() == MediaEngine::Paused) {
        PlayMedia(player, 1);
    } else if (engine.playState() == MediaEngine::Playing) {
        engine.pause();
        SetStatus(player, QStringLiteral("Playback paused"));
        player.remote().tmrKeepTime->setEnabled(false);
    }
}

void StopMedia(Player& player) {
    MediaEngine& engine = player.engine();
    if (engine.fileName().isEmpty())
        return;
    engine.stop();
    CloseSubtitleFile(player);
    SeekTo(player, 0);
    SetStatus(player, QStringLiteral("Playback stopped"));
    player.remote().playbackInfo->setCaption(QString());
}

} // namespace kyvra
