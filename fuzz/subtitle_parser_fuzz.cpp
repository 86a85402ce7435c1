// Arbitrary bytes as a subtitle file of either format: encoding detection, line splitting, the
// line parser and SubRip cues, read again after a rewind in calls cut short by their deadline. The
// first byte picks the format and the frame rate; the rest is the file.
#include "subtitles/SubtitleFile.h"
#include "subtitles/SubtitleParser.h"

#include <QBuffer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

using kyvra::ParseSubtitleLine;
using kyvra::SubtitleEntry;
using kyvra::SubtitleFile;

namespace {

constexpr float kRates[] = {25.0f, 29.97f, 0.0f, 1.0e9f};

bool sameEntry(const SubtitleEntry& a, const SubtitleEntry& b) {
    return a.StartFrame == b.StartFrame && a.EndFrame == b.EndFrame && a.Text == b.Text;
}

// Reads up to `limit` entries; every frame-format entry must be its raw line parsed again. With
// no time left, each call reads one line and the entry comes in pieces.
std::vector<SubtitleEntry> readEntries(SubtitleFile& file, bool subRip, float framesPerSecond,
                                       std::size_t limit, bool hurried) {
    std::vector<SubtitleEntry> entries;
    while (entries.size() < limit && !file.atEnd()) {
        const std::optional<SubtitleFile::Read> read = file.readEntry(
            framesPerSecond, hurried ? QDeadlineTimer(0) : QDeadlineTimer(QDeadlineTimer::Forever));
        if (!read)
            continue;
        if (!subRip && !sameEntry(read->entry, ParseSubtitleLine(read->raw)))
            std::abort();
        entries.push_back(read->entry);
    }
    return entries;
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
    const std::vector<SubtitleEntry> first = readEntries(file, subRip, framesPerSecond, 64, false);
    file.rewind();
    // The same bytes read the same way twice, in one go or in pieces.
    const std::vector<SubtitleEntry> again =
        readEntries(file, subRip, framesPerSecond, first.size(), true);
    if (!std::equal(first.cbegin(), first.cend(), again.cbegin(), again.cend(), sameEntry))
        std::abort();
    readEntries(file, subRip, framesPerSecond, 100000, false);
    file.close();
    return 0;
}
