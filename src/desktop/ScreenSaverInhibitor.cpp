#include "desktop/ScreenSaverInhibitor.h"

#include "core/ProductInfo.h"
#include "desktop/XScreenSaverReset.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace kyvra {

namespace {

// Well inside the shortest screensaver delay a desktop offers (one minute).
constexpr int kXResetMs = 30000;
constexpr int kReleaseAtExitMs = 1000;

QDBusMessage screenSaverCall(const QString& method) {
    return QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                          QStringLiteral("/org/freedesktop/ScreenSaver"),
                                          QStringLiteral("org.freedesktop.ScreenSaver"), method);
}

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor(QDBusConnection bus) : bus_(std::move(bus)) {
    xReset_.setInterval(kXResetMs);
    connect(&xReset_, &QTimer::timeout, this, [] { ResetXScreenSaver(); });
}

ScreenSaverInhibitor::~ScreenSaverInhibitor() {
    if (!cookie_)
        return;
    // The last call of the program: it has to leave before the connection closes.
    QDBusMessage release = screenSaverCall(QStringLiteral("UnInhibit"));
    release << *cookie_;
    bus_.call(release, QDBus::Block, kReleaseAtExitMs);
}

void ScreenSaverInhibitor::hold(bool on) {
    if (on == wanted_)
        return;
    wanted_ = on;
    if (on) {
        inhibit();
        return;
    }
    xReset_.stop();
    uninhibit();
}

void ScreenSaverInhibitor::inhibit() {
    if (pending_ || cookie_)
        return;
    if (!bus_.isConnected()) {
        resetXInstead();
        return;
    }
    QDBusMessage request = screenSaverCall(QStringLiteral("Inhibit"));
    request << kProductTitle << QStringLiteral("Playing a video");
    pending_ = true;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        pending_ = false;
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isError()) {
            if (wanted_)
                resetXInstead();
            return;
        }
        inhibited(reply.value());
    });
}

// The answer may come after playback has already stopped again.
void ScreenSaverInhibitor::inhibited(uint cookie) {
    cookie_ = cookie;
    if (!wanted_)
        uninhibit();
}

void ScreenSaverInhibitor::uninhibit() {
    if (!cookie_)
        return;
    QDBusMessage release = screenSaverCall(QStringLiteral("UnInhibit"));
    release << *cookie_;
    cookie_.reset();
    bus_.asyncCall(release);
}

void ScreenSaverInhibitor::resetXInstead() {
    if (ResetXScreenSaver())
        xReset_.start();
}

} // namespace kyvra
