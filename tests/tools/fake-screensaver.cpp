// A desktop's screensaver service as far as media players use it: takes the session bus name
// org.freedesktop.ScreenSaver and writes one line per call to standard output
// ("inhibit COOKIE APPLICATION: REASON", "uninhibit COOKIE"), so a test can see what a player
// holds and when it lets go.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QObject>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>

namespace {

class FakeScreenSaver : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

public slots:
    uint Inhibit(const QString& application, const QString& reason) {
        std::printf("inhibit %u %s: %s\n", ++lastCookie_, qPrintable(application),
                    qPrintable(reason));
        std::fflush(stdout);
        return lastCookie_;
    }

    void UnInhibit(uint cookie) {
        std::printf("uninhibit %u\n", cookie);
        std::fflush(stdout);
    }

private:
    uint lastCookie_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    // Ends with the test that started it, however that test ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    QCoreApplication app(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    FakeScreenSaver service;
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), &service,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"))) {
        std::fprintf(stderr, "fake-screensaver: cannot serve on the session bus\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}

#include "fake-screensaver.moc"
