#pragma once

#include "service/dbus_menu_types.h"

#include <QDBusAbstractAdaptor>

class TrayMenu;

// com.canonical.dbusmenu on the tray icon's menu path: how a tray host (KDE's panel, GNOME's
// AppIndicator extension) reads the menu's entries and reports clicks on them.
class DBusMenuAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version)
    Q_PROPERTY(QString TextDirection READ textDirection)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath)

public:
    DBusMenuAdaptor(TrayMenu& menu, QObject* object);

    uint version() const { return 3; }
    QString textDirection() const { return QStringLiteral("ltr"); }
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

public slots:
    uint GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                   DBusMenuLayoutItem& layout);
    DBusMenuItemPropertiesList GetGroupProperties(const QList<int>& ids,
                                                  const QStringList& propertyNames);
    QDBusVariant GetProperty(int id, const QString& name);
    void Event(int id, const QString& eventId, const QDBusVariant& data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList& events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors);

signals:
    void ItemsPropertiesUpdated(const DBusMenuItemPropertiesList& updatedProps,
                                const DBusMenuItemKeysList& removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

private:
    void refuseId(int id);
    bool handle(int id, const QString& eventId);

    TrayMenu& menu;
    uint revision = 1;
};
