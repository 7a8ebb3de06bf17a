#include "service/dbus_menu_adaptor.h"

#include "service/bus_object.h"
#include "service/tray_menu.h"

#include <QDBusError>

namespace {

QVariantMap only(const QVariantMap& properties, const QStringList& names) {
    if (names.isEmpty())
        return properties;
    QVariantMap chosen;
    for (const QString& name : names) {
        if (properties.contains(name))
            chosen.insert(name, properties.value(name));
    }
    return chosen;
}

void keepOnly(DBusMenuLayoutItem& item, const QStringList& names) {
    item.properties = only(item.properties, names);
    for (DBusMenuLayoutItem& child : item.children)
        keepOnly(child, names);
}

} // namespace

DBusMenuAdaptor::DBusMenuAdaptor(TrayMenu& menu, QObject* object)
    : QDBusAbstractAdaptor(object), menu(menu) {
    connect(&menu, &TrayMenu::changed, this, [this] { emit LayoutUpdated(++revision, 0); });
}

uint DBusMenuAdaptor::GetLayout(int parentId, int recursionDepth, const QStringList& propertyNames,
                                DBusMenuLayoutItem& layout) {
    const std::optional<DBusMenuLayoutItem> item = menu.layout(parentId, recursionDepth);
    if (!item) {
        refuseId(parentId);
        return 0;
    }
    layout = *item;
    keepOnly(layout, propertyNames);
    return revision;
}

DBusMenuItemPropertiesList DBusMenuAdaptor::GetGroupProperties(const QList<int>& ids,
                                                               const QStringList& propertyNames) {
    DBusMenuItemPropertiesList found;
    for (const int id : ids) {
        if (const std::optional<QVariantMap> properties = menu.properties(id))
            found.append({id, only(*properties, propertyNames)});
    }
    return found;
}

QDBusVariant DBusMenuAdaptor::GetProperty(int id, const QString& name) {
    const std::optional<QVariantMap> properties = menu.properties(id);
    if (!properties || !properties->contains(name)) {
        BusObject::of(this).sendErrorReply(
            QDBusError::InvalidArgs,
            QStringLiteral("entry %1 has no property '%2'").arg(id).arg(name));
        return QDBusVariant(QVariant(0));
    }
    return QDBusVariant(properties->value(name));
}

void DBusMenuAdaptor::Event(int id, const QString& eventId, const QDBusVariant&, uint) {
    if (!handle(id, eventId))
        refuseId(id);
}

QList<int> DBusMenuAdaptor::EventGroup(const DBusMenuEventList& events) {
    QList<int> idErrors;
    for (const DBusMenuEvent& event : events) {
        if (!handle(event.id, event.eventId))
            idErrors.append(event.id);
    }
    return idErrors;
}

bool DBusMenuAdaptor::AboutToShow(int id) {
    if (!menu.properties(id))
        refuseId(id);
    return false;
}

QList<int> DBusMenuAdaptor::AboutToShowGroup(const QList<int>& ids, QList<int>& idErrors) {
    for (const int id : ids) {
        if (!menu.properties(id))
            idErrors.append(id);
    }
    return {};
}

// Hosts also send "hovered", "opened" and "closed"; only a click does something.
bool DBusMenuAdaptor::handle(int id, const QString& eventId) {
    if (eventId != QLatin1String("clicked"))
        return menu.properties(id).has_value();
    return menu.activate(id);
}

void DBusMenuAdaptor::refuseId(int id) {
    BusObject::of(this).sendErrorReply(QDBusError::InvalidArgs,
                                       QStringLiteral("no menu entry %1").arg(id));
}
