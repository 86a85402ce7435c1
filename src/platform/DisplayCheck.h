#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace kyvra {

// What the player asks Qt for, and what stands in the way of showing it at all.
struct DisplayChoice {
    QByteArray platform;            // for QT_QPA_PLATFORM; empty: as it is
    std::optional<QString> problem; // one line for the user; the player then ends
};

// The choice from the environment: the platform the user asked Qt for (QT_QPA_PLATFORM), the X
// display (DISPLAY) and whether it answers, and the Wayland display (WAYLAND_DISPLAY). Left to
// choose, Qt would take a Wayland session's own display, where windows cannot be placed or kept
// on top; its X server (XWayland) is asked for instead whenever it answers.
DisplayChoice chooseDisplay(const QByteArray& asked, const QByteArray& x11, bool x11Answers,
                            const QByteArray& wayland);

// The choice for this process, its platform set in the environment for Qt to read as it starts.
// Qt itself ends the process with an abort and a core dump when it cannot connect.
DisplayChoice SettleDisplay();

} // namespace kyvra
