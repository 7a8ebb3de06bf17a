#include "service/keyboard_service_client.h"

#include "service/service_names.h"
#include "settings/profile_number.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

KeyboardServiceClient::KeyboardServiceClient(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus(std::move(bus)) {
    if (!this->bus.isConnected())
        return;
    this->bus.connect(ServiceNames::busName, ServiceNames::objectPath,
                      QStringLiteral("org.freedesktop.DBus.Properties"),
                      QStringLiteral("PropertiesChanged"), this,
                      SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    this->bus.connect(ServiceNames::busName, ServiceNames::objectPath,
                      ServiceNames::keyboardInterface, QStringLiteral("ProfileFileChanged"), this,
                      SLOT(onProfileFileChanged(uint)));
}

bool KeyboardServiceClient::isServiceRunning() const {
    return bus.isConnected() && bus.interface()->isServiceRegistered(ServiceNames::busName);
}

void KeyboardServiceClient::onPropertiesChanged(const QString& interface,
                                                const QVariantMap& changed, const QStringList&) {
    if (interface != ServiceNames::keyboardInterface)
        return;
    // 0: no keyboard, which switches nothing.
    const int number = changed.value(QStringLiteral("CurrentProfile")).toInt();
    if (number >= ProfileNumber::first && number <= ProfileNumber::last)
        emit profileSwitched(ProfileNumber::toIndex(number));
}

void KeyboardServiceClient::onProfileFileChanged(uint profile) {
    const int number = int(profile);
    if (number >= ProfileNumber::first && number <= ProfileNumber::last)
        emit profileFileChanged(ProfileNumber::toIndex(number));
}

std::optional<FocusStatus> KeyboardServiceClient::focusStatus() const {
    if (!isServiceRunning())
        return std::nullopt;
    QDBusMessage call = QDBusMessage::createMethodCall(
        ServiceNames::busName, ServiceNames::objectPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("GetAll"));
    call << ServiceNames::focusInterface;
    call.setAutoStartService(false);
    // Short: the panel asks while the user waits.
    const QDBusReply<QVariantMap> reply = bus.call(call, QDBus::Block, 2000);
    if (!reply.isValid())
        return std::nullopt;
    const QVariantMap values = reply.value();
    return FocusStatus{values.value(QStringLiteral("Backend")).toString(),
                       values.value(QStringLiteral("Problem")).toString(),
                       values.value(QStringLiteral("FocusedApplication")).toString(),
                       values.value(QStringLiteral("RecentApplications")).toStringList()};
}
