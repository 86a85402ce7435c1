// Times how long a program takes to put something on screen, for bench/run-bench.sh. It starts
// the program, grabs the whole X screen over and over and stops at the first grab that shows
// what was asked for; every program is timed the same way, so the times compare.
//
//   screen-watch window TIMEOUT_MS -- COMMAND [ARGS...]
//       Until anything but black shows: run the X server with a black root window (-br).
//   screen-watch colour RRGGBB TIMEOUT_MS -- COMMAND [ARGS...]
//       Until a patch of that colour (a hundredth of the screen, within a small tolerance)
//       shows: the bench's clip carries such a patch in every frame.
//
// Prints "PID MILLISECONDS" (MILLISECONDS -1 on a timeout) and leaves the program running.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Every fourth pixel of every fourth row: a grab is searched in a fraction of the time it takes.
constexpr int stride = 4;

bool showsAnything(const QImage& screen) {
    for (int y = 0; y < screen.height(); y += stride) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); x += stride) {
            if ((row[x] & 0xffffff) != 0)
                return true;
        }
    }
    return false;
}

bool showsColour(const QImage& screen, QRgb colour) {
    // Video is stored subsampled and with limited range: allow for the colour's drift.
    constexpr int tolerance = 40;
    const long wanted = long(screen.width() / stride) * (screen.height() / stride) / 100;
    long found = 0;
    for (int y = 0; y < screen.height(); y += stride) {
        const auto* row = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); x += stride) {
            const QRgb pixel = row[x];
            if (std::abs(qRed(pixel) - qRed(colour)) < tolerance &&
                std::abs(qGreen(pixel) - qGreen(colour)) < tolerance &&
                std::abs(qBlue(pixel) - qBlue(colour)) < tolerance && ++found >= wanted)
                return true;
        }
    }
    return false;
}

int usage() {
    std::fprintf(stderr, "usage: screen-watch window TIMEOUT_MS -- COMMAND [ARGS...]\n"
                         "       screen-watch colour RRGGBB TIMEOUT_MS -- COMMAND [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const qsizetype separator = args.indexOf(QStringLiteral("--"));
    if (separator < 2 || separator + 1 >= args.size())
        return usage();
    const QStringList command = args.mid(separator + 1);
    args = args.mid(0, separator);

    std::optional<QRgb> colour;
    if (args[0] == QLatin1String("colour") && args.size() == 3) {
        bool ok = false;
        colour = qRgb(0, 0, 0) | args[1].toUInt(&ok, 16);
        if (!ok)
            return usage();
    } else if (args[0] != QLatin1String("window") || args.size() != 2) {
        return usage();
    }
    const int timeoutMs = args.last().toInt();

    QScreen* screen = QGuiApplication::primaryScreen();
    const auto shows = [&] {
        const QImage grab = screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        return colour ? showsColour(grab, *colour) : showsAnything(grab);
    };
    if (shows()) {
        std::fprintf(stderr, "screen-watch: the screen shows it before the program runs\n");
        return 1;
    }

    qint64 pid = 0;
    QElapsedTimer clock;
    clock.start();
    QProcess program;
    program.setProgram(command[0]);
    program.setArguments(command.mid(1));
    // Nothing the program writes may hold up or break the caller reading this one's answer.
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    if (!program.startDetached(&pid)) {
        std::fprintf(stderr, "screen-watch: cannot start %s\n", qPrintable(command[0]));
        return 1;
    }
    while (clock.elapsed() < timeoutMs) {
        if (shows()) {
            std::printf("%lld %lld\n", pid, clock.elapsed());
            return 0;
        }
        QThread::msleep(5);
    }
    std::printf("%lld -1\n", pid);
    return 0;
}
