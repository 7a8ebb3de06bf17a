#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
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

// The answer to the call being served, given once its work on the keyboard has ended: the bus
// goes on serving other callers meanwhile.
class LaterReply {
public:
    // Takes over the call that `adaptor`'s object serves now.
    explicit LaterReply(const QObject* adaptor)
        : bus(BusObject::of(adaptor).connection()), request(BusObject::of(adaptor).message()) {
        BusObject::of(adaptor).setDelayedReply(true);
    }

    void send(const QList<QVariant>& values = {}) const { bus.send(request.createReply(values)); }
    void fail(const QString& name, const QString& message) const {
        bus.send(request.createErrorReply(name, message));
    }

private:
    QDBusConnection bus;
    QDBusMessage request;
};
