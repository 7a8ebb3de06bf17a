#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>

// Emits org.freedesktop.DBus.Properties.PropertiesChanged for `interface` at `path` with the
// new values of `changed`; nothing when it is empty.
void sendPropertiesChanged(QDBusConnection& bus, const QString& path, const QString& interface,
                           const QVariantMap& changed);
