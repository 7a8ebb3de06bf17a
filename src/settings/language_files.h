#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The installed language files: "lang_" + six-digit code + ".ini" in one directory.
namespace LanguageFiles {

// Display name → code, one entry per display name; the file that sorts last wins.
QVariantMap list(const QString& directory);

struct Strings {
    QStringList strings; // font family, then strings 1 … N
    bool checksumValid = false;
    QStringList messages; // message box texts "msg/0" … "msg/9", empty where the file has none
    // Texts the scene added after the string list ("scene/" + name), only those the file has;
    // the scene keeps its English text for the others, so older files stay complete and valid.
    QVariantMap sceneTexts;
};

// The names of the texts read into Strings::sceneTexts.
const QStringList& sceneTextNames();

// Indexes in Strings::messages of the notice that a change could not be stored.
constexpr int storeFailureTitleMessage = 4;
constexpr int storeFailureTextMessage = 5;
// … and of the notice that the keyboard is plugged in but may not be opened.
constexpr int deviceAccessTitleMessage = 6;
constexpr int deviceAccessTextMessage = 7;
// … and of the notice that the background service does not answer.
constexpr int serviceSilenceTitleMessage = 8;
constexpr int serviceSilenceTextMessage = 9;

// A missing or unreadable file gives just an empty font family and an invalid checksum.
Strings read(const QString& path);

// Codes name a file inside the language directory and nothing else.
bool isSafeCode(const QString& langCode);

} // namespace LanguageFiles
