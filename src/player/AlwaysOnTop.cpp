#include "player/AlwaysOnTop.h"

#include "platform/WindowSystem.h"
#include "player/Player.h"

namespace kyvra {

void SetOnTop(Player& player, QWidget& window, bool enable) {
    const bool topMost = enable && player.windows.onTop;
    player.windows.onTopApplied = topMost;
    setTopMost(window, topMost);
}

} // namespace kyvra
