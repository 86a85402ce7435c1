#include "app/ErrorReport.h"
#include "app/GuardedApplication.h"
#include "app/Player.h"
#include "app/ProductInfo.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "core/FileNames.h"
#include "desktop/DesktopSession.h"
#include "platform/QtPrompts.h"
#include "platform/QtSystemTray.h"
#include "playback/MpvEngine.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QScopeGuard>
#include <clocale>
#include <cstdio>

using namespace kyvra;

namespace {

// The command line as one text, the way the load step reads it, from the arguments' own bytes
// so a name that is not UTF-8 still opens. Files are named by absolute path so titles and the
// engine agree whatever the working folder, and quoted, so an option's text inside a file name
// is never taken for the option.
QString commandLineText(int argc, char* argv[]) {
    QStringList parts;
    for (int index = 1; index < argc; ++index) {
        const QString argument = pathFromBytes(QByteArray(argv[index]));
        const bool file = fileKind(argument) == FileKind::Regular;
        parts << (file ? QLatin1Char('"') + absolutePath(argument) + QLatin1Char('"') : argument);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char* argv[]) {
    // No Qt::AA_ShareOpenGLContexts: it creates a context, and so loads the OpenGL driver, while
    // the application starts. The picture is created inside the video window and stays there.
    GuardedApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kyvra-player"));
    // The program ends through its own quit paths, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    // libmpv parses numbers in the C locale; Qt has just set the user's.
    std::setlocale(LC_NUMERIC, "C");

    try {
        Player player({std::make_unique<MpvEngine>(), std::make_unique<QtPrompts>(kProductTitle),
                       Screen::primary(), QString(), commandLineText(argc, argv),
                       QApplication::applicationFilePath(), QString(),
                       std::make_unique<QtSystemTray>()});
        app.reportEscapedError = [&player](const AppError& error) {
            ReportError(player, error, QStringLiteral("An unexpected error occured."));
        };
        // Windows closing with the player must not report into it.
        const auto forgetPlayer = qScopeGuard([&app] { app.reportEscapedError = nullptr; });
        if (!Main(player) || player.ended())
            return 0;
        DesktopSession desktop(player, QDBusConnection::sessionBus());
        return QApplication::exec();
    } catch (const AppError& error) {
        std::fprintf(stderr, "kyvra-player: %s\n", qPrintable(error.description()));
        return 1;
    }
}
