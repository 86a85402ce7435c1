// The registry file under load and under crashes, with figures:
//  - 2 and 4 writer processes, each storing WRITES distinct values, then each adding 1 to one
//    shared value WRITES times: nothing lost, the file never damaged;
//  - a writer killed with SIGKILL at a random moment while it saves, KILLS times: the file always
//    reads whole with the old or the new version, and the next change is never held up by the
//    lock the killed writer left.
// Usage: registry-stress WRITER [WRITES=500] [KILLS=100]   (WRITER: the registry-writer tool)
// Exit code 0 when every figure is as it must be.
#include "settings/RegFileFormat.h"
#include "settings/RegistryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <deque>

using namespace kyvra;

namespace {

const QString testKey = QStringLiteral("HKEY_CURRENT_USER\\Software\\Test");
constexpr int killPad = 200'000; // a version big enough that kills land inside saves

QString writerPath;
int failures = 0;

void check(bool ok, const char* what) {
    if (!ok) {
        ++failures;
        std::printf("  FAILED: %s\n", what);
    }
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int damagedCopies(const QString& path) {
    const QFileInfo info(path);
    return int(info.dir().entryList({info.fileName() + ".damaged-*"}, QDir::Files).size());
}

// Runs the writers side by side; true when every one ended well within the time.
bool runWriters(const QList<QStringList>& argumentLists) {
    std::deque<QProcess> writers;
    for (const QStringList& arguments : argumentLists)
        writers.emplace_back().start(writerPath, arguments);
    bool ok = true;
    for (QProcess& writer : writers) {
        ok = writer.waitForFinished(600'000) && writer.exitStatus() == QProcess::NormalExit &&
             writer.exitCode() == 0 && ok;
        if (writer.exitCode() != 0)
            std::printf("  writer: %s\n", writer.readAllStandardError().constData());
    }
    return ok;
}

void distinctValues(int processes, int writes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.reg"));
    QList<QStringList> writers;
    for (int p = 0; p < processes; ++p)
        writers << QStringList{path, QStringLiteral("p%1_").arg(p), QString::number(writes)};
    QElapsedTimer clock;
    clock.start();
    check(runWriters(writers), "every writer succeeded");
    const double seconds = clock.elapsed() / 1000.0;

    const RegFileContents contents = parseRegFile(readAll(path));
    int stored = 0;
    for (int p = 0; p < processes; ++p)
        for (int n = 0; n < writes; ++n)
            stored += contents.tree.value(testKey, QStringLiteral("p%1_%2").arg(p).arg(n)) ==
                      QString::number(n);
    const int corrupt = int(contents.damaged) + damagedCopies(path);
    const int lost = processes * writes - stored;
    std::printf("distinct values   %d processes x %d writes: %d stored, %d lost, %d corrupt, "
                "%.1f s (%.1f ms a write)\n",
                processes, writes, stored, lost, corrupt, seconds,
                1000 * seconds / (processes * writes));
    check(lost == 0 && corrupt == 0, "no value lost, no file damaged");
}

void sharedCounter(int processes, int writes) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.reg"));
    QList<QStringList> writers;
    for (int p = 0; p < processes; ++p)
        writers << QStringList{QStringLiteral("--increment"), path, QStringLiteral("shared"),
                               QString::number(writes)};
    QElapsedTimer clock;
    clock.start();
    check(runWriters(writers), "every writer succeeded");
    const double seconds = clock.elapsed() / 1000.0;

    const RegFileContents contents = parseRegFile(readAll(path));
    const qint64 counted = contents.tree.value(testKey, QStringLiteral("shared"))
                               .value_or(QStringLiteral("0"))
                               .toLongLong();
    const int corrupt = int(contents.damaged) + damagedCopies(path);
    const qint64 lost = qint64(processes) * writes - counted;
    std::printf("read-modify-write %d processes x %d writes: counter %lld, %lld lost, %d corrupt, "
                "%.1f s\n",
                processes, writes, counted, lost, corrupt, seconds);
    check(lost == 0 && corrupt == 0, "no increment lost, no file damaged");
}

// The number of the writer's version in the file, -1 when it has none.
int versionIn(const RegistryTree& tree) {
    const auto loop = tree.value(testKey, QStringLiteral("loop"));
    if (!loop)
        return -1;
    const QString number = loop->section(u':', 0, 0);
    return *loop == number + u':' + QString(killPad, u'x') ? number.toInt() : -2;
}

void killedWriters(int kills) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.reg"));
    {
        RegistryStore store(path);
        store.createKey(testKey);
        store.setValue(testKey, QStringLiteral("kept"), QStringLiteral("yes"));
    }
    QRandomGenerator random(20261207);
    int wholeAndOldOrNew = 0, emptyLocksLeft = 0;
    QList<qint64> nextChangeMs;
    int previous = -1;
    for (int k = 0; k < kills; ++k) {
        QProcess writer;
        writer.start(writerPath,
                     {path, QStringLiteral("loop"), QStringLiteral("0"), QString::number(killPad)});
        if (!writer.waitForReadyRead(30'000)) {
            check(false, "the writer started");
            continue;
        }
        QThread::msleep(random.bounded(0, 400));
        writer.kill();
        writer.waitForFinished(30'000);
        const QList<QByteArray> lines = writer.readAllStandardOutput().split('\n');
        int lastStored = -1;
        for (const QByteArray& line : lines) {
            bool number = false;
            const int n = line.toInt(&number);
            if (number)
                lastStored = n;
        }

        const RegFileContents contents = parseRegFile(readAll(path));
        const int version = versionIn(contents.tree);
        const int oldVersion = lastStored >= 0 ? lastStored : previous;
        const bool ok = !contents.damaged &&
                        contents.tree.value(testKey, QStringLiteral("kept")) == "yes" &&
                        (version == oldVersion || version == lastStored + 1);
        wholeAndOldOrNew += ok;
        if (!ok)
            std::printf("  kill %d: version %d, stored up to %d before\n", k, version, lastStored);
        previous = version;

        QFile lock(path + QStringLiteral(".lock"));
        emptyLocksLeft += lock.exists() && lock.size() == 0;
        QElapsedTimer clock;
        clock.start();
        RegistryStore next(path);
        check(next.setValue(testKey, QStringLiteral("after"), QString::number(k)) &&
                  !next.hasPendingChanges(),
              "the next change is stored at once");
        nextChangeMs << clock.elapsed();
    }
    std::sort(nextChangeMs.begin(), nextChangeMs.end());
    std::printf("SIGKILL during saves %d times: %d whole with the old or new version, "
                "%d empty locks left behind, the next change took %lld ms (median), %lld ms "
                "(slowest), %d corrupt\n",
                kills, wholeAndOldOrNew, emptyLocksLeft, nextChangeMs.value(kills / 2),
                nextChangeMs.value(kills - 1), damagedCopies(path));
    check(wholeAndOldOrNew == kills && damagedCopies(path) == 0, "every kill left a whole file");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: registry-stress WRITER [WRITES=500] [KILLS=100]\n");
        return 2;
    }
    writerPath = args[1];
    const int writes = args.size() > 2 ? args[2].toInt() : 500;
    const int kills = args.size() > 3 ? args[3].toInt() : 100;
    for (int processes : {2, 4}) {
        distinctValues(processes, writes);
        sharedCounter(processes, writes);
    }
    killedWriters(kills);
    return failures == 0 ? 0 : 1;
}
