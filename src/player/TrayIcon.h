#pragma once

#include <QIcon>
#include <QString>

namespace kyvra {

class Player;
class RemoteForm;
class Screen;

// The panel's icon in the notification area. The icon's mouse messages reach the panel as mouse
// moves whose X coordinate, in the panel's twips, carries the message number.

// Shows the icon and hides the form.
void AddTrayIcon(Player& player, const QIcon& icon, const QString& tip, RemoteForm& form);
// Harmless when no icon is shown.
void RemoveTrayIcon(Player& player);
// Removes the icon and shows the form again.
void RestoreFromTray(Player& player, RemoteForm& form);

// 1 for a double click of the left button over the icon, 2 for a right-button press, else 0.
int DecodeTrayMessage(float x, const Screen& screen);
// What a decoded message does: a double click brings the panel back, the right button opens the
// tray menu.
void ActOnTrayMessage(Player& player, float x);

// Shows the panel, also one that went to the task bar for want of a notification area.
void BringBackPanel(Player& player);

} // namespace kyvra
