#include "matrix_table.h"

#include <QFile>

namespace {

constexpr int codeBytes = 4;

bool parseLine(const QString& line, MatrixKey& key) {
    const QStringList fields = line.split(QLatin1Char('\t'));
    if (fields.size() != 4)
        return false;
    bool numberOk = false;
    key.position = fields[0].toInt(&numberOk);
    key.label = fields[1];
    key.visible = fields[2] == QLatin1String("visible");
    key.factoryCode = QByteArray::fromHex(fields[3].toLatin1());
    return numberOk && (key.visible || fields[2] == QLatin1String("hidden")) &&
           key.factoryCode.size() == codeBytes;
}

} // namespace

QList<MatrixKey> readMatrixTable(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QList<MatrixKey> keys;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        MatrixKey key;
        if (!parseLine(line, key) || key.position != keys.size())
            return {};
        keys.append(key);
    }
    return keys;
}
