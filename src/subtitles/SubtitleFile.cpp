#include "subtitles/SubtitleFile.h"

#include "core/AppError.h"
#include "subtitles/SubtitleParser.h"
#include "subtitles/TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <utility>

namespace kyvra {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qsizetype kMaxLine = 1024 * 1024;
// A cue reads at most this many lines, so a file without SubRip timings costs one bounded step
// per tick instead of one scan of the whole file.
constexpr int kCueLineBudget = 256;

bool isBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

bool isCueNumber(const QString& line) {
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
}

} // namespace

SubtitleFile::Format SubtitleFile::formatOf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("srt"), Qt::CaseInsensitive) == 0
               ? Format::SubRip
               : Format::Frames;
}

void SubtitleFile::open(const QString& path) {
    close();
    auto file = std::make_unique<QFile>(path);
    if (QFileInfo(path).isDir() || !file->open(QIODevice::ReadOnly))
        throw AppError(53, QStringLiteral("File not found"));
    open(std::move(file), formatOf(path));
}

void SubtitleFile::open(std::unique_ptr<QIODevice> device, Format format) {
    close();
    device_ = std::move(device);
    format_ = format;
    const TextEncoding encoding = DetectTextEncoding(device_->peek(kChunkBytes));
    encoding_ = encoding.name;
    markLength_ = encoding.markLength;
    decoder_ = QStringDecoder(encoding_.constData());
    if (!decoder_.isValid()) {
        encoding_ = QByteArrayLiteral("ISO-8859-1");
        decoder_ = QStringDecoder(QStringDecoder::Latin1);
    }
    rewind();
}

void SubtitleFile::close() {
    device_.reset();
    buffer_.clear();
    pos_ = 0;
    exhausted_ = true;
    putBack_.reset();
    scanPending = false;
}

void SubtitleFile::rewind() {
    buffer_.clear();
    pos_ = 0;
    putBack_.reset();
    decoder_.resetState();
    exhausted_ = !device_ || !device_->seek(markLength_);
}

bool SubtitleFile::fill() {
    if (exhausted_)
        return false;
    const QByteArray bytes = device_->read(kChunkBytes);
    if (bytes.isEmpty()) {
        exhausted_ = true;
        return false;
    }
    buffer_ += decoder_.decode(bytes);
    return true;
}

bool SubtitleFile::atEnd() {
    if (putBack_)
        return false;
    while (pos_ >= buffer_.size()) {
        if (!fill())
            return true;
    }
    return false;
}

QString SubtitleFile::readLine() {
    if (putBack_)
        return *std::exchange(putBack_, std::nullopt);
    // Dropping what was read only now and then keeps this from moving the buffer for each line.
    if (pos_ >= kChunkBytes) {
        buffer_.remove(0, pos_);
        pos_ = 0;
    }
    qsizetype end = pos_;
    for (;;) {
        const qsizetype limit = std::min(buffer_.size(), pos_ + kMaxLine);
        const QChar* text = buffer_.constData();
        while (end < limit && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        if (end < limit) {
            QString line = buffer_.mid(pos_, end - pos_);
            if (buffer_.at(end) == QLatin1Char('\r')) {
                if (end + 1 == buffer_.size())
                    fill();
                if (end + 1 < buffer_.size() && buffer_.at(end + 1) == QLatin1Char('\n'))
                    ++end;
            }
            pos_ = end + 1;
            return line;
        }
        // Too long, or the last line of the file: what there is makes the line.
        if (end - pos_ >= kMaxLine || !fill()) {
            QString line = buffer_.mid(pos_, end - pos_);
            pos_ = end;
            return line;
        }
    }
}

SubtitleFile::Read SubtitleFile::readEntry(float framesPerSecond) {
    if (format_ == Format::SubRip)
        return readCue(framesPerSecond);
    Read read;
    read.raw = readLine();
    read.entry = ParseSubtitleLine(read.raw);
    return read;
}

// Lines up to the next timing line are skipped (the cue's number among them); its text runs to a
// blank line. A cue without the blank line before the next one still ends at that one's timing.
SubtitleFile::Read SubtitleFile::readCue(float framesPerSecond) {
    Read read;
    int budget = kCueLineBudget;
    std::optional<SubRipTimes> times;
    while (!times && budget-- > 0 && !atEnd()) {
        read.raw = readLine();
        times = ParseSubRipTiming(read.raw);
    }
    if (!times)
        return read;
    QStringList lines;
    qsizetype length = 0;
    while (budget-- > 0 && length < kMaxLine && !atEnd()) {
        QString line = readLine();
        if (isBlank(line))
            break;
        if (ParseSubRipTiming(line)) {
            putBack_ = std::move(line);
            if (!lines.isEmpty() && isCueNumber(lines.last()))
                lines.removeLast();
            break;
        }
        length += line.size();
        lines << std::move(line);
    }
    read.raw += QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
    read.entry = SubRipEntry(*times, lines, framesPerSecond);
    return read;
}

} // namespace kyvra
