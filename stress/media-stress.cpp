// The whole player on the real engine (offscreen, no dialogs), with figures:
//   media-stress corrupt SAMPLES [VARIANTS=20]
//       damages each sample format VARIANTS ways (truncated, bytes overwritten, header zeroed),
//       opens every damaged file from the command line and through the open command, lets it
//       play for a moment and sorts what happened: it plays, or one of the player's own error
//       messages. Anything else, a crash, or a step that takes over 30 s fails the run.
//   media-stress memory SAMPLES [CYCLES=300]
//       opens, plays and stops the samples in turn and reports the resident memory's growth
//       after a warm-up; over 5 MB fails the run.
#include "app/Startup.h"
#include "dialogs/PlayerDialogs.h"
#include "panel/RemoteForm.h"
#include "playback/MediaEngine.h"
#include "playback/MpvEngine.h"
#include "player/Player.h"
#include "player/Settings.h"
#include "player/Transport.h"
#include "settings/RegistryStore.h"
#include "support/FakeTray.h"
#include "support/ScriptedPrompts.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <clocale>
#include <cstdio>
#include <thread>
#include <unistd.h>

using namespace kyvra;

namespace {

constexpr int hangSeconds = 30;
std::atomic<qint64> lastProgress{0};
QByteArray currentStep;

void progressed(const QByteArray& step) {
    currentStep = step;
    lastProgress = QDateTime::currentSecsSinceEpoch();
}

// A step that never returns is a hang: say which one and end the run.
void startWatchdog() {
    progressed("start");
    std::thread([] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            if (QDateTime::currentSecsSinceEpoch() - lastProgress > hangSeconds) {
                std::printf("HANG: %s\n", currentStep.constData());
                std::fflush(stdout);
                ::_exit(3);
            }
        }
    }).detach();
}

