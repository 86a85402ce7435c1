// The subtitle file: encodings, line ends, long lines, SubRip cues, and finding a file beside
// the media.
#include "subtitles/SubtitleFile.h"

#include "subtitles/SubtitlePickup.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kyvra {
namespace {

SubtitleFile fileOf(const QByteArray& bytes,
                    SubtitleFile::Format format = SubtitleFile::Format::Frames) {
    auto device = std::make_unique<QBuffer>();
    device->setData(bytes);
    device->open(QIODevice::ReadOnly);
    SubtitleFile file;
    file.open(std::move(device), format);
    return file;
}

QStringList allLines(SubtitleFile& file) {
    QStringList lines;
    while (!file.atEnd())
        lines << file.readLine();
    return lines;
}

TEST(SubtitleFile, LegacyAndUnicodeFilesReadAlike) {
    const QString russian =
        QStringLiteral("{25}{50}Привет, как дела? Это тестовая строка.|Ещё одна");
    const QString line = russian + QStringLiteral("\r\n");
    QByteArray utf16 = QByteArray("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"windows-1251", QStringEncoder("windows-1251").encode(line)},
        {"UTF-8", line.toUtf8()},
        {"UTF-8", "\xEF\xBB\xBF" + line.toUtf8()},
        {"UTF-16LE", utf16},
    };
    for (const auto& each : files) {
        SubtitleFile file = fileOf(each.bytes);
        EXPECT_EQ(file.encoding().toUpper(), QByteArray(each.name).toUpper());
        EXPECT_EQ(allLines(file), QStringList{russian}) << each.name;
    }
    SubtitleFile western = fileOf("{1}{2}Caf\xE9 cr\xE8me\n");
    EXPECT_EQ(western.readLine(), QStringLiteral("{1}{2}Café crème"));
}

TEST(SubtitleFile, EveryLineEndCountsAndRewindStartsOver) {
    SubtitleFile file = fileOf("a\r\nb\nc\rd\r\n\r\ne");
    EXPECT_EQ(allLines(file), (QStringList{"a", "b", "c", "d", "", "e"}));
    file.rewind();
    EXPECT_EQ(file.readLine(), "a");
    file.close();
    EXPECT_TRUE(file.atEnd());
    EXPECT_EQ(fileOf("").atEnd(), true);
}

TEST(SubtitleFile, OverlongLinesComeInPiecesAndTheNextLineIsIntact) {
    const QByteArray huge(3 * 1024 * 1024 + 10, 'x');
    SubtitleFile file = fileOf(huge + "\n{1}{2}after");
    qsizetype total = 0;
    QString line;
    while ((line = file.readLine()).startsWith(QLatin1Char('x'))) {
        EXPECT_LE(line.size(), 1024 * 1024);
        total += line.size();
    }
    EXPECT_EQ(total, huge.size());
    EXPECT_EQ(line, "{1}{2}after");
}

TEST(SubtitleFile, SubRipCuesReadOneAtATime) {
    SubtitleFile file = fileOf("\xEF\xBB\xBF"
                               "1\r\n00:00:01,000 --> 00:00:02,500\r\nHello\r\n<i>World</i>\r\n\r\n"
                               "2\r\n00:00:03,000 --> 00:00:04,000\r\nNo blank line after\r\n"
                               "3\r\n00:00:05,000 --> 00:00:06,000\r\nLast",
                               SubtitleFile::Format::SubRip);
    const auto expect = [&file](qint32 start, qint32 end, const QString& text) {
        const SubtitleEntry entry = file.readEntry(25).entry;
        EXPECT_EQ(entry.StartFrame, start);
        EXPECT_EQ(entry.EndFrame, end);
        EXPECT_EQ(entry.Text, text);
    };
    expect(25, 62, "Hello\rWorld");
    expect(75, 100, "No blank line after");
    expect(125, 150, "Last");
    EXPECT_TRUE(file.atEnd());

    SubtitleFile garbage = fileOf(QByteArray(100000, '\n'), SubtitleFile::Format::SubRip);
    const SubtitleFile::Read read = garbage.readEntry(25);
    EXPECT_EQ(read.entry.EndFrame, 0);
    EXPECT_FALSE(garbage.atEnd()) << "a cue reads a bounded number of lines";
}

TEST(SubtitlePickup, FindsTheFileBesideTheMediaInAnyCase) {
    QTemporaryDir dir;
    const auto touch = [&dir](const char* name) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    };
    const QString media = touch("film.part1.avi");
    touch("film.avi.sub");
    touch("film.part1.mpg");
    EXPECT_EQ(FindSubtitleBeside(media), "");
    const QString srt = touch("film.part1.SRT");
    EXPECT_EQ(FindSubtitleBeside(media), srt);
    const QString sub = touch("film.part1.Sub");
    EXPECT_EQ(FindSubtitleBeside(media), sub) << "the frame format comes first";
    EXPECT_EQ(SubtitleFile::formatOf(srt), SubtitleFile::Format::SubRip);
    EXPECT_EQ(SubtitleFile::formatOf(sub), SubtitleFile::Format::Frames);
}

} // namespace
} // namespace kyvra
