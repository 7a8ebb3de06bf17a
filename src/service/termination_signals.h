#pragma once

#include <QObject>

class QSocketNotifier;

// SIGTERM, SIGINT and SIGHUP as an event of the event loop: the service ends cleanly (its
// transfers finished, its files stored) when systemd stops it or the session ends. The handler
// only writes the signal's number into a pipe that the event loop reads; no signal is blocked,
// so programs the service starts get the usual signal handling. One instance per process.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signal);

private:
    QSocketNotifier* notifier = nullptr;
};
