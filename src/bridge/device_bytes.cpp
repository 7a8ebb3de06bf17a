#include "bridge/device_bytes.h"

QByteArray toDeviceBytes(const QVariantList& values, int size) {
    QByteArray bytes(size, '\0');
    const auto count = qMin<qsizetype>(size, values.size());
    for (qsizetype i = 0; i < count; ++i)
        bytes[i] = char(values[i].toInt() & 0xFF);
    return bytes;
}

QVariantList fromDeviceBytes(const QByteArray& bytes) {
    QVariantList values;
    values.reserve(bytes.size());
    for (const char byte : bytes)
        values.append(int(uchar(byte)));
    return values;
}