void runEvents(int ms) {
    const QDeadlineTimer until(ms);
    while (!until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// One run of the player with its own settings, starting without the splash.
class Session {
public:
    Session(const QString& dir, const QString& commandLine) {
        const QString registry = dir + QStringLiteral("/registry.reg");
        {
            RegistryStore store(registry);
            store.createKey(kSettingsKey);
            store.setValue(kSettingsKey, QStringLiteral("Splash"), QStringLiteral("no"));
        }
        auto scripted = std::make_unique<test::ScriptedPrompts>();
        prompts = scripted.get();
        player = std::make_unique<Player>(Player::Services{
            std::make_unique<MpvEngine>(), std::move(scripted), Screen(QSize(1280, 1024), 96, 96),
            registry, commandLine, QCoreApplication::applicationFilePath(),
            dir + QStringLiteral("/instance.lock"), std::make_unique<test::FakeTray>(),
            MakePlayerDialogs});
        player->onEnd = [] {};
        Main(*player);
    }

    // "plays", "message: <title>", or what went wrong.
    QString outcome(const QString& path) const {
        const auto message =
            std::find_if(prompts->shown.cbegin(), prompts->shown.cend(), [](const auto& shown) {
                return shown.kind == test::ScriptedPrompts::Shown::Message;
            });
        if (message == prompts->shown.cend())
            return player->engine().fileName().isEmpty() ? QStringLiteral("nothing happened")
                                                         : QStringLiteral("plays");
        const auto& shown = *message;
        const bool ours =
            (shown.title == QStringLiteral("Error") && shown.text.startsWith("An error occured")) ||
            (shown.title == QStringLiteral("File access error") &&
             shown.text == QStringLiteral("The file %1 is either corrupt or damaged.").arg(path));
        return (ours ? QStringLiteral("message: ") : QStringLiteral("UNEXPECTED message: ")) +
               shown.title;
    }

    test::ScriptedPrompts* prompts;
    std::unique_ptr<Player> player;
};

QStringList samples(const QString& dir) {
    return {dir + "/sample.avi", dir + "/sample.mpg", dir + "/sample.asf", dir + "/sample.wmv",
            dir + "/vcd/MPEGAV/AVSEQ01.DAT"};
}

// Twenty ways to damage a file; the first `count` of them spread over the three kinds.
QList<QPair<QString, QByteArray>> damagedVariants(const QByteArray& original, int count) {
    QList<QPair<QString, QByteArray>> all;
    for (double kept : {0.0, 0.01, 0.05, 0.1, 0.25, 0.5, 0.75})
        all.append({QStringLiteral("truncated-%1").arg(int(kept * 100)),
                    original.left(qsizetype(original.size() * kept))});
    for (int seed = 1; seed <= 7; ++seed) {
        QRandomGenerator random(seed);
        QByteArray bytes = original;
        for (int region = 0; region < seed * 3; ++region) {
            const qsizetype size = random.bounded(8, 4096);
            const qsizetype at = random.bounded(qsizetype(0), bytes.size() - size);
            for (qsizetype i = at; i < at + size; ++i)
                bytes[i] = char(random.bounded(256));
        }
        all.append({QStringLiteral("overwritten-%1").arg(seed), bytes});
    }
    for (int zeroed : {4, 16, 64, 256, 1024, 4096}) {
        QByteArray bytes = original;
        bytes.replace(0, zeroed, QByteArray(zeroed, '\0'));
        all.append({QStringLiteral("header-zeroed-%1").arg(zeroed), bytes});
    }
    QList<QPair<QString, QByteArray>> chosen;
    for (int i = 0; i < count && i < all.size(); ++i)
        chosen.append(all[qsizetype(i) * all.size() / qMin<qsizetype>(count, all.size())]);
    return chosen;
}

int corruptMedia(const QString& samplesDir, int variants) {
    QTemporaryDir dir;
    int failures = 0;
    QMap<QString, int> tally;
    for (const QString& sample : samples(samplesDir)) {
        QFile file(sample);
        if (!file.open(QIODevice::ReadOnly)) {
            std::printf("missing sample %s\n", qPrintable(sample));
            return 1;
        }
        const QString format = QFileInfo(sample).suffix().toLower();
        for (const auto& [name, bytes] : damagedVariants(file.readAll(), variants)) {
            const QString path = dir.filePath(name + u'.' + format);
            QFile damaged(path);
            damaged.open(QIODevice::WriteOnly);
            damaged.write(bytes);
            damaged.close();
            for (const bool commandLine : {true, false}) {
                const QString how =
                    commandLine ? QStringLiteral("command line") : QStringLiteral("open command");
                progressed(QStringLiteral("%1 from the %2").arg(path, how).toUtf8());
                QTemporaryDir sessionDir;
                Session session(sessionDir.path(), commandLine ? path : QString());
                if (!commandLine) {
                    session.prompts->fileAnswers.enqueue(path);
                    session.player->remote().load_Click();
                }
                runEvents(1500);
                const QString outcome = session.outcome(path);
                const bool ok = outcome == "plays" || outcome.startsWith("message: ");
                failures += !ok;
                ++tally[QStringLiteral("%1 %2: %3").arg(format, how, outcome)];
                if (!ok)
                    std::printf("FAILED %s from the %s: %s\n", qPrintable(name + u'.' + format),
                                qPrintable(how), qPrintable(outcome));
            }
        }
    }
    for (auto it = tally.cbegin(); it != tally.cend(); ++it)
        std::printf("%4d  %s\n", it.value(), qPrintable(it.key()));
    std::printf("%d damaged files x 2 ways: %d failures, 0 crashes, 0 hangs\n",
                int(samples(samplesDir).size()) * variants, failures);
    return failures == 0 ? 0 : 1;
}

double residentMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024;
    return 0;
}

int memoryOverTime(const QString& samplesDir, int cycles) {
    constexpr int warmUp = 20;
    QTemporaryDir dir;
    Session session(dir.path(), QString());
    const QStringList files = samples(samplesDir);
    double baseline = 0;
    for (int cycle = 1; cycle <= warmUp + cycles; ++cycle) {
        progressed(QStringLiteral("cycle %1").arg(cycle).toUtf8());
        session.prompts->fileAnswers.enqueue(files[cycle % files.size()]);
        session.player->remote().load_Click();
        runEvents(250);
        StopMedia(*session.player);
        runEvents(50);
        if (!session.prompts->messageTexts().isEmpty()) {
            std::printf("cycle %d: %s\n", cycle,
                        qPrintable(session.prompts->messageTexts().front()));
            return 1;
        }
        if (cycle == warmUp)
            baseline = residentMb();
        if (cycle > warmUp && (cycle - warmUp) % 50 == 0)
            std::printf("after %3d cycles: resident %.1f MB\n", cycle - warmUp, residentMb());
    }
    const double growth = residentMb() - baseline;
    std::printf("%d open/play/stop cycles after %d to warm up: resident %.1f MB -> %.1f MB, "
                "growth %.1f MB\n",
                cycles, warmUp, baseline, baseline + growth, growth);
    return growth < 5.0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::setlocale(LC_NUMERIC, "C");
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args[1] != "corrupt" && args[1] != "memory")) {
        std::fprintf(stderr, "usage: media-stress corrupt|memory SAMPLES [COUNT]\n");
        return 2;
    }
    // The player keeps its files and its desktop entries out of the user's home.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
    startWatchdog();
    if (args[1] == "corrupt")
        return corruptMedia(args[2], args.size() > 3 ? args[3].toInt() : 20);
    return memoryOverTime(args[2], args.size() > 3 ? args[3].toInt() : 300);
}
