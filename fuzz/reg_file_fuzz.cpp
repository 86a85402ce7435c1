// The .reg reader on arbitrary bytes: it never crashes, and whatever it reads it writes back in a
// form that reads back the same, damaged input or not.
#include "settings/RegFileFormat.h"

#include <cstdint>
#include <cstdlib>

using namespace kyvra;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const RegFileContents contents = parseRegFile(bytes);

    const QByteArray written = regFileText(contents.tree);
    const RegFileContents reread = parseRegFile(written);
    if (reread.damaged || regFileText(reread.tree) != written)
        std::abort();
    for (const auto& [folded, key] : contents.tree.keys()) {
        if (!reread.tree.keyExists(key.path))
            std::abort();
        for (const auto& [name, value] : key.values)
            if (reread.tree.value(key.path, value.name) != value.text)
                std::abort();
    }
    return 0;
}
