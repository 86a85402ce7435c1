#include "panel/AlwaysOnTop.h"

#include "app/Player.h"
#include "platform/WindowSystem.h"

namespace kyvra {

void SetOnTop(Player& player, QWidget& window, bool enable) {
    const bool topMost = enable && player.state.OnTop;
    player.state.OnTopApplied = topMost;
    setTopMost(window, topMost);
}

} // namespace kyvra
