#pragma once

#include "subtitles/SubtitleEntry.h"

#include <QString>

namespace kyvra {

// The program-wide values every part of the player reads and writes. All false, zero or empty at
// start; the player owns exactly one.
struct SharedState {
    QString StatusText;
    // 1-based start of the 20 characters of a long title the status line shows while it scrolls.
    qint16 TitleScrollPos = 0;
    bool IsFullScreen = false;
    bool AutoZoom = false;
    bool UseSubs = false;
    bool ScrollTitle = false;
    bool OnTop = false;
    bool OnTopApplied = false;
    bool RepeatOn = false;
    QString PanelView;
    bool DialogOpen = false;
    bool InTray = false;
    QString ZoomText;
    float FramesPerSecond = 0;
    float LastPointerX = 0;
    qint16 LastPointerY = 0;

    // The subtitle reader: the entry last read, that line as read, the frame at the last tick.
    SubtitleEntry CurrentSubtitle;
    QString SubtitleLineBuffer;
    qint32 CurrentFrame = 0;

    // In-memory copies of the stored settings.
    bool SplashSetting = false;
    bool RegistextSetting = false;
    bool WindowposSetting = false;
    bool AutostartSetting = false;
    bool OntopSetting = false;
    bool RememberPlayerSetting = false;
    QString DDEMode;
    QString DDECommand;

    // The modifiers of the last key command: Shift, Ctrl, Alt.
    bool ShiftDown = false;
    bool CtrlDown = false;
    bool AltDown = false;
};

} // namespace kyvra
