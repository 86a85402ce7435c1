#include "settings/RegistryStore.h"

#include "settings/RegFileFormat.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace kyvra;

namespace {

const QString testKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Test");

class RegistryStoreTest : public ::testing::Test {
protected:
    static QByteArray bytesOf(const QString& name) {
        QFile file(name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(dir.filePath("kyvra"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QStringList backups() const {
        return QDir(dir.path() + "/kyvra").entryList({"registry.reg.damaged-*"}, QDir::Files);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("kyvra/registry.reg");
};

} // namespace

TEST_F(RegistryStoreTest, AwkwardNamesAndTextsComeBackExactly) {
    const QString key = testKey + QStringLiteral("\\we]ird \"key\" = é ");
    const std::vector<std::pair<QString, QString>> values{
        {"", "default"},
        {"a\"b\\c", "x\"y\\z\\"},
        {"=]", "two\r\nlines\nand a lone \r"},
        {QStringLiteral("ünï€ 🎬"), QStringLiteral("日本語 ")},
        {"@", "  spaces  "},
        {"empty", ""},
        {"name\nwith a break", "v"},
    };
    {
        RegistryStore store(path);
        ASSERT_TRUE(store.createKey(key));
        for (const auto& [name, text] : values)
            ASSERT_TRUE(store.setValue(key, name, text));
    }
    RegistryStore reread(path);
    for (const auto& [name, text] : values)
        EXPECT_EQ(reread.value(key, name), text) << name.toStdString();
    EXPECT_EQ(reread.valueNames(key).size(), qsizetype(values.size()));

    const QByteArray bytes = bytesOf(path);
    EXPECT_TRUE(bytes.startsWith("Windows Registry Editor Version 5.00\n\n["));
    EXPECT_TRUE(bytes.contains("\n@=\"default\"\n"));
    EXPECT_TRUE(bytes.contains("\n\"=]\"=\"two\\r\\nlines\\nand a lone \\r\"\n"));
    EXPECT_FALSE(parseRegFile(bytes).damaged);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(RegistryStoreTest, KeysNeedWellFormedPathsIgnoreCaseKeepTheirSpellingAndDeleteWhole) {
    RegistryStore store(path);
    EXPECT_FALSE(store.setValue(testKey, "lost", "x"));
    EXPECT_FALSE(store.keyExists(testKey));
    EXPECT_FALSE(QFile::exists(path)); // nothing changed, nothing written
    for (const char* bad :
         {"HKEY_NOWHERE\\x", "HKEY_CURRENT_USER\\a\\\\b", "HKEY_CURRENT_USER\\a\\",
          "\\HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\line\nbreak"})
        EXPECT_FALSE(store.createKey(bad)) << bad;
    EXPECT_TRUE(store.subkeyNames("HKEY_CURRENT_USER").isEmpty());

    for (const char* key : {"Quenmoor\\Kyvra\\Shell\\Open", "Quenmoor\\Kyvra2", "Quenmoor\\Kyvra!",
                            "Quenmoor\\.kyvra"})
        ASSERT_TRUE(store.createKey(testKey + '\\' + key));
    ASSERT_TRUE(store.createKey("hkey_current_user\\SOFTWARE\\test\\QUENMOOR\\KYVRA\\Print"));
    ASSERT_TRUE(store.setValue(testKey + "\\quenmoor\\kyvra", "Splash", "yes"));
    ASSERT_TRUE(store.setValue(testKey + "\\Quenmoor\\Kyvra", "SPLASH", "no"));

    RegistryStore reread(path);
    EXPECT_EQ(reread.subkeyNames("HKEY_CURRENT_USER\\software\\test"), QStringList{"Quenmoor"});
    EXPECT_EQ(reread.subkeyNames(testKey + "\\quenmoor\\kyvra"), (QStringList{"Print", "Shell"}));
    EXPECT_EQ(reread.valueNames(testKey + "\\QUENMOOR\\KYVRA"), QStringList{"Splash"});
    EXPECT_EQ(reread.value(testKey + "\\quenmoor\\kyvra", "splash"), "no");

    // Siblings that merely start with the deleted key's name stay; the first store, which read
    // the file before, sees the deletion.
    EXPECT_TRUE(reread.deleteKey(testKey + "\\QUENMOOR\\kyvra"));
    EXPECT_TRUE(reread.deleteKey(testKey + "\\missing"));
    EXPECT_FALSE(reread.deleteKey("HKEY_CURRENT_USER"));
    EXPECT_FALSE(store.keyExists(testKey + "\\Quenmoor\\Kyvra\\Shell"));
    EXPECT_EQ(store.subkeyNames(testKey + "\\Quenmoor"),
              (QStringList{".kyvra", "Kyvra!", "Kyvra2"}));
}

// Writers side by side and writers killed mid-save are the stress harness's (stress.registry).

TEST_F(RegistryStoreTest, ADamagedFileIsKeptAsideOnceAndWhatWasReadServes) {
    const QByteArray damaged = "Windows Registry Editor Version 5.00\n\n"
                               "[HKEY_CURRENT_USER\\Software\\Test]\n"
                               "\"good\"=\"1\"\n"
                               "garbage line\n"
                               "\"open\"=\"never closed\n"
                               "\"dword\"=dword:00000001\n"
                               "\"alsoGood\"=\"2\"\n";
    writeFile(damaged);
    EXPECT_EQ(RegistryStore(path).value(testKey, "good"), "1");
    RegistryStore again(path); // a second reading keeps no second copy
    EXPECT_EQ(again.value(testKey, "alsoGood"), "2");
    EXPECT_FALSE(again.value(testKey, "open"));
    ASSERT_EQ(backups().size(), 1);
    EXPECT_EQ(bytesOf(dir.filePath("kyvra/" + backups().front())), damaged);

    // The next change rewrites the file whole from what was read.
    ASSERT_TRUE(again.setValue(testKey, "new", "3"));
    const RegFileContents rewritten = parseRegFile(bytesOf(path));
    EXPECT_FALSE(rewritten.damaged);
    EXPECT_EQ(rewritten.tree.valueNames(testKey), (QStringList{"alsoGood", "good", "new"}));

    // Well-formed lines without the header line are a damaged file too; CR LF line ends, as a
    // file edited on another system has, are not.
    writeFile("[HKEY_CURRENT_USER\\Software\\Test]\n\"good\"=\"4\"\n");
    EXPECT_EQ(RegistryStore(path).value(testKey, "good"), "4");
    EXPECT_EQ(backups().size(), 2);
    writeFile("Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Test]\r\n"
              "\"good\"=\"5\"\r\n@=\"default\"\r\n");
    RegistryStore crLf(path);
    EXPECT_EQ(crLf.value(testKey, "good"), "5");
    EXPECT_EQ(crLf.value(testKey, ""), "default");
    EXPECT_EQ(backups().size(), 2);
}

TEST_F(RegistryStoreTest, AFileThatCannotBeReadOrWrittenFailsSoftly) {
    ASSERT_TRUE(QDir().mkpath(path)); // a directory where the file should be
    RegistryStore unreadable(path);
    EXPECT_FALSE(unreadable.keyExists("HKEY_CURRENT_USER"));
    EXPECT_FALSE(unreadable.setValue("HKEY_CURRENT_USER", "x", "1"));

    QFile blocker(dir.filePath("blocker")); // a file where a folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    RegistryStore unwritable(dir.filePath("blocker/registry.reg"));
    EXPECT_FALSE(unwritable.createKey(testKey));
    EXPECT_FALSE(unwritable.value("HKEY_CURRENT_USER", ""));
}

TEST_F(RegistryStoreTest, ALockNeverStallsAChangeAndAChangeThatCannotLockIsKept) {
    const QString lockPath = path + ".lock";
    RegistryStore store(path);
    ASSERT_TRUE(store.createKey(testKey));
    QElapsedTimer clock;

    // What a writer killed while taking the lock leaves: an empty file, or an empty folder.
    QFile empty(lockPath);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    ASSERT_TRUE(empty.setFileTime(QDateTime::currentDateTime().addSecs(-1),
                                  QFileDevice::FileModificationTime));
    empty.close();
    clock.start();
    EXPECT_TRUE(store.setValue(testKey, "afterEmptyLock", "1"));
    ASSERT_TRUE(QDir().mkdir(lockPath));
    EXPECT_TRUE(store.setValue(testKey, "afterFolder", "2"));
    EXPECT_LT(clock.elapsed(), 500);
    EXPECT_EQ(RegistryStore(path).valueNames(testKey),
              (QStringList{"afterEmptyLock", "afterFolder"}));

    // A live owner that does not let go: the change waits about a second, then is kept.
    auto hung = std::make_unique<QLockFile>(lockPath);
    ASSERT_TRUE(hung->tryLock(0));
    clock.restart();
    EXPECT_TRUE(store.setValue(testKey, "whileHeld", "3"));
    EXPECT_LT(clock.elapsed(), 1500);
    clock.restart();             // and once is enough
    for (int n = 0; n < 20; ++n) // changes that change nothing included
        EXPECT_TRUE(store.createKey(testKey));
    EXPECT_LT(clock.elapsed(), 300);
    EXPECT_EQ(store.value(testKey, "whileHeld"), "3");
    EXPECT_FALSE(RegistryStore(path).value(testKey, "whileHeld"));
    EXPECT_TRUE(store.hasPendingChanges());
    EXPECT_FALSE(store.storePendingChanges(0));

    hung.reset();
    {
        RegistryStore other(path); // another process writing meanwhile is not overwritten
        ASSERT_TRUE(other.setValue(testKey, "other", "4"));
    }
    EXPECT_TRUE(store.setValue(testKey, "next", "5"));
    EXPECT_FALSE(store.hasPendingChanges());
    EXPECT_EQ(RegistryStore(path).valueNames(testKey),
              (QStringList{"afterEmptyLock", "afterFolder", "next", "other", "whileHeld"}));

    // Kept changes are stored at the latest when the store closes.
    hung = std::make_unique<QLockFile>(lockPath);
    ASSERT_TRUE(hung->tryLock(0));
    auto closing = std::make_unique<RegistryStore>(path);
    EXPECT_TRUE(closing->setValue(testKey, "atClose", "6"));
    hung.reset();
    closing.reset();
    EXPECT_EQ(RegistryStore(path).value(testKey, "atClose"), "6");
}
