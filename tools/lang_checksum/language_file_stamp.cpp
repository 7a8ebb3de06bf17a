#include "language_file_stamp.h"

#include "settings/language_checksum.h"
#include "settings/language_files.h"

#include <QFile>
#include <QSaveFile>

namespace {

const QByteArray fontSection = "[font]";
const QByteArray checkKey = "cs=";

bool isSectionHeader(const QByteArray& line) {
    return line.trimmed().startsWith('[');
}

// Replaces the check line of the [font] section, or inserts one after its header.
bool putCheckLine(QList<QByteArray>& lines, const QByteArray& checkLine) {
    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed() == fontSection) {
            header = i;
            continue;
        }
        if (header < 0)
            continue;
        if (isSectionHeader(lines[i]))
            break;
        if (lines[i].trimmed().startsWith(checkKey)) {
            lines[i] = checkLine;
            return true;
        }
    }
    if (header < 0)
        return false;
    lines.insert(header + 1, checkLine);
    return true;
}

} // namespace

bool stampLanguageFile(const QString& path) {
    const LanguageFiles::Strings language = LanguageFiles::read(path);
    const QStringList strings = language.strings.mid(1);
    const QByteArray checkLine =
        checkKey + languageChecksum(languageTextLength(strings)).toLatin1() + '\n';

    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines;
    while (!in.atEnd())
        lines.append(in.readLine());
    if (!putCheckLine(lines, checkLine))
        return false;

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& line : lines)
        out.write(line);
    return out.commit();
}
