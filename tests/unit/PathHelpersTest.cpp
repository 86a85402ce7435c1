#include "dialogs/PathHelpers.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kyvra;

TEST(PathHelpers, ExtensionFileNameAndShortTitle) {
    EXPECT_EQ(GetExtension("/movies/film.part1.avi"), "avi");
    EXPECT_EQ(GetExtension("/movies/film"), "");
    EXPECT_EQ(GetExtension("/my.dir/film"), "dir/film") << "folders are not skipped";

    EXPECT_EQ(GetFileName("/share\\movies/film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/share/movies\\film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/movies/"), "");
    EXPECT_EQ(GetFileName("film.avi"), "") << "a bare name has no separator";

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
