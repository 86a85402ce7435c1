#pragma once

#include <QString>

class QWidget;

namespace kyvra {

class Player;

// The longest path the open dialog hands back: its path buffer held 255 characters with the
// terminating NUL.
inline constexpr qsizetype kMaxDialogPath = 254;

// Asks for one existing file. Kind "media" offers the media types, any other kind the subtitle
// types; an empty title gives "Kyvra:: Open file". Empty when the user cancelled, when the chosen
// file no longer exists, or when its path is too long or it is a folder chosen as media (the user
// is told why).
QString ShowOpenDialog(Player& player, QWidget* owner, const QString& initialDir,
                       const QString& title, const QString& kind);

} // namespace kyvra
