#include "desktop/MprisService.h"

#include "desktop/MprisPlayer.h"
#include "desktop/MprisRoot.h"
#include "desktop/PlayerWatch.h"
#include "player/Player.h"

#include <QCoreApplication>
#include <QDBusMessage>

namespace kyvra {

namespace {

const QString kBusName = QStringLiteral("org.mpris.MediaPlayer2.kyvra");

// A second running copy is told apart by its process, as the media-control convention asks.
QString secondInstanceName() {
    return kBusName + QStringLiteral(".instance") +
           QString::number(QCoreApplication::applicationPid());
}

} // namespace

MprisService::MprisService(Player& player, PlayerWatch& watch, QDBusConnection bus)
    : player_(player), watch_(watch), bus_(std::move(bus)) {
    new MprisRoot(*this);
    playerInterface_ = new MprisPlayer(*this);
    if (!bus_.isConnected() ||
        !bus_.registerObject(QLatin1String(kObjectPath), this, QDBusConnection::ExportAdaptors))
        return;
    for (const QString& name : {kBusName, secondInstanceName()}) {
        if (bus_.registerService(name)) {
            busName_ = name;
            break;
        }
    }
    if (busName_.isEmpty()) {
        bus_.unregisterObject(QLatin1String(kObjectPath));
        return;
    }
    connect(&watch_, &PlayerWatch::changed, this, &MprisService::announce);
    connect(&watch_, &PlayerWatch::seeked, playerInterface_,
            [this](double seconds) { emit playerInterface_->Seeked(qlonglong(seconds * 1e6)); });
}

MprisService::~MprisService() {
    if (busName_.isEmpty())
        return;
    bus_.unregisterService(busName_);
    bus_.unregisterObject(QLatin1String(kObjectPath));
}

void MprisService::later(std::function<void(Player&)> command) {
    // Until the splash hands over, the panel has not loaded: there is nothing to drive yet.
    if (player_.frmSplash)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, command = std::move(command)] {
            command(player_);
            watch_.refresh();
        },
        Qt::QueuedConnection);
}

void MprisService::announce(const DesktopView& before) {
    QVariantMap changed;
    for (const char* name : MprisPlayer::propertiesChangedSince(before, watch_.view()))
        changed.insert(QLatin1String(name), playerInterface_->property(name));
    if (changed.isEmpty())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    bus_.send(signal);
}

} // namespace kyvra
