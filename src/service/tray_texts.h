#pragma once

#include <QString>

// The tray menu's texts in the language the tool is set to. They live in the language files'
// [tray] section, outside the strings that the language checksum covers; built-in English
// stands in for what a file lacks.
struct TrayTexts {
    QString title = QStringLiteral("Korvane Keyboard");
    // "%1" is the firmware version.
    QString connected = QStringLiteral("Keyboard connected, firmware %1");
    QString disconnected = QStringLiteral("No keyboard");
    QString open = QStringLiteral("Open Korvane Keyboard");
    QString startAtLogin = QStringLiteral("Start at login");
    QString quit = QStringLiteral("Quit");

    // The language chosen on the settings page (its configuration, else the default one).
    static TrayTexts configured();
    // The texts of one language file.
    static TrayTexts fromFile(const QString& languageFile);
};
