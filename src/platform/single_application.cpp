#include "platform/single_application.h"

#include <QCryptographicHash>
#include <QDir>

#include <unistd.h>

namespace {

// The user's runtime directory, or a per-user folder below the temporary directory; a second copy
// must stay silent, so this avoids the toolkit's warning about an unset runtime directory.
QString runtimeDirectory() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString fallback = QDir::tempPath() + QStringLiteral("/korvane-%1").arg(getuid());
    QDir().mkpath(fallback);
    QFile::setPermissions(fallback, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return fallback;
}

QString lockFilePath(const QString& executablePath) {
    const QString dir = runtimeDirectory();
    const QByteArray hash =
        QCryptographicHash::hash(executablePath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return dir + QStringLiteral("/korvane-") + QString::fromLatin1(hash) + QStringLiteral(".lock");
}

} // namespace

SingleApplication::SingleApplication(int& argc, char** argv) : QApplication(argc, argv) {}

SingleApplication::~SingleApplication() = default;

bool SingleApplication::isRunning() {
    if (lock)
        return false;
    auto candidate = std::make_unique<QLockFile>(lockFilePath(applicationFilePath()));
    // A lock left by a crashed copy names a dead process; QLockFile takes it over then.
    candidate->setStaleLockTime(0);
    if (!candidate->tryLock(0))
        return true;
    lock = std::move(candidate);
    return false;
}
