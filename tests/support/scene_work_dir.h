#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>

// Makes `workDir` a working directory for the whole scene and switches to it: the shipped
// settings and languages are copied (the tool writes there), the skin and the sounds are linked
// (they are only read), the macro folder starts empty, and the configuration switches the
// animations off, so that the scene is up at once.
inline void prepareSceneWorkDir(const QString& binDir, const QString& workDir) {
    const QDir root(workDir);
    for (const QString& folder :
         {QStringLiteral("modules/setting"), QStringLiteral("modules/i18n")}) {
        root.mkpath(folder);
        const QDir shipped(binDir + QLatin1Char('/') + folder);
        for (const QString& name : shipped.entryList(QDir::Files))
            QFile::copy(shipped.filePath(name), root.filePath(folder + QLatin1Char('/') + name));
    }
    root.mkpath(QStringLiteral("modules/macro"));
    for (const QString& folder : {QStringLiteral("modules/img"), QStringLiteral("modules/media")})
        QFile::link(binDir + QLatin1Char('/') + folder, root.filePath(folder));
    QDir::setCurrent(workDir);
    QFile::copy(QStringLiteral("modules/setting/apConfigD.bin"),
                QStringLiteral("modules/setting/apConfig.bin"));
    QFile(QStringLiteral("modules/setting/apConfig.bin"))
        .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QSettings config(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat);
    config.setValue(QStringLiteral("common/2"), 1);
}
