#pragma once

#include <QByteArray>
#include <QVariantList>

// Conversions between the scene's lists of whole numbers and the device link's byte buffers.

// A buffer of `size` bytes: byte i is the low 8 bits of element i as a whole number (numbers and
// decimal texts both count); elements missing from a short list give 0, extra ones are ignored.
QByteArray toDeviceBytes(const QVariantList& values, int size);

// One whole number 0 … 255 per byte, from index 0 upward.
QVariantList fromDeviceBytes(const QByteArray& bytes);

inline uchar* deviceBuffer(QByteArray& bytes) {
    return reinterpret_cast<uchar*>(bytes.data());
}
