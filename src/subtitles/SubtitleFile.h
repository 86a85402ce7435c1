#pragma once

#include "subtitles/SubtitleEntry.h"
#include "subtitles/SubtitleParser.h"
#include "subtitles/TextEncoding.h"

#include <QDeadlineTimer>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringList>
#include <memory>
#include <optional>

namespace kyvra {

// The one open subtitle file, read sequentially and never whole: a line of the frame format, or
// a SubRip cue, at a time. Its text encoding is decided from its first bytes; UTF-8 guessed from
// them gives way, from the first byte that is not UTF-8 on, to the legacy encoding the rest is
// in. Lines may end in CR LF, LF or CR. A line longer than a megabyte of text is read in pieces,
// so memory stays bounded whatever the file holds.
class SubtitleFile {
public:
    enum class Format { Frames, SubRip };

    struct Read {
        // The line as read, or a cue's timing and text lines.
        QString raw;
        SubtitleEntry entry;
    };

    // ".srt" (any letter case) is SubRip; everything else is the frame format.
    static Format formatOf(const QString& path);

    // Closes what was open first. Throws AppError when the file cannot be read.
    void open(const QString& path);
    // Reads from a device open for reading and able to seek.
    void open(std::unique_ptr<QIODevice> device, Format format);
    void close();
    bool isOpen() const { return device_ != nullptr; }
    // True when closed, or when nothing is left to read.
    bool atEnd();
    // Back to the first line.
    void rewind();
    // The next line without its terminator; "" at the end.
    QString readLine();
    // The next entry; SubRip times become frames at the given rate. Reads at least one line, and
    // stops at the deadline with nothing: the next call carries on with the same entry.
    std::optional<Read> readEntry(float framesPerSecond,
                                  QDeadlineTimer deadline = QDeadlineTimer::Forever);

    // The media this file was chosen for: a different media playing means the subtitles have to
    // be looked for again. Kept while the file is closed, so playing again reopens it.
    QString media;

private:
    // A SubRip cue as far as it has been read.
    struct Cue {
        QString raw;
        std::optional<SubRipTimes> times;
        QStringList lines;
        qsizetype length = 0;
    };

    bool fill();
    // Reads on until a character is not UTF-8: the text goes on from there in a legacy encoding.
    void checkGuessedUtf8(qint64 at, QByteArray& bytes);
    std::optional<Read> readCue(float framesPerSecond, QDeadlineTimer deadline);

    std::unique_ptr<QIODevice> device_;
    Format format_ = Format::Frames;
    QByteArray encoding_;
    int markLength_ = 0;
    QStringDecoder decoder_;
    // UTF-8 without a byte-order mark is only a guess until the whole file has been read.
    bool utf8Guessed_ = false;
    Utf8Validator utf8_;
    // Where a guessed UTF-8 proved wrong, and the encoding of the bytes from there on.
    qint64 switchAt_ = -1;
    QByteArray laterEncoding_;
    Cue cue_;
    QString buffer_;
    qsizetype pos_ = 0;
    bool exhausted_ = true;
    // A SubRip timing line met while reading the cue before it.
    std::optional<QString> putBack_;
};

} // namespace kyvra
