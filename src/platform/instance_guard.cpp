#include "platform/instance_guard.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int raiseWaitMs = 500;
constexpr qint64 longestRequestLine = 4096;
// One request per line. The token line comes first, so that a copy that knows only "raise" still
// comes forward.
const QByteArray raiseRequest = "raise";
const QByteArray tokenRequest = "activation-token ";

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// A folder that only this user can enter: made with mode 0700, a directory (not a link) owned
// by this user, closed to others if it was not.
bool isPrivateFolder(const QString& path) {
    const QByteArray folder = native(path);
    if (::mkdir(folder.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    if (::lstat(folder.constData(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid())
        return false;
    return (info.st_mode & 077) == 0 || ::chmod(folder.constData(), 0700) == 0;
}

int openLockFile(const QByteArray& path) {
    return ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
}

void recordPid(int fd) {
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0 && ::write(fd, pid.constData(), size_t(pid.size())) < 0)
        return; // the pid is only a hint for people; the lock does not depend on it
}

} // namespace

InstanceGuard::InstanceGuard(QString directory, QString name, QObject* parent)
    : QObject(parent), lockPath(directory + QLatin1Char('/') + name + QStringLiteral(".lock")),
      socketPath(directory + QLatin1Char('/') + name + QStringLiteral(".socket")) {}

InstanceGuard::~InstanceGuard() {
    if (lockFd >= 0)
        ::close(lockFd);
}

bool InstanceGuard::acquire() {
    if (lockFd >= 0)
        return true;
    const QByteArray path = native(lockPath);
    int fd = openLockFile(path);
    if (fd < 0) {
        // Something that is no lock file stands in its place (a folder, a link): clear it once.
        if (::unlink(path.constData()) != 0)
            ::rmdir(path.constData());
        fd = openLockFile(path);
    }
    if (fd < 0)
        return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return !held;
    }
    lockFd = fd;
    recordPid(fd);
    listen();
    return true;
}

void InstanceGuard::listen() {
    server = new QLocalServer(this);
    // Only the lock holder gets here, so a socket left by a crashed copy is safe to remove.
    QLocalServer::removeServer(socketPath);
    if (!server->listen(socketPath))
        return;
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this,
                    [this, client] { readRequests(client); });
        }
    });
}

void InstanceGuard::readRequests(QLocalSocket* client) {
    while (client->canReadLine()) {
        QByteArray line = client->readLine(longestRequestLine + 1);
        // A line longer than any request is not from a copy of ours: stop listening to it.
        if (!line.endsWith('\n')) {
            client->abort();
            return;
        }
        line.chop(1);
        if (line.startsWith(tokenRequest))
            client->setProperty("activationToken",
                                QString::fromUtf8(line.mid(tokenRequest.size())));
        else if (line == raiseRequest)
            emit raiseRequested(client->property("activationToken").toString());
    }
    if (client->bytesAvailable() > longestRequestLine)
        client->abort();
}

void InstanceGuard::askToRaise(const QString& activationToken) const {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(raiseWaitMs))
        return;
    // A token is printable text from the launcher; a line break in it would end the request early.
    const QByteArray token = activationToken.toUtf8().simplified().replace(' ', "");
    if (!token.isEmpty())
        socket.write(tokenRequest + token + '\n');
    socket.write(raiseRequest + '\n');
    socket.waitForBytesWritten(raiseWaitMs);
    socket.disconnectFromServer();
}

QString InstanceGuard::privateDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString temporary = QDir::tempPath() + QStringLiteral("/korvane-%1").arg(::getuid());
    if (isPrivateFolder(temporary))
        return temporary;
    // Someone else took the name in the shared temporary directory.
    const QString cache = QDir::homePath() + QStringLiteral("/.cache");
    QDir().mkpath(cache);
    const QString inHome = cache + QStringLiteral("/korvane");
    return isPrivateFolder(inHome) ? inHome : QString();
}
