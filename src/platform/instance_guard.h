#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// Keeps a second copy of one program from running for the same user. The first copy holds an
// advisory lock on a file; the kernel drops it when that copy ends in any way, so a lock file
// left by a crash, an empty one or one with any other content is simply taken over. The first
// copy also listens beside the lock, so that a later copy can ask it to come to the front.
class InstanceGuard : public QObject {
    Q_OBJECT

public:
    // `name` names the lock and the listening socket inside `directory`.
    InstanceGuard(QString directory, QString name, QObject* parent = nullptr);
    ~InstanceGuard() override;

    // True when this process now is the one copy (also when no lock can be had at all: a
    // broken folder must not keep the program from ever starting). False when another copy
    // holds the lock.
    bool acquire();
    // Asks the copy that holds the lock to bring its window to the front; waits briefly. The
    // activation token that a launcher gave this start (empty when none) goes with the request, so
    // that a Wayland compositor lets the running copy take the focus.
    void askToRaise(const QString& activationToken = {}) const;

    // The user's runtime directory, or else a folder of the user's own below the temporary
    // directory (created private; one that another user made is refused) or in the home folder.
    static QString privateDirectory();

signals:
    void raiseRequested(const QString& activationToken);

private:
    void listen();
    void readRequests(QLocalSocket* client);

    QString lockPath;
    QString socketPath;
    int lockFd = -1;
    QLocalServer* server = nullptr;
};
