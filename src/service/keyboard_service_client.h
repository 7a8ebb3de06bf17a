#pragma once

#include "focus/focus_status.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

// What a program beside the background service needs to follow it (the window): the service's
// profile switches and profile file changes as Qt signals, with profiles counted 0 … 5 as the
// controller counts them. It only listens; while no service runs it stays silent.
class KeyboardServiceClient : public QObject {
    Q_OBJECT

public:
    explicit KeyboardServiceClient(QDBusConnection bus = QDBusConnection::sessionBus(),
                                   QObject* parent = nullptr);

    // Whether a service holds the keyboard now; the name is looked up, never activated.
    bool isServiceRunning() const;
    // How the service follows the focus; nothing while no service runs or it does not answer.
    std::optional<FocusStatus> focusStatus() const;

signals:
    void profileSwitched(int profile);
    void profileFileChanged(int profile);

private slots:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);
    void onProfileFileChanged(uint profile);

private:
    QDBusConnection bus;
};
