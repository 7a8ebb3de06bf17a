#pragma once

#include "test_work_dir.h"

// A private working directory with the modules folders that the settings files live in.
class SettingsSandbox : public TestWorkDir {
public:
    SettingsSandbox() { enter({"modules/setting", "modules/i18n"}); }

    // Copies the files of modules/setting into another sandbox: a later run of the program sees
    // them fresh from disk, as after a restart.
    void copySettingsTo(const SettingsSandbox& other) const {
        const QDir from(path(QStringLiteral("modules/setting")));
        for (const QString& name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), other.path(QStringLiteral("modules/setting/") + name));
    }
};
