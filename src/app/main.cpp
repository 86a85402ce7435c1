#include "app/CommandLine.h"
#include "app/Player.h"
#include "app/ProductInfo.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "platform/QtPrompts.h"
#include "playback/MpvEngine.h"

#include <QApplication>
#include <clocale>
#include <cstdio>

using namespace kyvra;

int main(int argc, char* argv[]) {
    // The picture surface moves between windows (into the video window, in and out of full
    // screen); shared contexts keep its OpenGL state alive across those moves.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kyvra-player"));
    // The program ends through its own quit paths, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    // libmpv parses numbers in the C locale; Qt has just set the user's.
    std::setlocale(LC_NUMERIC, "C");

    try {
        Player player({std::make_unique<MpvEngine>(), std::make_unique<QtPrompts>(kProductTitle),
                       Screen::primary(), QString(),
                       CommandLineText(QApplication::arguments().mid(1)),
                       QApplication::applicationFilePath(), QString()});
        if (!Main(player) || player.ended())
            return 0;
        return QApplication::exec();
    } catch (const AppError& error) {
        std::fprintf(stderr, "kyvra-player: %s\n", qPrintable(error.description()));
        return 1;
    }
}
