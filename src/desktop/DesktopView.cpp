#include "desktop/DesktopView.h"

#include "core/AppError.h"
#include "playback/MediaEngine.h"
#include "player/Player.h"

namespace kyvra {

namespace {

DesktopView::Status statusOf(const MediaEngine& engine) {
    if (engine.fileName().isEmpty())
        return DesktopView::Status::Stopped;
    switch (engine.playState()) {
    case MediaEngine::Playing:
        return DesktopView::Status::Playing;
    case MediaEngine::Paused:
        return DesktopView::Status::Paused;
    default:
        return DesktopView::Status::Stopped;
    }
}

} // namespace

DesktopView ReadDesktopView(Player& player) {
    DesktopView view;
    try {
        const MediaEngine& engine = player.engine();
        view.status = statusOf(engine);
        view.fileName = engine.fileName();
        view.volume = engine.volume();
        view.rate = engine.rate();
        if (view.loaded()) {
            view.durationSeconds = std::max(0.0, engine.duration());
            view.hasPicture = engine.imageSourceWidth() > 0 && engine.imageSourceHeight() > 0;
        }
    } catch (const AppError&) {
        // The desktop sees what could be read; its next look, a moment later, tries again.
    }
    return view;
}

double ReadPosition(Player& player) {
    try {
        return std::max(0.0, player.engine().currentPosition());
    } catch (const AppError&) {
        // Asked between two looks: the start is the one position that is never wrong for long.
        return 0;
    }
}

} // namespace kyvra
