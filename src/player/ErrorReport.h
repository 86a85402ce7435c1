#pragma once

#include <QString>

namespace kyvra {

class AppError;
class Player;

// The template with "[err.Number]" and then "[err.Description]" replaced from the error.
QString FillErrorTemplate(const QString& text, const AppError& error);

// One message box for a trapped error, then the player goes back to having no media.
void ReportError(Player& player, const AppError& error, const QString& message);

// "The file ... is either corrupt or damaged." under "File access error", or for a folder
// "... is a folder, not a media file."; nothing is reset.
void ReportFileError(Player& player, const QString& path);

} // namespace kyvra
