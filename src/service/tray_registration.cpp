#include "service/tray_registration.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDebug>

const QString TrayRegistration::watcherName = QStringLiteral("org.kde.StatusNotifierWatcher");

TrayRegistration::TrayRegistration(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus(bus),
      watcher(watcherName, bus, QDBusServiceWatcher::WatchForRegistration) {
    connect(&watcher, &QDBusServiceWatcher::serviceRegistered, this,
            &TrayRegistration::registerItem);
    if (bus.interface()->isServiceRegistered(watcherName))
        registerItem();
    else
        qInfo().noquote() << "korvane-service: no tray host (" + watcherName +
                                 ") on the session bus; running without a tray icon";
}

void TrayRegistration::registerItem() {
    QDBusMessage call =
        QDBusMessage::createMethodCall(watcherName, QStringLiteral("/StatusNotifierWatcher"),
                                       watcherName, QStringLiteral("RegisterStatusNotifierItem"));
    call << bus.baseService();
    auto* pending = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher* done) {
        const QDBusPendingReply<> reply = *done;
        if (reply.isError())
            qWarning().noquote() << "korvane-service: the tray host refused the icon:"
                                 << reply.error().message();
        done->deleteLater();
    });
}
