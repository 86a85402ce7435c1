#include "core/PathHelpers.h"

#include "core/FileNames.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>

using namespace kyvra;

TEST(PathHelpers, ExtensionFileNameAndShortTitle) {
    EXPECT_EQ(GetExtension("/movies/film.part1.avi"), "avi");
    EXPECT_EQ(GetExtension("/movies/film"), "");
    EXPECT_EQ(GetExtension("/my.dir/film"), "dir/film") << "folders are not skipped";

    EXPECT_EQ(GetFileName("/share\\movies/film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/share/movies\\film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/movies/"), "");

    const QString exactly24 = QStringLiteral("abcdefghijklmnopqrst.avi");
    EXPECT_EQ(GetShortTitle("/movies/" + exactly24), exactly24);
    EXPECT_EQ(GetShortTitle("C:\\movies\\x" + exactly24), "xabcdefghijklmnopqrst.av...");
    EXPECT_EQ(GetShortTitle("film with a long enough name.avi"), "") << "no separator";
}

TEST(FileExists, IsTrueForRegularFilesOnly) {
    QTemporaryDir dir;
    const QString file = dir.filePath("film.avi"), hidden = dir.filePath(".hidden.avi");
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly) && QFile(hidden).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(hidden)) << "a file named on purpose is found even when hidden";
    for (const QString& path : {dir.filePath("folder"), dir.filePath("missing.avi"), QString(),
                                file + QChar(0) + "x", file + "/inside", QString(5000, 'a')})
        EXPECT_FALSE(FileExists(path)) << path.left(80).toStdString();
}

// An old archive's Latin-1 names are not UTF-8: their bytes travel through the player's text
// unchanged, are found on disk, and read as the Latin-1 characters they were.
TEST(FileNames, BytesThatAreNotUtf8SurviveTheTripThroughText) {
    const QByteArray latin1("caf\xe9 d\xc3\xa9j\xc3\xa0 \xff\x80.avi");
    const QString carried = pathFromBytes(latin1);
    EXPECT_EQ(pathBytes(carried), latin1);
    EXPECT_EQ(displayPath(carried),
              QString::fromUtf8("caf\xc3\xa9 d\xc3\xa9j\xc3\xa0 \xc3\xbf\xc2\x80.avi"));
    EXPECT_EQ(pathFromBytes("d\xc3\xa9j\xc3\xa0 \xf0\x9f\x8e\xac"),
              QString::fromUtf8("d\xc3\xa9j\xc3\xa0 \xf0\x9f\x8e\xac"));
    // Overlong, surrogate, truncated and out-of-range sequences are carried byte by byte.
    for (const QByteArray odd : {"\xc0\xaf", "\xed\xa0\x80", "\xe2\x82", "\xf4\x90\x80\x80"}) {
        EXPECT_EQ(pathFromBytes(odd).size(), odd.size());
        EXPECT_EQ(pathBytes(pathFromBytes(odd)), odd);
    }

    QTemporaryDir dir;
    const QByteArray onDisk = QFile::encodeName(dir.path()) + "/caf\xe9.avi";
    std::FILE* file = std::fopen(onDisk.constData(), "w");
    ASSERT_TRUE(file);
    std::fclose(file);
    const QString name = pathFromBytes(onDisk);
    EXPECT_TRUE(FileExists(name));
    EXPECT_EQ(GetFileName(name), QString::fromLatin1("caf\xe9.avi"));
    std::remove(onDisk.constData()); // QTemporaryDir cannot remove a name that is not UTF-8
    EXPECT_EQ(absolutePath("film.avi"), QDir::currentPath() + "/film.avi");
}
