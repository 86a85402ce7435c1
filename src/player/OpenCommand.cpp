// The panel's open command: a media file, with subtitles a subtitle file too, then load and play.
#include "core/AppError.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/Dialogs.h"
#include "player/ErrorReport.h"
#include "player/FullScreen.h"
#include "player/OpenDialog.h"
#include "player/PanelWiring.h"
#include "player/Player.h"
#include "player/StatusDisplay.h"
#include "player/Transport.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

const QString kNoMedia = QStringLiteral("No media loaded");

// The status line says nothing is loaded, so nothing may stay loaded: a failure after the open
// succeeded would otherwise leave a playable file behind a disabled menu.
void closeMedia(MediaEngine& engine) {
    try {
        if (!engine.fileName().isEmpty())
            engine.setFileName(QString());
    } catch (const AppError&) {
        // The engine could not even close; the message about the file follows regardless.
    }
}

} // namespace

void OpenFromPanel(Player& player) {
    RemoteForm& remote = player.remote();
    Label* status = remote.status;
    QString mediaPath;
    try {
        status->setCaption(QStringLiteral("Load file.."));
        mediaPath = ShowOpenDialog(player, &remote, QString(), QStringLiteral("Open Media"),
                                   QStringLiteral("media"));
        MediaEngine& engine = player.engine();
        if (mediaPath.isEmpty()) {
            // Whatever is loaded keeps playing; the status display rewrites the line later.
            if (engine.fileName().isEmpty())
                status->setCaption(kNoMedia);
            return;
        }
        if (player.options.useSubs) {
            status->setCaption(QStringLiteral("Load Subtitles.."));
            const QString subtitlePath =
                ShowOpenDialog(player, &remote, QString(),
                               QStringLiteral("Open Subtitles Resource"), QStringLiteral("Sub"));
            if (subtitlePath.isEmpty()) {
                if (engine.fileName().isEmpty()) {
                    player.prompts().messageBox(
                        QStringLiteral("No Subtitles file selected.  Deselect Subtitles use in "
                                       "the options panel."),
                        MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Subtitles not loaded."));
                    status->setCaption(kNoMedia);
                }
                return;
            }
            LoadMedia(player, mediaPath, subtitlePath);
            return;
        }
        engine.setFileName(mediaPath);
        PlayMedia(player, 0);
    } catch (const AppError&) {
        if (player.windows.fullScreen)
            LeaveFullScreen(player);
        player.video().setVideoboxVisible(false);
        closeMedia(player.engine());
        ReportFileError(player, mediaPath);
        SetStatus(player, kNoMedia);
        player.dialogs().enablePlaybackCommands(false);
    }
}

} // namespace kyvra
