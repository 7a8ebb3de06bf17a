#include "service/autostart_entry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const QString entryName = QStringLiteral("org.korvane.Keyboard.Service.desktop");
// The installed entry, carried inside the program.
const QString templateEntry = QStringLiteral(":/autostart/") + entryName;

} // namespace

namespace AutostartEntry {

QString path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/") + entryName;
}

bool isEnabled() {
    return QFileInfo(path()).isFile();
}

// Quoting first escapes the quoting characters; the value's own escaping then doubles every
// backslash, and "%" is written "%%" since field codes start with it.
QString execLine(const QStringList& command) {
    static const QRegularExpression reserved(QStringLiteral("[\\s\"'\\\\><~|&;$*?#()`=%]"));
    QStringList words;
    for (QString word : command) {
        if (word.contains(reserved)) {
            for (const char* special : {"\\", "\"", "`", "$"})
                word.replace(QLatin1String(special), QLatin1String("\\") + QLatin1String(special));
            word = QLatin1Char('"') + word + QLatin1Char('"');
        }
        word.replace(QLatin1String("\\"), QLatin1String("\\\\"));
        word.replace(QLatin1String("%"), QLatin1String("%%"));
        words.append(word);
    }
    return words.join(QLatin1Char(' '));
}

bool enable(const QStringList& command) {
    QFile source(templateEntry);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    QStringList lines = QString::fromUtf8(source.readAll()).split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.startsWith(QLatin1String("Exec=")))
            line = QStringLiteral("Exec=") + execLine(command);
    }
    if (!QDir().mkpath(QFileInfo(path()).path()))
        return false;
    QSaveFile entry(path());
    if (!entry.open(QIODevice::WriteOnly))
        return false;
    entry.write(lines.join(QLatin1Char('\n')).toUtf8());
    return entry.commit();
}

bool disable() {
    return !isEnabled() || QFile::remove(path());
}

} // namespace AutostartEntry
