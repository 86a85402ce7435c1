#include "player/VideoFit.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/PathHelpers.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "video/VideoWindow.h"

namespace kyvra {

// The picture keeps its height when the window is too low to hold the top edge and the grip.
void FitVideoToWindow(Player& player, qint32 width, qint32 height) {
    try {
        if (player.engine().fileName().isEmpty())
            return;
        VideoWindow& video = player.video();
        TwipsGeometry& box = video.videobox();
        const float edgeHeight = video.topedge[0]->Height();
        box.setLeft(0);
        if (height != 0)
            box.setHeight(height);
        else if (edgeHeight + video.sizer->Height() < video.Height())
            box.setHeight(video.Height());
        box.setWidth(width != 0 ? float(width) : video.Width());
        box.setTop(edgeHeight);
        player.panelState.zoomText = pixelSizeText(player.screen(), box.width(), box.height());
        UpdatePlaybackInfo(player);
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured while attempting to fit video playback to "
                                   "window."));
    }
}

QString pixelSizeText(const Screen& screen, float width, float height) {
    return singleText(width / screen.twipsPerPixelX()) + QLatin1Char('x') +
           singleText(height / screen.twipsPerPixelY());
}

void UpdatePlaybackInfo(Player& player) {
    try {
        MediaEngine& engine = player.engine();
        const QString fileName = engine.fileName();
        const int width = engine.imageSourceWidth();
        const int height = engine.imageSourceHeight();
        if (fileName.isEmpty() || width <= 0 || height <= 0)
            return;
        QString info = QString::number(width) + QStringLiteral(" x ") + QString::number(height) +
                       QLatin1Char(' ') + GetExtension(fileName).toUpper();
        const QString& zoom = player.panelState.zoomText;
        if (!zoom.isEmpty())
            info += QStringLiteral(" [") + zoom + QLatin1Char(']');
        player.remote().playbackInfo->setCaption(info);
    } catch (const AppError& error) {
        ReportError(player, error,
                    QStringLiteral("An error occured when trying to update playback "
                                   "info/resize playback window."));
    }
}

} // namespace kyvra
