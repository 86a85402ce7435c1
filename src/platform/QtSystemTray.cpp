#include "platform/QtSystemTray.h"

namespace kyvra {

namespace {

int mouseMessage(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return SystemTray::LeftButtonDoubleClick;
    case QSystemTrayIcon::Context:
        return SystemTray::RightButtonDown;
    case QSystemTrayIcon::MiddleClick:
        return SystemTray::MiddleButtonDown;
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::Unknown:
        break;
    }
    return SystemTray::LeftButtonDown;
}

} // namespace

QtSystemTray::QtSystemTray() {
    QObject::connect(&icon_, &QSystemTrayIcon::activated,
                     [this](QSystemTrayIcon::ActivationReason reason) {
                         // A copy: the handler may remove the icon, and its handler with it.
                         if (MessageHandler handler = handler_)
                             handler(mouseMessage(reason));
                     });
}

bool QtSystemTray::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtSystemTray::add(const QIcon& icon, const QString& tip, MessageHandler handler) {
    handler_ = std::move(handler);
    icon_.setIcon(icon);
    icon_.setToolTip(tip);
    icon_.show();
}

void QtSystemTray::remove() {
    icon_.hide();
    handler_ = nullptr;
}

} // namespace kyvra
