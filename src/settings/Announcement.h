#pragma once

#include <QString>

namespace kyvra {

// Announcing the playing file to a chat client: the script the command is written for, and the
// command template ("%f" the file, "%t" its running time). Only the configuration is kept; the
// player never opens the link or sends anything.
inline const QString kAnnounceModeNormal = QStringLiteral("normal");
inline const QString kAnnounceModeWatcher = QStringLiteral("watcher");
inline const QString kAnnounceCommandNormal =
    QStringLiteral("/echo Kyvra Player 1.9.0 Playing: %f (Running Time: %t)");
inline const QString kAnnounceCommandWatcher = QStringLiteral("/kyvra %t %f");

// The chat client's end of the link the video window carries: service and topic.
inline const QString kAnnounceLinkTopic = QStringLiteral("mIRC|command");

} // namespace kyvra
