#include "player/AlwaysOnTop.h"

#include "platform/WindowSystem.h"
#include "player/Player.h"

namespace kyvra {

void SetOnTop(Player& player, QWidget& window, bool enable) {
    const bool topMost = enable && player.state.OnTop;
    player.state.OnTopApplied = topMost;
    setTopMost(window, topMost);
}

} // namespace kyvra
