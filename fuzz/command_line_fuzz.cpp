// The command-line handling on arbitrary arguments: the input is split at NUL bytes into
// arguments, joined the way the program joins them and read by the panel's load step.
#include "core/CommandLine.h"

#include <cstdint>
#include <cstdlib>

using namespace kyvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QList<QByteArray> arguments =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    const QString commandLine = CommandLineText(arguments);
    const CommandLineRequest request = ParseCommandLine(commandLine);
    // The path is a part of the command line, never more.
    if (request.path.size() > commandLine.size())
        std::abort();
    if (!request.fullScreen && !commandLine.contains(request.path))
        std::abort();
    return 0;
}
