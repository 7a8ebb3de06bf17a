#include "settings/language_files.h"

#include "settings/language_checksum.h"
#include "settings/legacy_language_names.h"
#include "settings/settings_file.h"

#include <QDir>

namespace LanguageFiles {

namespace {

const QString prefix = QStringLiteral("lang_");
constexpr int codeLength = 6;
// A complete file has 92 strings; a corrupt count must not allocate without bound.
constexpr int maximumStrings = 4096;
constexpr int messageCount = 10;

} // namespace

const QStringList& sceneTextNames() {
    // The question before unapplied edits would be lost: title, text and its three answers; what a
    // screen reader calls the controls that show a picture, and the connection state; the
    // per-application profiles panel.
    static const QStringList names = [] {
        QStringList all;
        for (const char* name :
             {"askTitle",       "askText",      "askApply",      "askDiscard",   "askCancel",
              "settings",       "close",        "manual",        "functions",    "profiles",
              "profile",        "apply",        "add",           "record",       "stop",
              "addKey",         "addDelay",     "delay",         "keyCapture",   "keyInput",
              "keys",           "connected",    "notConnected",  "red",          "green",
              "blue",           "colorBand",    "right",         "left",         "up",
              "down",           "rulesOpen",    "rulesTitle",    "rulesThrough", "rulesProblem",
              "rulesNoService", "rulesDamaged", "rulesNotSaved", "rulesOn",      "rulesOff",
              "rulesDefault",   "rulesLeave",   "rulesEmpty",    "rulesHint",    "rulesAdd",
              "rulesRemove",    "rulesRecent",  "rulesClose",    "keysOpen",     "keysTitle",
              "keysWhat",       "keysActive",   "keysInactive",  "keysCopy"})
            all.append(QString::fromLatin1(name));
        return all;
    }();
    return names;
}

QVariantMap list(const QString& directory) {
    QVariantMap languages;
    const QStringList names = QDir(directory).entryList({prefix + QStringLiteral("*.ini")},
                                                        QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString& name : names) {
        const QString code = name.mid(prefix.size(), codeLength);
        const QString displayName =
            legacyLanguageName(code.left(3).toInt()) + legacyCountrySuffix(code.right(3).toInt());
        languages.insert(displayName, code);
    }
    return languages;
}

Strings read(const QString& path) {
    const SettingsFile file(path);
    Strings result;
    result.strings.append(file.value(QStringLiteral("font/family")).toString());
    const int total = qMin(file.value(QStringLiteral("font/total"), 0).toInt(), maximumStrings);
    const QString stored = file.value(QStringLiteral("font/cs")).toString();

    // The messages belong to neither the list nor the checksum.
    for (int n = 0; n < messageCount; ++n)
        result.messages.append(file.value(QStringLiteral("msg/%1").arg(n)).toString());

    // Like the messages, the scene's later texts stay outside the checksum.
    for (const QString& name : sceneTextNames()) {
        const QVariant text = file.value(QStringLiteral("scene/") + name);
        if (text.isValid())
            result.sceneTexts.insert(name, text.toString());
    }

    QStringList texts;
    for (int n = 1; n <= total; ++n)
        texts.append(file.value(QStringLiteral("strings/%1").arg(n)).toString());

    result.strings.append(texts);
    result.checksumValid = languageChecksum(languageTextLength(texts)) == stored;
    return result;
}

bool isSafeCode(const QString& langCode) {
    return !langCode.contains(QLatin1Char('/')) && !langCode.contains(QLatin1Char('\\'));
}

} // namespace LanguageFiles
