#pragma once

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QString>
#include <QStringList>

class FocusHost;

// org.korvane.Keyboard1.Focus on /org/korvane/Keyboard1: how the service follows the focus for
// per-application profiles, and the door through which the KWin script and the GNOME Shell
// extension report the focused application. Changes are announced with PropertiesChanged.
class FocusAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korvane.Keyboard1.Focus")
    Q_PROPERTY(QString Backend READ backend)
    Q_PROPERTY(QString Problem READ problem)
    Q_PROPERTY(QString FocusedApplication READ focusedApplication)
    Q_PROPERTY(QStringList RecentApplications READ recentApplications)

public:
    FocusAdaptor(FocusHost& host, QDBusConnection bus, QObject* object);

    QString backend() const;
    QString problem() const;
    QString focusedApplication() const;
    QStringList recentApplications() const;

public slots:
    // `desktop`: "kwin" or "gnome-shell"; `appId`: the focused window's app id or window class.
    void ReportFocus(const QString& desktop, const QString& appId);

private:
    void announce();

    FocusHost& host;
    QDBusConnection bus;
};
