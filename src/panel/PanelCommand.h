#pragma once

namespace kyvra {

// What the panel's buttons do, and what its keys, the popup menus and the desktop ask of it by
// the same name.
enum class PanelCommand {
    SeekBack,
    Play,
    Pause,
    Stop,
    SeekForward,
    Open,
    About,
    ToggleOnTop,
    ToTray,
    Options,
    Quit,
    ZoomView,
    AudioView,
    RepeatOn,
    RepeatOff,
};

} // namespace kyvra
