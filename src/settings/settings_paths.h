#pragma once

#include <QString>

// Where the tool's settings files lie, relative to the working directory (the executable's).
namespace SettingsPaths {

QString profileFile(int profile);
QString defaultProfileFile();
QString apConfigFile();
// The per-application profile rules.
QString focusRulesFile();
QString apConfigDefaultFile();
QString hardwareDefinitionFile();
QString languageDirectory();
QString languageFile(const QString& langCode);

} // namespace SettingsPaths
