#pragma once

#include "subtitles/SubtitleEntry.h"

#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <memory>
#include <optional>

namespace kyvra {

// The one open subtitle file, read sequentially and never whole: a line of the frame format, or
// a SubRip cue, at a time. Its text encoding is decided once from its first bytes; lines may end
// in CR LF, LF or CR. A line longer than a megabyte of text is read in pieces, so memory stays
// bounded whatever the file holds.
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
    // The next entry; SubRip times become frames at the given rate.
    Read readEntry(float framesPerSecond);
    // The encoding the text is read in.
    const QByteArray& encoding() const { return encoding_; }

    // The media this file was chosen for: a different media playing means the subtitles have to
    // be looked for again. Kept while the file is closed, so playing again reopens it.
    QString media;
    // A seek's scan towards the new position ran out of time; the next ticks go on with it.
    bool scanPending = false;

private:
    bool fill();
    Read readCue(float framesPerSecond);

    std::unique_ptr<QIODevice> device_;
    Format format_ = Format::Frames;
    QByteArray encoding_;
    int markLength_ = 0;
    QStringDecoder decoder_;
    QString buffer_;
    qsizetype pos_ = 0;
    bool exhausted_ = true;
    // A SubRip timing line met while reading the cue before it.
    std::optional<QString> putBack_;
};

} // namespace kyvra
