#include "service/properties_changed.h"

#include <QDBusMessage>

void sendPropertiesChanged(QDBusConnection& bus, const QString& path, const QString& interface,
                           const QVariantMap& changed) {
    if (changed.isEmpty())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << interface << changed << QStringList();
    bus.send(signal);
}
