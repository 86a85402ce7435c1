// Registering the video file types: the registry's class keys and the desktop's handler files.
#include "settings/FileTypes.h"

#include "settings/RegistryStore.h"
#include "support/PlayerFixture.h"

#include <QFile>

using namespace kyvra;

namespace {

const QString root = "HKEY_CLASSES_ROOT\\";

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeContents(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

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
    EXPECT_TRUE(prompts->shown.empty());
}

TEST_F(FileTypes, DesktopFilesNameTheRealExecutableAndRunningAgainChangesNothing) {
    writeContents(mimeApps(), "[Default Applications]\nimage/png=viewer.desktop;\n");
    Player& player = makePlayer();
    registerFor(player);
    const QList<QByteArray> entryLines = contents(desktopFile()).split('\n');
    EXPECT_TRUE(entryLines.contains("Exec=\"" + executable().toUtf8() + "\" %f"));
    EXPECT_TRUE(entryLines.contains("MimeType=video/x-msvideo;video/avi;video/mpeg;"
                                    "application/vnd.ms-asf;video/x-ms-asf;video/x-ms-wmv;"));
    EXPECT_EQ(contents(mimeApps()), "[Default Applications]\nimage/png=viewer.desktop;\n"
                                    "video/x-msvideo=kyvra-player.desktop;\n"
                                    "video/avi=kyvra-player.desktop;\n"
                                    "video/mpeg=kyvra-player.desktop;\n"
                                    "application/vnd.ms-asf=kyvra-player.desktop;\n"
                                    "video/x-ms-asf=kyvra-player.desktop;\n"
                                    "video/x-ms-wmv=kyvra-player.desktop;\n");
    QFile resource(":/icons/kyvra-player.svg");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(contents(iconFile()), resource.readAll());

    const QByteArray registry = contents(registryPath()), entry = contents(desktopFile()),
                     defaults = contents(mimeApps()), icon = contents(iconFile());
    registerFor(player);
    registerFor(makePlayer()); // and from the next run
    EXPECT_EQ(contents(registryPath()), registry);
    EXPECT_EQ(contents(desktopFile()), entry);
    EXPECT_EQ(contents(mimeApps()), defaults);
    EXPECT_EQ(contents(iconFile()), icon);

    // The desktop's folders are looked up at each call.
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", dir.filePath("home").toUtf8());
    qunsetenv("XDG_DATA_HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config"); // not absolute: ignored
    registerFor(*this->player);
    qputenv("HOME", home);
    EXPECT_TRUE(QFile::exists(dir.filePath("home/.local/share/applications/kyvra-player.desktop")));
    EXPECT_TRUE(contents(dir.filePath("home/.config/mimeapps.list")).contains("video/mpeg="));
}

TEST_F(FileTypes, DesktopStepsThatFailAreSkippedSilently) {
    // The data folder is a file: no entry can be written, so the defaults are not pointed at one.
    writeContents(dir.filePath("data"), "not a folder");
    writeContents(mimeApps(), "[Default Applications]\nvideo/mpeg=other.desktop;\n");
    Player& player = makePlayer();
    registerFor(player);
    EXPECT_EQ(contents(mimeApps()), "[Default Applications]\nvideo/mpeg=other.desktop;\n");
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
