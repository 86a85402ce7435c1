#pragma once

#include <QString>
#include <QtGlobal>

namespace kyvra {

// One timed line: shown from its first to its last frame, both included.
struct SubtitleEntry {
    qint32 StartFrame = 0;
    qint32 EndFrame = 0;
    QString Text;
};

} // namespace kyvra
