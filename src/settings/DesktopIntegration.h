#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kyvra {

// The Linux desktop's side of the file-type registration: a desktop entry naming the player as
// a handler of its video types, its icon, and the player as their default application.
inline const QString kDesktopFileName = QStringLiteral("kyvra-player.desktop");

// The MIME types of the player's file types: the shared database's names for them and the
// older aliases some desktops still report.
QStringList desktopMimeTypes();

// Writes $XDG_DATA_HOME/applications/kyvra-player.desktop, the icon when the program carries
// one, and the defaults in $XDG_CONFIG_HOME/mimeapps.list. A step that fails is skipped
// silently; the defaults are only written once the entry they name is in place.
void InstallDesktopHandler(const QString& executablePath);

// The executable as the first word of a desktop entry's Exec value: quoted, escaped, and
// written as the entry's string value.
QString execProgramField(const QString& executablePath);

// The mimeapps.list text with each MIME type's default set to the desktop file; every other
// byte of the text stays as it was. The group is created when missing.
QByteArray withDefaultApplications(const QByteArray& list, const QStringList& mimeTypes,
                                   const QString& desktopFile);

} // namespace kyvra
