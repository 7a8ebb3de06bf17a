#pragma once

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QString>

#include <unistd.h>

// The folder that the private bus's service file starts korvane-service from: the build's
// executable beside a data tree of its own, and the runtime and configuration folders where the
// demo keyboard keeps its state and "Start at login" writes its entry. Laid out anew per test.
namespace ServiceSandbox {

inline QString path(const QString& relative = QString()) {
    return QDir(QStringLiteral(KORVANE_SERVICE_SANDBOX)).filePath(relative);
}

inline QString executable() {
    return path(QStringLiteral("bin/korvane-service"));
}

inline QString profileFile(int index) {
    return path(QStringLiteral("bin/modules/setting/p%1.bin").arg(index + 1));
}

inline QByteArray read(const QString& file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool write(const QString& file, const QByteArray& content) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(content) == content.size();
}

// `shipped`: the build's bin/ with its data tree.
inline bool prepare(const QString& shipped) {
    QDir(path()).removeRecursively();
    QDir top(path());
    if (!top.mkpath(QStringLiteral("bin/modules/setting")) ||
        !top.mkpath(QStringLiteral("bin/modules/i18n")) || !top.mkpath(QStringLiteral("runtime")) ||
        !top.mkpath(QStringLiteral("config")) ||
        !QFile::setPermissions(path(QStringLiteral("runtime")),
                               QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    // A hard link is the executable itself under the sandbox's name, where it finds its data.
    const QByteArray built = QByteArrayLiteral(KORVANE_SERVICE_EXECUTABLE);
    if (link(built.constData(), executable().toLocal8Bit().constData()) != 0 &&
        !QFile::copy(QString::fromLocal8Bit(built), executable()))
        return false;
    for (const char* name : {"HWDef.bin", "pD.bin", "apConfigD.bin"}) {
        const QString relative = QStringLiteral("modules/setting/") + QLatin1String(name);
        if (!QFile::copy(QDir(shipped).filePath(relative), path(QStringLiteral("bin/") + relative)))
            return false;
    }
    const QDir languages(QDir(shipped).filePath(QStringLiteral("modules/i18n")));
    for (const QString& name : languages.entryList(QDir::Files)) {
        if (!QFile::copy(languages.filePath(name),
                         path(QStringLiteral("bin/modules/i18n/") + name)))
            return false;
    }
    return true;
}

// What the service sees of the session: the sandbox's folders, and the virtual keyboard's
// reports on its log.
inline QProcessEnvironment environment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), path(QStringLiteral("runtime")));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), path(QStringLiteral("config")));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"),
                       QStringLiteral("korvane.virtualkeyboard.debug=true"));
    return environment;
}

} // namespace ServiceSandbox
