// Registering the video file types: the registry's class keys and the desktop's handler files.
#include "settings/FileTypes.h"

#include "support/PlayerFixture.h"

using namespace kyvra;

const QString root = "HKEY_CLASSES_ROOT\\";

class FileTypes : public test::PlayerFixture {
protected:
    QString desktopFile() const { return dir.filePath("data/applications/kyvra-player.desktop"); }
    QString iconFile() const {
        return dir.filePath("data/icons/hicolor/scalable/apps/kyvra-player.svg");
    }
    QString mimeApps() const { return dir.filePath("config/mimeapps.list"); }
    QString executable() const { return dir.filePath("bin/kyvra-player"); }
    static void registerFor(Player& player) {
        RegisterFileTypes(player.registry(), player.executablePath());
    }
};

TEST_F(FileTypes, WritesTheClassKeysAndDropsWhatTheyHadBefore) {
    const std::pair<const char*, const char*> classes[] = {
        {".avi", "avifile"}, {".mpg", "mpegfile"}, {".mpeg", "mpegfile"}, {".mpe", "mpegfile"},
        {".asf", "ASFfile"}, {".dat", "datfile"},  {".wmv", "wmvfile"}};
    {
        // Every extension and every class carries something of an earlier registration.
        RegistryStore store(registryPath());
        for (const auto& [extension, fileClass] : classes) {
            store.createKey(root + extension + "\\OpenWithList");
            store.setValue(root + extension, "Content Type", "video/old");
            store.createKey(root + QString(fileClass).toUpper() + "\\Shell\\print\\Command");
        }
        store.createKey(root + ".txt");
        store.setValue(root + ".txt", "", "txtfile");
    }
    registerFor(makePlayer());

    RegistryStore store(registryPath());
    const QString openCommand = '"' + executable() + "\" \"%1\"";
    for (const auto& [extension, fileClass] : classes) {
        EXPECT_EQ(store.value(root + extension, ""), fileClass) << extension;
        EXPECT_EQ(store.valueNames(root + extension), QStringList{""}) << extension;
        EXPECT_TRUE(store.subkeyNames(root + extension).isEmpty()) << extension;
        for (const char* verb : {"Open", "Play"})
            EXPECT_EQ(store.value(root + fileClass + "\\Shell\\" + verb + "\\Command", ""),
                      openCommand)
                << fileClass << verb;
        EXPECT_EQ(store.subkeyNames(root + fileClass + "\\Shell"), (QStringList{"Open", "Play"}));
    }
    EXPECT_EQ(store.value(root + ".txt", ""), "txtfile") << "other types are left alone";
}

TEST_F(FileTypes, DesktopFilesNameTheRealExecutableAndRunningAgainChangesNothing) {
    writeFile("config/mimeapps.list", "[Default Applications]\nimage/png=viewer.desktop;\n");
    Player& player = makePlayer();
    registerFor(player);
    const QList<QByteArray> entryLines = bytesOf(desktopFile()).split('\n');
    EXPECT_TRUE(entryLines.contains("Exec=\"" + executable().toUtf8() + "\" %f"));
    EXPECT_TRUE(entryLines.contains("MimeType=video/x-msvideo;video/avi;video/mpeg;"
                                    "application/vnd.ms-asf;video/x-ms-asf;video/x-ms-wmv;"));
    // Each of the six types points at the entry, after what the list held; the editing itself is
    // the MimeAppsList unit test's.
    const QByteArray defaults = bytesOf(mimeApps());
    EXPECT_TRUE(defaults.startsWith("[Default Applications]\nimage/png=viewer.desktop;\nvideo/"));
    EXPECT_EQ(defaults.count("=kyvra-player.desktop;\n"), 6);
    QFile resource(":/icons/kyvra-player.svg");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(bytesOf(iconFile()), resource.readAll());

    const QByteArray registry = bytesOf(registryPath()), entry = bytesOf(desktopFile()),
                     icon = bytesOf(iconFile());
    registerFor(player);
    registerFor(makePlayer()); // and from the next run
    EXPECT_EQ(bytesOf(registryPath()), registry);
    EXPECT_EQ(bytesOf(desktopFile()), entry);
    EXPECT_EQ(bytesOf(mimeApps()), defaults);
    EXPECT_EQ(bytesOf(iconFile()), icon);

    // The desktop's folders are looked up at each call.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.filePath("home").toUtf8());
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config"); // not absolute: ignored
    registerFor(*this->player);
    qputenv("HOME", home);
    EXPECT_TRUE(QFile::exists(dir.filePath("home/.local/share/applications/kyvra-player.desktop")));
    EXPECT_TRUE(bytesOf(dir.filePath("home/.config/mimeapps.list")).contains("video/mpeg="));
}

TEST_F(FileTypes, DesktopStepsThatFailAreSkippedSilently) {
    // The data folder is a file: no entry can be written, so the defaults are not pointed at one.
    writeFile("data", "not a folder");
    writeFile("config/mimeapps.list", "[Default Applications]\nvideo/mpeg=other.desktop;\n");
    Player& player = makePlayer();
    registerFor(player);
    EXPECT_EQ(bytesOf(mimeApps()), "[Default Applications]\nvideo/mpeg=other.desktop;\n");
    EXPECT_EQ(RegistryStore(registryPath()).value(root + ".wmv", ""), "wmvfile");

    // A list that cannot be read as a file is left as it is.
    QFile::remove(dir.filePath("data"));
    QFile::remove(mimeApps());
    QDir().mkpath(mimeApps());
    registerFor(player);
    EXPECT_TRUE(QFileInfo(mimeApps()).isDir());
    EXPECT_TRUE(QFile::exists(desktopFile()));
    EXPECT_TRUE(prompts->shown.empty());
}
