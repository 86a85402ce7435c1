#pragma once

#include "platform/SystemTray.h"

#include <QSystemTrayIcon>

namespace kyvra {

// The notification area through Qt: an XEmbed tray or a StatusNotifierItem host, whichever the
// desktop offers.
class QtSystemTray : public SystemTray {
public:
    QtSystemTray();

    bool isAvailable() const override;
    void add(const QIcon& icon, const QString& tip, MessageHandler handler) override;
    void remove() override;
    bool isShown() const override { return icon_.isVisible(); }

private:
    QSystemTrayIcon icon_;
    MessageHandler handler_;
};

} // namespace kyvra
