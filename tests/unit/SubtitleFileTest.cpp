#include "subtitles/SubtitleFile.h"

#include "subtitles/SubtitleParser.h"
#include "subtitles/SubtitlePickup.h"
#include "support/QtPrinters.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kyvra {
namespace {

void expectEntry(const QString& line, qint32 start, qint32 end, const QString& text) {
    const SubtitleEntry entry = ParseSubtitleLine(line);
    EXPECT_EQ(entry.StartFrame, start) << line.left(40).toStdString();
    EXPECT_EQ(entry.EndFrame, end) << line.left(40).toStdString();
    EXPECT_EQ(entry.Text, text) << line.left(40).toStdString();
}

TEST(SubtitleParser, ReadsFramesAndTextAndSkipsWhatItCannotRead) {
    expectEntry("{250}{300}Hello|World", 250, 300, "Hello|World");
    expectEntry("{ 7 }{2.5}x", 7, 2, "x"); // numeric text, halves to even
    expectEntry("{-25}{-5}minus", -25, -5, "minus");
    expectEntry("{250}{300}", 250, 300, "");
    expectEntry("no braces at all", 0, 0, "no braces at all");
    expectEntry("", 0, 0, "");
    expectEntry("{abc}{300}letters", 0, 300, "letters");
    expectEntry("{123456789012345678901234567890}{300}huge", 0, 300, "huge");
    expectEntry("{250}only one", 250, 0, "{250}only one");
    expectEntry("}{250}{300}{400}closing first", 250, 300, "{400}closing first");
    // Text before the first brace does not shift the start frame.
    expectEntry("  {250}{300}indented", 250, 300, "indented");
}

TEST(SubRip, TimingLinesGiveSecondsAndFramesBeyond32BitsReadAsZero) {
    const auto times = ParseSubRipTiming("00:01:02,500 --> 00:01:04.04 X1:10 Y1:20");
    ASSERT_TRUE(times);
    EXPECT_DOUBLE_EQ(times->start, 62.5);
    EXPECT_DOUBLE_EQ(times->end, 64.04);
    for (const char* notTiming :
         {"", "1", "00:01:02,500", "a --> b", "00:61:02,500 -> 00:01:03,000"})
        EXPECT_FALSE(ParseSubRipTiming(notTiming)) << notTiming;
    EXPECT_EQ(SubRipEntry({1e12, 1e12}, {}, 25).EndFrame, 0) << "beyond 32 bits reads as 0";
}

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

TEST(SubtitleFile, ReadsEveryEncodingLineEndAndBlockEdgeAlikeAlsoAfterARewind) {
    const QString russian = QStringLiteral("{25}{50}Привет, как дела? Это тестовая строка.|Ещё");
    const QString line = russian + QStringLiteral("\r\n");
    QByteArray utf16 = QByteArray("\xFF\xFE");
    utf16 += QByteArray(reinterpret_cast<const char*>(line.utf16()), line.size() * 2);
    // More than the first block of plain text.
    const QByteArray ascii = QByteArray("{1}{2}plain\r\n").repeated(5500);
    const QStringList asciiLines(5500, QStringLiteral("{1}{2}plain"));
    const QByteArray block(65535, 'a');                 // the next byte starts the second block
    const QString piece(1024 * 1024, QLatin1Char('x')); // longer lines come in pieces
    const struct {
        QByteArray bytes;
        QStringList lines;
    } files[] = {
        {QStringEncoder("windows-1251").encode(line), {russian}},
        {line.toUtf8(), {russian}},
        {"\xEF\xBB\xBF" + line.toUtf8(), {russian}},
        {utf16, {russian}},
        {"{1}{2}Caf\xE9 cr\xE8me\n", {"{1}{2}Café crème"}},
        {"{1}{2}\xC0\xA1 \xC1\xA9\n", {"{1}{2}À¡ Á©"}}, // overlong as UTF-8: not UTF-8
        {"a\r\nb\nc\rd\r\n\r\ne", {"a", "b", "c", "d", "", "e"}},
        {block + "\r\nnext", {block, "next"}},
        {QByteArray(3 * piece.size() + 10, 'x') + "\n{1}{2}after",
         {piece, piece, piece, piece.left(10), "{1}{2}after"}},
        {block + "\xC3\xA9\n\xC3\xBC", {block + "é", "ü"}},
        {ascii + QStringEncoder("windows-1251").encode(line.repeated(3)),
         asciiLines + QStringList(3, russian)},
        {"Caf\xC3\xA9\n" + ascii + "Caf\xE9 cr\xE8me",
         QStringList("Café") + asciiLines + QStringList("Café crème")},
    };
    for (const auto& [bytes, lines] : files) {
        SubtitleFile file = fileOf(bytes);
        EXPECT_EQ(allLines(file), lines) << bytes.left(40).toStdString();
        file.rewind();
        EXPECT_EQ(allLines(file), lines) << "again: " << bytes.left(40).toStdString();
        file.close();
        EXPECT_TRUE(file.atEnd());
    }
}

TEST(SubtitleFile, SubRipCuesReadOneAtATimeAlsoInCallsCutShortByTheirDeadline) {
    const QByteArray cues = "\xEF\xBB\xBF"
                            "1\r\n00:00:01,000 --> 00:00:02,500\r\n<i>Hello</i>\r\n"
                            "<font color=\"#ff0\">World</font> <3\r\n\r\n"
                            "2\r\n00:00:03,000 --> 00:00:04,000\r\nNo blank line after\r\n"
                            "3\r\n00:00:05,000 --> 00:00:06,000\r\nLast";
    for (const bool hurried : {false, true}) {
        SubtitleFile file = fileOf(cues, SubtitleFile::Format::SubRip);
        const auto expect = [&](qint32 start, qint32 end, const QString& text) {
            std::optional<SubtitleFile::Read> read;
            while (!(read = file.readEntry(25, hurried ? QDeadlineTimer(0)
                                                       : QDeadlineTimer(QDeadlineTimer::Forever))))
                ;
            EXPECT_EQ(read->entry.StartFrame, start);
            EXPECT_EQ(read->entry.EndFrame, end);
            EXPECT_EQ(read->entry.Text, text);
        };
        expect(25, 62, "Hello\rWorld <3"); // 62.5 frames, half to even; tags dropped
        expect(75, 100, "No blank line after");
        expect(125, 150, "Last");
        EXPECT_TRUE(file.atEnd());
    }

    SubtitleFile garbage = fileOf(QByteArray(100000, '\n'), SubtitleFile::Format::SubRip);
    EXPECT_FALSE(garbage.readEntry(25, QDeadlineTimer(0)));
    EXPECT_FALSE(garbage.atEnd()) << "a call past its deadline reads one line";
}

// Empty files made on demand in a folder of their own; each call returns the new file's path.
struct EmptyFiles {
    QTemporaryDir dir;
    QString operator()(const QString& name) const {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        return file.fileName();
    }
};

// Exact names first, in any case, then names with a language: the desktop's, then English, then
// the first.
TEST(SubtitlePickup, FindsTheFileBesideTheMediaExactNamesFirstThenByLanguage) {
    const EmptyFiles touch;
    const QString part = touch("film.part1.avi");
    touch("film.avi.sub");
    touch("film.part1.mpg");
    EXPECT_EQ(FindSubtitleBeside(part), "");
    const QString srt = touch("film.part1.SRT");
    const QString sub = touch("film.part1.Sub");
    EXPECT_EQ(FindSubtitleBeside(part), sub) << "the frame format comes first";
    EXPECT_EQ(SubtitleFile::formatOf(srt), SubtitleFile::Format::SubRip);
    EXPECT_EQ(SubtitleFile::formatOf(sub), SubtitleFile::Format::Frames);

    const QString media = touch("movie.mkv");
    touch("movie.notes.txt");
    touch("movie.en.fr.srt");
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), "") << "notes and two tags are no subs";
    const QString french = touch("movie.fr.srt");
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), french);
    const QString english = touch("movie.English.vtt");
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), english);
    const QString german = touch("movie.GER.ass");
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), german);
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::English), english);
    const QString exact = touch("movie.ssa");
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), exact);
    EXPECT_EQ(FindSubtitleBeside(media, QLocale::German), touch("movie.srt"));

    EXPECT_TRUE(IsEngineSubtitleFile(german) && IsEngineSubtitleFile(exact));
    EXPECT_TRUE(IsEngineSubtitleFile(english));
    EXPECT_FALSE(IsEngineSubtitleFile(french) || IsEngineSubtitleFile(media));
}

} // namespace
} // namespace kyvra
