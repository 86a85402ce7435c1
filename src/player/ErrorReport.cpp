#include "player/ErrorReport.h"

#include "core/AppError.h"
#include "core/FileNames.h"
#include "core/ProductInfo.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/StatusDisplay.h"
#include "video/VideoWindow.h"

namespace kyvra {

namespace {

const QString crlf = QStringLiteral("\r\n");

QString helpSentence() {
    return QStringLiteral("This Type of Error usually only occurs when attempting to play an "
                          "incomplete or damaged File.  Check the WebSite for further help. ") +
           kWebSite;
}

} // namespace

QString FillErrorTemplate(const QString& text, const AppError& error) {
    // The number goes first, so a description that happens to contain its placeholder is shown
    // as it stands.
    QString filled = text;
    filled.replace(QStringLiteral("[err.Number]"), QString::number(error.number()),
                   Qt::CaseSensitive);
    filled.replace(QStringLiteral("[err.Description]"), error.description(), Qt::CaseSensitive);
    return filled;
}

void ReportError(Player& player, const AppError& error, const QString& message) {
    // The report leaves no media and hides the picture: a full screen left standing would hold
    // the panel hidden with nothing to bring it back.
    if (player.windows.fullScreen)
        LeaveFullScreen(player);
    const QString codeLine = FillErrorTemplate(
        QStringLiteral("(Error code: #[err.Number]/Error description: [err.Description])"), error);
    player.prompts().messageBox(message + crlf + crlf + helpSentence() + crlf + crlf + codeLine,
                                MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Error"));

    RemoteForm& remote = player.remote();
    player.engine().setFileName(QString());
    remote.progress->setValue(0);
    remote.time->setCaption(QString());
    remote.playbackInfo->setCaption(QString());
    SetStatus(player, QStringLiteral("No media loaded"));
    player.video().hide();
}

void ReportFileError(Player& player, const QString& path) {
    // A folder is no damaged file: saying so would send the user looking for a fault in it.
    QString text = fileKind(path) == FileKind::Folder
                       ? QStringLiteral("[file]; is a folder, not a media file.")
                       : QStringLiteral("The file [file]; is either corrupt or damaged.");
    text.replace(QStringLiteral("[file];"), path, Qt::CaseSensitive);
    player.prompts().messageBox(text, MsgButtons::Ok, MsgIcon::Critical,
                                QStringLiteral("File access error"));
}

} // namespace kyvra
