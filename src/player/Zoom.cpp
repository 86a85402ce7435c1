// The zoom list and what its entries do to the video window.
#include "player/Zoom.h"

#include "core/AppError.h"
#include "core/NumberText.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "platform/Prompts.h"
#include "playback/MediaEngine.h"
#include "player/FullScreen.h"
#include "player/Player.h"
#include "player/VideoFit.h"
#include "video/VideoWindow.h"
#include "video/WindowBounds.h"

#include <optional>

namespace kyvra {

namespace {

const QString kSeparator = QStringLiteral("----------");

struct FixedSize {
    const char* text;
    int width;
    int height;
};

constexpr FixedSize kFixedSizes[] = {
    {"352x240", 352, 240}, {"352x288", 352, 288}, {"704x480", 704, 480}, {"704x576", 704, 576}};

QString nativeSizeText(int width, int height) {
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

// Height first, as the zoom choices have always named their sizes.
QString heightFirstText(float height, float width) {
    return singleText(height) + QLatin1Char('x') + singleText(width);
}

// The playback information follows the size at once.
void showZoomText(Player& player, const QString& text) {
    player.panelState.zoomText = text;
    UpdatePlaybackInfo(player);
}

void zoomToPixels(Player& player, double width, double height) {
    const Screen& screen = player.screen();
    SetVideoSize(player, height * screen.twipsPerPixelY(),
                 toInt32(width * screen.twipsPerPixelX()));
}

// A size the user typed: a number of at least one pixel. Anything else, Cancel included, is none.
std::optional<double> askPixels(Player& player, const QString& prompt, const QString& title,
                                const QString& defaultText, QString& typed) {
    typed = player.prompts().inputBox(prompt, title, defaultText).trimmed();
    const std::optional<double> pixels = parseNumber(typed);
    if (!pixels || *pixels < 1)
        return std::nullopt;
    return pixels;
}

bool zoomToCustomSize(Player& player) {
    const QSize screen = screenPixels(player.video()).size();
    QString across;
    QString down;
    const auto width = askPixels(player, QStringLiteral("Select Horizontal Size to Zoom to:"),
                                 QStringLiteral("Horizontal Zoom"), QStringLiteral("704"), across);
    if (!width)
        return false;
    const auto height = askPixels(player, QStringLiteral("Select Vertical Size to Zoom to:"),
                                  QStringLiteral("Vertical Zoom"), QStringLiteral("480"), down);
    if (!height)
        return false;
    // Up to two pixels beyond the screen, for a window that covers it edge to edge.
    if (*width > screen.width() + 2 || *height > screen.height() + 2)
        return false;
    zoomToPixels(player, *width, *height);
    showZoomText(player, down + QLatin1Char('x') + across);
    return true;
}

} // namespace

// Each entry on its own: a failing step leaves the rest of the list intact.
void BuildZoomList(Player& player) {
    ComboBox& list = *player.remote().cboZoomOpt;
    list.clear();
    list.addItems({QStringLiteral("50%"), QStringLiteral("100%"), QStringLiteral("200%"),
                   QStringLiteral("full"), kSeparator});
    for (const FixedSize& size : kFixedSizes)
        list.addItem(QLatin1String(size.text));
    list.addItem(kSeparator);
    try {
        MediaEngine& engine = player.engine();
        if (!engine.fileName().isEmpty())
            list.addItem(nativeSizeText(engine.imageSourceWidth(), engine.imageSourceHeight()));
    } catch (const AppError&) {
        // Without the picture's size the list lacks only that entry.
    }
    list.addItem(kSeparator);
    list.addItem(QStringLiteral("Custom..."));
}

void SetVideoSize(Player& player, double height, qint32 width) {
    VideoWindow& video = player.video();
    if (width >= 1 && height > 0) {
        const float edgeHeight = video.topedge[0]->Height();
        TwipsGeometry& box = video.videobox();
        box.setLeft(0);
        box.setTop(edgeHeight);
        video.setWidth(float(width));
        video.setHeight(float(height) + edgeHeight + video.sizer->Height());
        box.setWidth(video.Width());
        box.setHeight(video.Height());
        // The bottom edge comes back onto the window's screen, but never so far that the top edge
        // leaves it: that edge is what the window is dragged by.
        const QRectF screen = screenArea(video);
        if (video.Top() + video.Height() > screen.bottom())
            video.setTop(float(std::max(screen.top(), screen.bottom() - video.Height())));
    }
    if (player.windows.fullScreen)
        LeaveFullScreen(player);
}

void ZoomToMultiple(Player& player, double factor) {
    MediaEngine& engine = player.engine();
    const qint32 width = engine.imageSourceWidth();
    const qint32 height = engine.imageSourceHeight();
    zoomToPixels(player, width * factor, height * factor);
    showZoomText(player, heightFirstText(float(height * factor), float(width * factor)));
}

bool ApplyZoomChoice(Player& player, const QString& choice) {
    if (choice == QLatin1String("50%")) {
        ZoomToMultiple(player, 0.5);
    } else if (choice == QLatin1String("100%")) {
        ZoomToMultiple(player, 1);
    } else if (choice == QLatin1String("200%")) {
        ZoomToMultiple(player, 2);
    } else if (choice == QLatin1String("full")) {
        ToggleFullScreen(player);
    } else if (choice == QLatin1String("Custom...")) {
        return zoomToCustomSize(player);
    } else {
        for (const FixedSize& size : kFixedSizes) {
            if (choice == QLatin1String(size.text)) {
                zoomToPixels(player, size.width, size.height);
                showZoomText(player, choice);
                return true;
            }
        }
        MediaEngine& engine = player.engine();
        const int width = engine.imageSourceWidth();
        const int height = engine.imageSourceHeight();
        if (choice == nativeSizeText(width, height)) {
            zoomToPixels(player, width, height);
            showZoomText(player, choice);
        }
    }
    return true;
}

} // namespace kyvra
