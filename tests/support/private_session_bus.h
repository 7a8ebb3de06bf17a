#pragma once

#include <QProcess>
#include <QString>

// A session bus of the test's own (`dbus-daemon --session`), for a service that must not meet the
// suite's bus. It ends with the object, or earlier with end(), as a bus does at logout.
class PrivateSessionBus {
public:
    PrivateSessionBus() {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address=1")});
        if (daemon.waitForReadyRead(10000))
            busAddress = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateSessionBus() { end(); }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    // Empty when the daemon did not start.
    QString address() const { return busAddress; }

    // False when the daemon did not end in time.
    bool end() {
        if (daemon.state() == QProcess::NotRunning)
            return true;
        daemon.terminate();
        return daemon.waitForFinished(10000);
    }

private:
    QProcess daemon;
    QString busAddress;
};
