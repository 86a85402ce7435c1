#include "app/Player.h"
#include "app/ProductInfo.h"
#include "app/Startup.h"
#include "core/AppError.h"
#include "platform/QtPrompts.h"
#include "playback/MpvEngine.h"

#include <QApplication>
#include <QFileInfo>
#include <clocale>
#include <cstdio>

using namespace kyvra;

namespace {

// The command line as one text, the way the load step reads it. Files are named by absolute
// path so titles and the engine agree whatever the working folder.
QString commandLineText(const QStringList& arguments) {
    QStringList parts;
    for (const QString& argument : arguments) {
        const QFileInfo file(argument);
        parts << (file.isFile() ? file.absoluteFilePath() : argument);
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace

int main(int argc, char* argv[]) {
    // No Qt::AA_ShareOpenGLContexts: it creates a context, and so loads the OpenGL driver, while
    // the application starts. The picture is created inside the video window and stays there.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kyvra-player"));
    // The program ends through its own quit paths, not when a window happens to close.
    QApplication::setQuitOnLastWindowClosed(false);
    // libmpv parses numbers in the C locale; Qt has just set the user's.
    std::setlocale(LC_NUMERIC, "C");

    try {
        Player player({std::make_unique<MpvEngine>(), std::make_unique<QtPrompts>(kProductTitle),
                       Screen::primary(), QString(),
                       commandLineText(QApplication::arguments().mid(1)),
                       QApplication::applicationFilePath(), QString()});
        if (!Main(player) || player.ended())
            return 0;
        return QApplication::exec();
    } catch (const AppError& error) {
        std::fprintf(stderr, "kyvra-player: %s\n", qPrintable(error.description()));
        return 1;
    }
}
