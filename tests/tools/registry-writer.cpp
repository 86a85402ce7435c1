// Writes into a registry file through RegistryStore, one transaction per value, for the tests
// that run writers side by side or kill one in the middle of a write.
//
//   registry-writer FILE PREFIX COUNT
//       values PREFIX0 .. PREFIX<COUNT-1> = "0" .. "<COUNT-1>"
//   registry-writer FILE PREFIX 0 PAD
//       rewrites the value PREFIX as "<n>:" followed by PAD 'x's, n = 0, 1, 2 ... until killed
//
// under HKEY_CURRENT_USER\Software\Test. Prints "ready" once the key exists; exit code 1 when a
// write failed.
#include "settings/RegistryStore.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: registry-writer FILE PREFIX COUNT [PAD]\n");
        return 2;
    }
    kyvra::RegistryStore store(args[1]);
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\Software\\Test");
    const QString prefix = args[2];
    const int count = args[3].toInt();
    const int pad = args.size() > 4 ? args[4].toInt() : 0;
    if (!store.createKey(key))
        return 1;
    std::printf("ready\n");
    std::fflush(stdout);

    for (int n = 0; count == 0 || n < count; ++n) {
        const bool stored =
            count == 0 ? store.setValue(key, prefix, QString::number(n) + u':' + QString(pad, u'x'))
                       : store.setValue(key, prefix + QString::number(n), QString::number(n));
        if (!stored)
            return 1;
    }
    return 0;
}
