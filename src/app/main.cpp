#include "app/GuardedApplication.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "core/CommandLine.h"
#include "core/FileNames.h"
#include "core/ProductInfo.h"
#include "desktop/DesktopSession.h"
#include "dialogs/PlayerDialogs.h"
#include "platform/DisplayCheck.h"
#include "platform/QtPrompts.h"
#include "platform/QtSystemTray.h"
#include "playback/MpvEngine.h"
#include "player/ErrorReport.h"
#include "player/Player.h"

#include <QApplication>
#include <QDBusConnection>
#include <QScopeGuard>
#include <clocale>
#include <cstdio>

using namespace kyvra;

namespace {

QList<QByteArray> argumentsAfterTheProgram(int argc, char* argv[]) {
    QList<QByteArray> arguments;
    for (int index = 1; index < argc; ++index)
        arguments << QByteArray(argv[index]);
    return arguments;
}

} // namespace

int main(int argc, char* argv[]) {
    const DisplayChoice display = SettleDisplay();
    if (display.problem) {
        std::fprintf(stderr, "kyvra-player: %s\n", qPrintable(*display.problem));
        return 1;
    }
    // No Qt::AA_ShareOpenGLContexts: it creates a context, and so loads the OpenGL driver, while
    // the application starts. The picture is created inside the video window and stays there.
    GuardedApplication app(argc, argv);
    // Qt has read it: programs started from here (the browser) make their own choice.
    if (!display.platform.isEmpty())
        qunsetenv("QT_QPA_PLATFORM");
    QApplication::setApplicationName(QStringLiteral("kyvra-player"));
    // The program ends through its own quit paths, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    // libmpv parses numbers in the C locale; Qt has just set the user's.
    std::setlocale(LC_NUMERIC, "C");

    try {
        const MpvEngineOptions engine{.rendering = renderingNamed(qgetenv("KYVRA_PICTURE"))};
        Player player({std::make_unique<MpvEngine>(engine),
                       std::make_unique<QtPrompts>(kProductTitle), Screen::primary(), QString(),
                       CommandLineText(argumentsAfterTheProgram(argc, argv)),
                       QApplication::applicationFilePath(), QString(),
                       std::make_unique<QtSystemTray>(), MakePlayerDialogs});
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
