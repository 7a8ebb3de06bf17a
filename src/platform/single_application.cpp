#include "platform/single_application.h"

#include "platform/instance_guard.h"

#include <QCryptographicHash>

namespace {

QString guardName(const QString& executablePath) {
    const QByteArray hash =
        QCryptographicHash::hash(executablePath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStringLiteral("korvane-") + QString::fromLatin1(hash);
}

} // namespace

SingleApplication::SingleApplication(int& argc, char** argv) : QApplication(argc, argv) {}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning(const QString& activationToken) {
    if (guard)
        return false;
    const QString directory = InstanceGuard::privateDirectory();
    // Without a private folder there is no safe place for a lock; running unguarded beats
    // never running.
    if (directory.isEmpty())
        return false;
    auto* candidate = new InstanceGuard(directory, guardName(applicationFilePath()), this);
    if (!candidate->acquire()) {
        candidate->askToRaise(activationToken);
        delete candidate;
        return true;
    }
    guard = candidate;
    connect(guard, &InstanceGuard::raiseRequested, this, &SingleApplication::raiseRequested);
    return false;
}
