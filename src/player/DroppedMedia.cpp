#include "player/DroppedMedia.h"

#include "core/FileNames.h"
#include "core/PathHelpers.h"
#include "platform/Prompts.h"
#include "player/ErrorReport.h"
#include "player/Player.h"
#include "player/Transport.h"

#include <algorithm>

namespace kyvra {

namespace {

bool hasVideoEnding(const QString& path) {
    static const char* const endings[] = {"avi", "mpg", "mpeg", "mpe", "asf", "wmv"};
    return std::any_of(std::begin(endings), std::end(endings), [&path](const char* ending) {
        return path.endsWith(QLatin1String(ending), Qt::CaseSensitive);
    });
}

} // namespace

void LoadDroppedMedia(Player& player, const QStringList& files) {
    // What was dropped held no file (a web link, for instance): there is nothing to read.
    if (files.isEmpty()) {
        player.prompts().messageBox(QStringLiteral("Drag & Drop Error"), MsgButtons::Ok,
                                    MsgIcon::None, QString());
        return;
    }
    bool found = false;
    QString candidate;
    QString folder;
    for (const QString& path : files) {
        if (!FileExists(path)) {
            // A folder named like a video would otherwise be ignored without a word.
            if (hasVideoEnding(path) && fileKind(path) == FileKind::Folder)
                folder = path;
            continue;
        }
        found = found || hasVideoEnding(path);
        candidate = path;
    }
    if (found)
        LoadMedia(player, candidate, QString());
    else if (!folder.isEmpty())
        ReportFileError(player, folder);
}

} // namespace kyvra
