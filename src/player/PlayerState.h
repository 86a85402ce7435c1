#pragma once

#include "subtitles/SubtitleEntry.h"

#include <QString>

namespace kyvra {

// What the player remembers between events, in one small record per owner. The owner named
// above each record is the only code that writes it; everything else reads. All false, zero or
// empty at start.

// The stored settings as the running player knows them. Owner: player/Settings.cpp, which reads
// and stores them, and the options dialog's save (dialogs/OptionsSettings.cpp); the panel's
// full-screen-on-play toggle and -fullscreen set autoZoom.
struct Options {
    bool splash = false;
    bool registext = false;
    bool windowpos = false;
    bool autostart = false;
    bool onTop = false;
    bool rememberPlayer = false;
    bool useSubs = false;
    bool scrollTitle = false;
    bool autoZoom = false;
    QString ddeMode;
    QString ddeCommand;
};

// The status line. Owner: player/StatusDisplay.cpp; others change it through SetStatus.
struct StatusLine {
    QString text;
    // 1-based start of the 20 characters of a long title the line shows while it scrolls.
    qint16 scrollPos = 0;
    // Playing without a sound device is said once a run.
    bool toldSilent = false;
};

// Where the subtitle reader stands. Owner: player/Subtitles.cpp; the frame rate is measured when
// media opens (player/Transport.cpp).
struct SubtitleCursor {
    // The entry last read and that line as read.
    SubtitleEntry entry;
    QString raw;
    // The frame at the last tick.
    qint32 frame = 0;
    float framesPerSecond = 0;
    // No subtitle file: the media's own text track is shown, as the engine times it.
    bool fromStream = false;
};

// How the windows stand. Owners: full screen player/FullScreen.cpp; the on-top mode the panel's
// toggle (player/PanelCommands.cpp), the stored setting (player/Settings.cpp) and the options
// dialog's choice, and whether it is on the windows player/AlwaysOnTop.cpp; the tray the panel's
// tray command and player/TrayIcon.cpp; an open dialog the dialogs. Start-up clears full screen
// and the applied order.
struct WindowModes {
    bool fullScreen = false;
    bool onTop = false;
    // Whether the on-top order has been put on the windows since start-up.
    bool onTopApplied = false;
    bool inTray = false;
    bool dialogOpen = false;
};

// What the panel shows. Owners: the panel's commands and events (player/PanelCommands.cpp,
// player/PanelWiring.cpp); the zoom text the zoom, the fit and a new picture size (player/Zoom.cpp,
// player/VideoFit.cpp, player/MediaEvents.cpp).
struct PanelState {
    bool repeat = false;
    QString view;
    QString zoomText;
};

// The last key command's modifiers. Owner: player/KeyCommands.cpp.
struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// Where the pointer was last seen over the picture, in twips. Owner: player/VideoPointer.cpp.
struct PointerTrack {
    float x = 0;
    qint16 y = 0;
};

} // namespace kyvra
