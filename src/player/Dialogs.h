#pragma once

namespace kyvra {

// What the player's own steps ask of the menus and dialogs. Those live in the layer above and
// reach down into the player; this is the one way back up.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // The context menu's playback entries follow whether there is media to act on.
    virtual void enablePlaybackCommands(bool enabled) = 0;
    // At the pointer.
    virtual void popupContextMenu() = 0;
    virtual void popupTrayMenu() = 0;
    // Modeless; one that is already open comes to the front instead.
    virtual void showOptions() = 0;
    virtual void showAbout() = 0;
    // The program is ending: nothing of it may stay on the screen.
    virtual void hideAll() = 0;
};

} // namespace kyvra
