#include "key_picture.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const char header[] = ".pragma library\n"
                      "// The keys of the key definition picture in matrix order, written by "
                      "korvane_datagen from\n"
                      "// tools/data, the tables that HWDef.bin comes from. Do not edit: change "
                      "the tables and run\n"
                      "// the generator again. keyType 0 marks a position without a key cap.\n"
                      "var keys = [\n";

QJsonObject entry(const MatrixKey& key, const KeyCap* cap) {
    QJsonArray code;
    for (const char byte : key.factoryCode)
        code.append(int(uchar(byte)));
    return QJsonObject{
        {QStringLiteral("matrix"), key.position},         {QStringLiteral("name"), key.label},
        {QStringLiteral("keyType"), cap ? cap->type : 0}, {QStringLiteral("x"), cap ? cap->x : 0},
        {QStringLiteral("y"), cap ? cap->y : 0},          {QStringLiteral("code"), code}};
}

} // namespace

bool writeKeyPicture(const QString& path, const QList<KeyCap>& caps,
                     const QList<MatrixKey>& matrix) {
    QHash<int, const KeyCap*> capAt;
    for (const KeyCap& cap : caps)
        capAt.insert(cap.position, &cap);
    QByteArray text(header);
    for (const MatrixKey& key : matrix) {
        text += "    " +
                QJsonDocument(entry(key, capAt.value(key.position))).toJson(QJsonDocument::Compact);
        text += key.position + 1 < matrix.size() ? ",\n" : "\n";
    }
    text += "]\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
}
