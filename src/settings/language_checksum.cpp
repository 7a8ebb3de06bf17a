#include "settings/language_checksum.h"

QString languageChecksum(qint64 totalLength) {
    // Each term keeps the low 8 bits of its 32-bit value, so L − 69 wraps for short files.
    const auto length = quint32(totalLength);
    const auto term = [](quint32 value) { return QString::number(value & 0xFFu); };
    return term(length + 74) + term(length - 69) + term(length * 70) + term(length / 70);
}

qint64 languageTextLength(const QStringList& strings) {
    qint64 length = 0;
    for (const QString& text : strings)
        length += text.size();
    return length;
}
