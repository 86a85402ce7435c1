#include "player/SubtitleWindowSync.h"

#include "player/Player.h"
#include "subtitles/SubtitleForm.h"

namespace kyvra {

void SyncSubtitleWindow(Player& player) {
    SubtitleForm& window = player.frmSub();
    const bool wanted = player.options.useSubs;
    if (wanted != window.isVisible())
        window.setVisible(wanted);
}

} // namespace kyvra
