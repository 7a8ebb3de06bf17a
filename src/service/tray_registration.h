#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QObject>

// Announces the tray icon to the session's tray host (org.kde.StatusNotifierWatcher), now and
// whenever a host appears later (a panel that starts after the service, or restarts). Without a
// host the service runs on, and says so once in its log.
class TrayRegistration : public QObject {
    Q_OBJECT

public:
    explicit TrayRegistration(QDBusConnection bus, QObject* parent = nullptr);

    static const QString watcherName;

private:
    void registerItem();

    QDBusConnection bus;
    QDBusServiceWatcher watcher;
};
