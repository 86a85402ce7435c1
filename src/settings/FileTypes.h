#pragma once

#include <QString>

namespace kyvra {

class Registry;

// Makes the program at executablePath the handler of its video file types: in the registry's
// class keys, and for the Linux desktop as a desktop entry with MIME defaults. Every step that
// fails is skipped.
void RegisterFileTypes(Registry& registry, const QString& executablePath);

} // namespace kyvra
