// Measures the engine for bench/player-bench.sh.
//
//   engine-open-bench open SAMPLES_DIR [RUNS]
//       Opens every sample RUNS times (headless) and prints the median time of setFileName in
//       milliseconds, then the median cost of reading the position while a clip plays.
//   engine-open-bench play FILE [SECONDS] [--opengl|--software] [--size=WxH]
//       Shows the picture in a window (720x480 unless told) and plays FILE over and over, for
//       SECONDS (until killed when 0 or absent), with the renderer the engine picks or the one
//       named; then prints "dropped N", the frames the engine dropped.
#include "core/AppError.h"
#include "playback/MpvEngine.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <vector>

using kyvra::MediaEngine;
using kyvra::MpvEngine;
using kyvra::MpvEngineOptions;

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int benchOpen(const QString& samplesDir, int runs) {
    MpvEngine engine(MpvEngineOptions{.headless = true});
    for (const char* name :
         {"sample.avi", "sample.mpg", "sample.wmv", "sample.asf", "vcd/MPEGAV/AVSEQ01.DAT"}) {
        const QString path = samplesDir + "/" + name;
        std::vector<double> times;
        for (int run = 0; run < runs; ++run) {
            QElapsedTimer timer;
            timer.start();
            engine.setFileName(path);
            times.push_back(timer.nsecsElapsed() / 1e6);
            QCoreApplication::processEvents();
        }
        std::printf("open %-24s median %.2f ms over %d runs\n", name, median(times), runs);
    }

    engine.setFileName(samplesDir + "/sample.avi");
    engine.play();
    std::vector<double> reads;
    for (int batch = 0; batch < 50; ++batch) {
        QElapsedTimer timer;
        timer.start();
        double sum = 0;
        for (int read = 0; read < 200; ++read)
            sum += engine.currentPosition();
        reads.push_back(timer.nsecsElapsed() / 200e3);
        QCoreApplication::processEvents();
        if (sum < 0)
            return 1;
    }
    std::printf("position read while playing: median %.2f us\n", median(reads));
    return 0;
}

int playInWindow(const QString& path, int seconds, MpvEngineOptions::Rendering rendering,
                 QSize size) {
    QWidget window;
    window.setWindowTitle("engine-open-bench");
    window.resize(size);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    MpvEngine engine(MpvEngineOptions{.rendering = rendering});
    layout->addWidget(engine.surface());
    window.show();

    QObject::connect(&engine, &MediaEngine::endOfStream, &engine, [&engine] {
        engine.setCurrentPosition(0);
        engine.play();
    });
    engine.setFileName(path);
    engine.play();
    if (seconds > 0)
        QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    const int status = QApplication::exec();
    std::printf("dropped %d\n", engine.lostPackets());
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    try {
        if (args.size() >= 3 && args[1] == "open")
            return benchOpen(args[2], args.size() > 3 ? std::max(1, args[3].toInt()) : 20);
        if (args.size() >= 3 && args[1] == "play") {
            using Rendering = MpvEngineOptions::Rendering;
            const Rendering rendering = args.contains("--opengl")     ? Rendering::OpenGL
                                        : args.contains("--software") ? Rendering::Software
                                                                      : Rendering::Automatic;
            QSize size(720, 480);
            for (const QString& arg : args) {
                if (arg.startsWith("--size=")) {
                    const QStringList wh = arg.mid(7).split('x');
                    size = QSize(wh.value(0).toInt(), wh.value(1).toInt()).expandedTo({64, 64});
                }
            }
            return playInWindow(args[2], args.size() > 3 ? args[3].toInt() : 0, rendering, size);
        }
    } catch (const kyvra::AppError& error) {
        std::fprintf(stderr, "engine error %d: %s\n", error.number(), error.what());
        return 1;
    }
    std::fprintf(
        stderr,
        "usage: engine-open-bench open SAMPLES_DIR [RUNS]\n"
        "       engine-open-bench play FILE [SECONDS] [--opengl|--software] [--size=WxH]\n");
    return 2;
}
