#pragma once

#include <QByteArray>
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>

// The structures of org.kde.StatusNotifierItem.

// (iiay): a picture in ARGB32, network byte order.
struct StatusNotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray data;
};
using StatusNotifierPixmaps = QList<StatusNotifierPixmap>;

// (sa(iiay)ss): icon name, pictures, title and text of the tooltip.
struct StatusNotifierToolTip {
    QString iconName;
    StatusNotifierPixmaps pixmaps;
    QString title;
    QString description;
};

Q_DECLARE_METATYPE(StatusNotifierPixmap)
Q_DECLARE_METATYPE(StatusNotifierToolTip)

QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const StatusNotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, StatusNotifierToolTip& toolTip);

// Makes the types known to Qt's D-Bus marshalling; call before the item is registered.
void registerStatusNotifierTypes();
