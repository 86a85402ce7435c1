#include "subtitles/SubtitleFile.h"

#include "core/AppError.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace kyvra {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;
constexpr qsizetype kMaxLine = 1024 * 1024;

bool isBlank(const QString& line) {
    return line.trimmed().isEmpty();
}

bool isCueNumber(const QString& line) {
    const QString trimmed = line.trimmed();
    return !trimmed.isEmpty() &&
           std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.isDigit(); });
}

QStringDecoder decoderFor(const QByteArray& encoding) {
    QStringDecoder decoder(encoding.constData());
    return decoder.isValid() ? std::move(decoder) : QStringDecoder(QStringDecoder::Latin1);
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
    utf8Guessed_ = encoding_ == "UTF-8" && markLength_ == 0;
    switchAt_ = -1;
    rewind();
}

void SubtitleFile::close() {
    device_.reset();
    buffer_.clear();
    pos_ = 0;
    exhausted_ = true;
    putBack_.reset();
    cue_ = {};
}

void SubtitleFile::rewind() {
    buffer_.clear();
    pos_ = 0;
    putBack_.reset();
    cue_ = {};
    decoder_ = decoderFor(encoding_);
    utf8_.reset();
    exhausted_ = !device_ || !device_->seek(markLength_);
}

bool SubtitleFile::fill() {
    if (exhausted_)
        return false;
    const qint64 at = device_->pos();
    if (at == switchAt_)
        decoder_ = decoderFor(laterEncoding_);
    QByteArray bytes =
        device_->read(at < switchAt_ ? std::min(kChunkBytes, switchAt_ - at) : kChunkBytes);
    if (bytes.isEmpty()) {
        exhausted_ = true;
        return false;
    }
    if (utf8Guessed_ && switchAt_ < 0)
        checkGuessedUtf8(at, bytes);
    buffer_ += decoder_.decode(bytes);
    return true;
}

// What was read before keeps its meaning: only the bytes from the first fault on are read again,
// in the encoding the detector finds for them.
void SubtitleFile::checkGuessedUtf8(qint64 at, QByteArray& bytes) {
    const std::optional<qsizetype> invalid = utf8_.firstInvalid(bytes);
    if (!invalid)
        return;
    switchAt_ = at + *invalid;
    bytes.truncate(std::max<qsizetype>(*invalid, 0));
    if (!device_->seek(switchAt_)) {
        exhausted_ = true;
        return;
    }
    laterEncoding_ = DetectLegacyEncoding(device_->peek(kChunkBytes));
}

bool SubtitleFile::atEnd() {
    if (putBack_ || cue_.times)
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
                // A CR that ends one block may have its LF at the start of the next.
                while (end + 1 == buffer_.size() && fill()) {
                }
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

std::optional<SubtitleFile::Read> SubtitleFile::readEntry(float framesPerSecond,
                                                          QDeadlineTimer deadline) {
    if (format_ == Format::SubRip)
        return readCue(framesPerSecond, deadline);
    Read read;
    read.raw = readLine();
    read.entry = ParseSubtitleLine(read.raw);
    return read;
}

// Lines up to the next timing line are skipped (the cue's number among them); its text runs to a
// blank line. A cue without the blank line before the next one still ends at that one's timing.
std::optional<SubtitleFile::Read> SubtitleFile::readCue(float framesPerSecond,
                                                        QDeadlineTimer deadline) {
    bool readOne = false;
    const auto outOfTime = [&] { return std::exchange(readOne, true) && deadline.hasExpired(); };
    while (!cue_.times && !atEnd()) {
        if (outOfTime())
            return std::nullopt;
        cue_.raw = readLine();
        cue_.times = ParseSubRipTiming(cue_.raw);
    }
    Cue cue = std::exchange(cue_, {});
    if (!cue.times)
        return Read{std::move(cue.raw), {}};
    while (cue.length < kMaxLine && !atEnd()) {
        if (outOfTime()) {
            cue_ = std::move(cue);
            return std::nullopt;
        }
        QString line = readLine();
        if (isBlank(line))
            break;
        if (ParseSubRipTiming(line)) {
            putBack_ = std::move(line);
            if (!cue.lines.isEmpty() && isCueNumber(cue.lines.last()))
                cue.lines.removeLast();
            break;
        }
        cue.length += line.size();
        cue.lines << std::move(line);
    }
    Read read;
    read.raw = cue.raw + QLatin1Char('\n') + cue.lines.join(QLatin1Char('\n'));
    read.entry = SubRipEntry(*cue.times, cue.lines, framesPerSecond);
    return read;
}

} // namespace kyvra
