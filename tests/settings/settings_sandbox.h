#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A private working directory with the modules folders that the settings files live in. The
// tool resolves every settings path against the working directory, so the sandbox switches to it
// for its lifetime.
class SettingsSandbox {
public:
    SettingsSandbox() : previous(QDir::currentPath()) {
        QDir root(dir.path());
        root.mkpath(QStringLiteral("modules/setting"));
        root.mkpath(QStringLiteral("modules/i18n"));
        QDir::setCurrent(dir.path());
    }
    ~SettingsSandbox() { QDir::setCurrent(previous); }
    SettingsSandbox(const SettingsSandbox&) = delete;
    SettingsSandbox& operator=(const SettingsSandbox&) = delete;

    QString path(const QString& relative) const { return dir.filePath(relative); }

    void write(const QString& relative, const QByteArray& content) const {
        QFile file(path(relative));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(content);
    }

    QByteArray read(const QString& relative) const {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool exists(const QString& relative) const { return QFile::exists(path(relative)); }

    // Copies the files of modules/setting into another sandbox: a later run of the program sees
    // them fresh from disk, as after a restart.
    void copySettingsTo(const SettingsSandbox& other) const {
        const QDir from(path(QStringLiteral("modules/setting")));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), other.path(QStringLiteral("modules/setting/") + name));
    }

private:
    QTemporaryDir dir;
    QString previous;
};
