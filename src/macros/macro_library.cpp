#include "macros/macro_library.h"

#include "settings/settings_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

const QString fileSuffix = QStringLiteral(".bin");
const QString namePrefix = QStringLiteral("Macro. ");
constexpr int nameNumberWidth = 3;

const QString indexKey = QStringLiteral("config/index");
const QString totalKey = QStringLiteral("config/total");
const QString repeatKey = QStringLiteral("config/repeat");
const QString lineGroup = QStringLiteral("macro");
// A line that a file leaves out reads as this text, which encodes to nothing.
const QString missingLine = QStringLiteral("0");

// Bounds what a damaged or hostile line count can make us build; far above anything recorded.
constexpr int maxLineCount = 65536;

QString lineKey(qsizetype line) {
    return lineGroup + QLatin1Char('/') + QString::number(line);
}

bool isPlainName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QChar::Null);
}

// A value that is missing or not a whole number reads as the fallback.
int readInt(const SettingsFile& settings, const QString& key, int fallback) {
    bool isNumber = false;
    const int value = settings.value(key).toInt(&isNumber);
    return isNumber ? value : fallback;
}

} // namespace

MacroLibrary::MacroLibrary(QString directory) : directory(std::move(directory)) {}

QStringList MacroLibrary::fileNames() const {
    QStringList names = QDir(directory).entryList({QLatin1Char('*') + fileSuffix},
                                                  QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot |
                                                      QDir::CaseSensitive);
    // Names that differ only in case keep a fixed order among themselves.
    std::sort(names.begin(), names.end(), [](const QString& left, const QString& right) {
        const int order = left.compare(right, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : left < right;
    });
    return names;
}

QString MacroLibrary::create() const {
    QDir().mkpath(directory);
    QString name;
    QString path;
    for (int number = 1;; ++number) {
        name = namePrefix + QStringLiteral("%1").arg(number, nameNumberWidth, 10, QLatin1Char('0'));
        path = *filePath(name);
        const QFileInfo file(path);
        // A dangling link counts as taken: writing through it could land anywhere.
        if (!file.exists() && !file.isSymLink())
            break;
    }
    SettingsFile settings(path);
    settings.setValue(indexKey, -1);
    settings.setValue(totalKey, 0);
    settings.setValue(repeatKey, 1);
    return settings.sync() ? name : QString();
}

QStringList MacroLibrary::lines(const QString& name) const {
    const std::optional<QString> path = existingFile(name);
    if (!path)
        return {};
    const SettingsFile settings(*path);
    const int total = std::clamp(readInt(settings, totalKey, 0), 0, maxLineCount);
    QStringList result;
    result.reserve(total);
    for (int line = 0; line < total; ++line)
        result.append(settings.value(lineKey(line), missingLine).toString());
    return result;
}

bool MacroLibrary::saveLines(const QString& name, const QStringList& lines) const {
    const std::optional<QString> path = existingFile(name);
    if (!path)
        return false;
    SettingsFile settings(*path);
    settings.remove(lineGroup);
    settings.setValue(totalKey, lines.size());
    for (qsizetype line = 0; line < lines.size(); ++line)
        settings.setValue(lineKey(line), lines[line]);
    return settings.sync();
}

std::optional<MacroConfig> MacroLibrary::config(const QString& name) const {
    const std::optional<QString> path = existingFile(name);
    if (!path)
        return std::nullopt;
    const SettingsFile settings(*path);
    const MacroConfig defaults;
    return MacroConfig{readInt(settings, indexKey, defaults.index),
                       readInt(settings, repeatKey, defaults.repeat)};
}

void MacroLibrary::setConfig(const QString& name, const QVariant& index,
                             const QVariant& repeat) const {
    const std::optional<QString> path = existingFile(name);
    if (!path)
        return;
    SettingsFile settings(*path);
    settings.setValue(indexKey, index);
    settings.setValue(repeatKey, repeat);
}

bool MacroLibrary::remove(const QString& name) const {
    const std::optional<QString> path = existingFile(name);
    return path && QFile::remove(*path);
}

std::optional<QString> MacroLibrary::filePath(const QString& name) const {
    if (!isPlainName(name))
        return std::nullopt;
    return QDir(directory).filePath(name + fileSuffix);
}

// The macro's file when it is a file that really lies in the folder (a link may not lead out).
std::optional<QString> MacroLibrary::existingFile(const QString& name) const {
    const std::optional<QString> path = filePath(name);
    if (!path)
        return std::nullopt;
    const QFileInfo file(*path);
    if (!file.isFile() || file.canonicalPath() != QDir(directory).canonicalPath())
        return std::nullopt;
    return path;
}
