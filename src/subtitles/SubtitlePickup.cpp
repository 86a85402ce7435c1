#include "subtitles/SubtitlePickup.h"

#include <QDir>
#include <QFileInfo>

namespace kyvra {

QString FindSubtitleBeside(const QString& mediaPath) {
    const QFileInfo media(mediaPath);
    const QString base = media.completeBaseName();
    if (mediaPath.isEmpty() || base.isEmpty())
        return {};
    const QFileInfoList siblings =
        media.dir().entryInfoList(QDir::Files | QDir::Readable | QDir::Hidden);
    for (const char* ending : {"sub", "txt", "srt"}) {
        for (const QFileInfo& candidate : siblings) {
            if (candidate.completeBaseName() == base &&
                candidate.suffix().compare(QLatin1String(ending), Qt::CaseInsensitive) == 0)
                return candidate.filePath();
        }
    }
    return {};
}

} // namespace kyvra
