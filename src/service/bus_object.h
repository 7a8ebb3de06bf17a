#pragma once

#include <QDBusContext>
#include <QObject>

// An object that the service registers on the bus, with its interfaces as adaptors. Qt hands the
// call being served to the registered object, not to its adaptors, so they reply with errors
// through it: BusObject::of(this).sendErrorReply(…).
class BusObject : public QObject, public QDBusContext {
    Q_OBJECT

public:
    using QObject::QObject;

    // The object that `adaptor` belongs to.
    static const QDBusContext& of(const QObject* adaptor) {
        return *static_cast<const BusObject*>(adaptor->parent());
    }
};
