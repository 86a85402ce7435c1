// Writes into a registry file through RegistryStore, one transaction per change, for the stress
// runs that run writers side by side or kill one in the middle of a write.
//
//   registry-writer FILE PREFIX COUNT
//       values PREFIX0 .. PREFIX<COUNT-1> = "0" .. "<COUNT-1>"
//   registry-writer FILE PREFIX 0 PAD
//       rewrites the value PREFIX as "<n>:" followed by PAD 'x's, n = 0, 1, 2 ... until killed,
//       printing "<n>" once each version is stored
//   registry-writer --increment FILE NAME COUNT
//       adds 1 to the number in the value NAME, COUNT times, each a read-modify-write
//
// under HKEY_CURRENT_USER\Software\Test. Prints "ready" once the key exists; exit code 1 when a
// change failed or was still waiting for the lock at the end.
#include "settings/RegistryStore.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Test");

bool writeAll(kyvra::RegistryStore& store, const QString& prefix, int count, int pad) {
    for (int n = 0; count == 0 || n < count; ++n) {
        if (count > 0) {
            if (!store.setValue(key, prefix + QString::number(n), QString::number(n)))
                return false;
            continue;
        }
        if (!store.setValue(key, prefix, QString::number(n) + u':' + QString(pad, u'x')))
            return false;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    return true;
}

bool increment(kyvra::RegistryStore& store, const QString& name, int count) {
    for (int n = 0; n < count; ++n) {
        const bool stored = store.updateValue(key, name, [](const std::optional<QString>& value) {
            return QString::number(value.value_or(QStringLiteral("0")).toLongLong() + 1);
        });
        if (!stored)
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool incrementing = args.size() > 1 && args[1] == QStringLiteral("--increment");
    if (incrementing)
        args.removeAt(1);
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: registry-writer FILE PREFIX COUNT [PAD]\n"
                             "       registry-writer --increment FILE NAME COUNT\n");
        return 2;
    }
    kyvra::RegistryStore store(args[1]);
    if (!store.createKey(key))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    const int count = args[3].toInt();
    const bool done = incrementing
                          ? increment(store, args[2], count)
                          : writeAll(store, args[2], count, args.size() > 4 ? args[4].toInt() : 0);
    return done && store.storePendingChanges(10'000) ? 0 : 1;
}
