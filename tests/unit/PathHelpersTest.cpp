#include "dialogs/PathHelpers.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kyvra;

TEST(GetExtension, TakesTheTextAfterTheLastDotOnly) {
    EXPECT_EQ(GetExtension("/movies/film.part1.avi"), "avi");
    EXPECT_EQ(GetExtension("/movies/film"), "");
    EXPECT_EQ(GetExtension("/my.dir/film"), "dir/film") << "folders are not skipped";
    EXPECT_EQ(GetExtension("C:\\movies\\film.MPG"), "MPG") << "the case is kept";
    EXPECT_EQ(GetExtension("/movies/film."), "");
}

TEST(GetFileName, TakesTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(GetFileName("/movies/film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("C:\\movies\\film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/share\\movies/film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/share/movies\\film.avi"), "film.avi");
    EXPECT_EQ(GetFileName("/movies/"), "");
    EXPECT_EQ(GetFileName("film.avi"), "") << "a bare name has no separator";
    EXPECT_EQ(GetFileName(""), "");
}

TEST(GetShortTitle, CutsNamesLongerThan24CharactersTo24AndAnEllipsis) {
    const QString exactly24 = QStringLiteral("abcdefghijklmnopqrst.avi");
    ASSERT_EQ(exactly24.size(), 24);
    EXPECT_EQ(GetShortTitle("/movies/" + exactly24), exactly24);

    const QString title25 = GetShortTitle("/movies/x" + exactly24);
    EXPECT_EQ(title25, "xabcdefghijklmnopqrst.av...");
    EXPECT_EQ(title25.size(), 27);
    EXPECT_EQ(GetShortTitle("C:\\movies\\a very long film name indeed.avi"),
              "a very long film name in...");

    EXPECT_EQ(GetShortTitle("film with a long enough name.avi"), "") << "no separator";
    EXPECT_EQ(GetShortTitle("/movies/short.avi"), "short.avi");
}

TEST(FileExists, IsTrueForRegularFilesOnly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("film.avi");
    const QString hidden = dir.filePath(".hidden.avi");
    for (const QString& path : {file, hidden}) {
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));

    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(hidden)) << "a file named on purpose is found even when hidden";
    EXPECT_FALSE(FileExists(dir.filePath("folder")));
    EXPECT_FALSE(FileExists(dir.filePath("missing.avi")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(file + QChar(0) + "x")) << "a NUL cannot be part of a path";
    EXPECT_FALSE(FileExists(dir.filePath("film.avi/inside")));
    EXPECT_FALSE(FileExists(QString(5000, 'a'))) << "too long for the system: just false";
}
