#include "settings/FileTypes.h"

#include "settings/DesktopIntegration.h"
#include "settings/Registry.h"

#include <QDir>
#include <QStringList>

namespace kyvra {

namespace {

const QString classesRoot = QStringLiteral("HKEY_CLASSES_ROOT\\");

// Opens and plays the file the shell hands over; the executable is named by its real path.
QString openCommand(const QString& executablePath) {
    return u'"' + QDir::toNativeSeparators(executablePath) + QStringLiteral("\" \"%1\"");
}

void registerClasses(Registry& registry, const QString& executablePath) {
    const QString command = openCommand(executablePath);

    const QStringList extensions{".asf", ".avi", ".mpg", ".mpeg", ".mpe", ".dat", ".wmv"};
    for (const QString& extension : extensions)
        registry.DeleteRegKey(classesRoot + extension);
    for (const QString& extension : extensions)
        registry.CreateClassKey(extension);

    const std::pair<const char*, const char*> classOf[] = {
        {".avi", "avifile"}, {".mpe", "mpegfile"}, {".mpeg", "mpegfile"}, {".mpg", "mpegfile"},
        {".asf", "ASFfile"}, {".dat", "datfile"},  {".wmv", "wmvfile"},
    };
    for (const auto& [extension, fileClass] : classOf)
        registry.WriteRegValue(classesRoot + QLatin1String(extension), QString(),
                               QLatin1String(fileClass));

    // Deleting first drops whatever other verbs and values the classes had.
    for (const char* fileClass : {"avifile", "mpegfile", "asffile", "datfile", "wmvfile"})
        registry.DeleteRegKey(classesRoot + QLatin1String(fileClass));

    QStringList commandKeys;
    for (const char* fileClass : {"avifile", "mpegfile", "ASFfile", "datfile", "wmvfile"}) {
        for (const char* verb : {"Open", "Play"})
            commandKeys << QStringLiteral("%1\\Shell\\%2\\Command")
                               .arg(QLatin1String(fileClass), QLatin1String(verb));
    }
    for (const QString& key : commandKeys)
        registry.CreateClassKey(key);
    for (const QString& key : commandKeys)
        registry.WriteRegValue(classesRoot + key, QString(), command);
}

} // namespace

void RegisterFileTypes(Registry& registry, const QString& executablePath) {
    registerClasses(registry, executablePath);
    InstallDesktopHandler(executablePath);
}

} // namespace kyvra
