// The seek bar on the panel: a left press seeks to the pressed share of the media; dragging only
// shows the share it would seek to.
#include "core/AppError.h"
#include "core/Rounding.h"
#include "panel/RemoteForm.h"
#include "panel/SimpleProgress.h"
#include "playback/MediaEngine.h"
#include "video/VideoWindow.h"

#include <optional>

namespace kyvra {

namespace {

// The share of the bar's width at x, in single precision as the bar measures it; none for a bar
// without width.
std::optional<float> shareOfBar(const SimpleProgress& bar, float x) {
    if (!(bar.Width() > 0))
        return std::nullopt;
    return x / bar.Width();
}

// A share outside the bar (the bar keeps the mouse while the button is held) is shown as it is.
QString percentText(float share) {
    return QString::number(qint64(roundHalfEven(share * 100.0f)));
}

} // namespace

void RemoteForm::wireSeekBar() {
    progress->events.mouseDown = [this](int button, int shift, float x, float y) {
        progress_MouseDown(button, shift, x, y);
    };
    progress->events.mouseMove = [this](int button, int shift, float x, float y) {
        progress_MouseMove(button, shift, x, y);
    };
}

void RemoteForm::progress_MouseDown(int button, int, float x, float) {
    MediaEngine& engine = engine_;
    try {
        if (button != 1 || engine.fileName().isEmpty() ||
            engine.playState() == MediaEngine::Stopped)
            return;
        const std::optional<float> share = shareOfBar(*progress, x);
        if (!share)
            return;
        events.seek(*share);
        // Written after resuming, which puts the title back into the status line, so the hint
        // is what the press leaves on show until the pointer moves on.
        status->setCaption(QStringLiteral("Seeking to %1%..").arg(percentText(*share)));
    } catch (const AppError& error) {
        events.failed(error, QStringLiteral("An error occured while seeking."));
    }
}

void RemoteForm::progress_MouseMove(int button, int, float x, float) {
    // Keeps the full-screen panel up while the pointer is over the bar.
    video_.Timer1->setInterval(5000);
    if (button != 1 || engine_.fileName().isEmpty())
        return;
    if (const std::optional<float> share = shareOfBar(*progress, x))
        status->setCaption(QStringLiteral("Seek to %1%..").arg(percentText(*share)));
}

} // namespace kyvra
