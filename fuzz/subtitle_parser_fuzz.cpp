// Arbitrary bytes as a subtitle file of either format: encoding detection, line splitting, the
// line parser and SubRip cues, with a rewind half way. The first byte picks the format and the
// frame rate; the rest is the file.
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleParser.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>
#include <memory>

using kyvra::ParseSubtitleLine;
using kyvra::SubtitleEntry;
using kyvra::SubtitleFile;

namespace {

constexpr float kRates[] = {25.0f, 29.97f, 0.0f, 1.0e9f};

bool sameEntry(const SubtitleEntry& a, const SubtitleEntry& b) {
    return a.StartFrame == b.StartFrame && a.EndFrame == b.EndFrame && a.Text == b.Text;
}

// Reads up to `limit` entries; every frame-format entry must be its raw line parsed again.
int readEntries(SubtitleFile& file, bool subRip, float framesPerSecond, int limit) {
    int count = 0;
    while (count < limit && !file.atEnd()) {
        const SubtitleFile::Read read = file.readEntry(framesPerSecond);
        if (!subRip && !sameEntry(read.entry, ParseSubtitleLine(read.raw)))
            std::abort();
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const bool subRip = (data[0] & 1) != 0;
    const float framesPerSecond = kRates[(data[0] >> 1) % std::size(kRates)];
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    (void)ParseSubtitleLine(QString::fromUtf8(bytes));

    auto device = std::make_unique<QBuffer>();
    device->setData(bytes);
    device->open(QIODevice::ReadOnly);
    SubtitleFile file;
    file.open(std::move(device),
              subRip ? SubtitleFile::Format::SubRip : SubtitleFile::Format::Frames);
    const int first = readEntries(file, subRip, framesPerSecond, 64);
    file.rewind();
    // The same bytes read the same way twice.
    if (readEntries(file, subRip, framesPerSecond, first) != first)
        std::abort();
    readEntries(file, subRip, framesPerSecond, 100000);
    file.close();
    return 0;
}
