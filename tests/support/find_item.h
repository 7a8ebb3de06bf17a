#pragma once

#include <QQuickItem>
#include <QString>

// Searches the visual tree below `item` for the item named `name`. The visual tree, unlike the
// object tree, also holds the items that repeaters made.
inline QQuickItem* findItem(QQuickItem* item, const QString& name) {
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = findItem(child, name))
            return found;
    }
    return nullptr;
}
