#pragma once

#include "counting_backend.h"
#include "device/dev_found.h"
#include "device/dev_info.h"
#include "device/hid_thread.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <memory>

// A scan as the device watch makes it: read the table, find the keyboard, start the listener.
inline QList<DevFound> scanAndListen(Hid_Thread& hid) {
    QList<DevInfo> table = readDeviceTable(deviceTableFile);
    QList<DevFound> found = findDevices(&hid, table);
    hid.startListen();
    return found;
}

// A device link attached to a virtual Z9, scanned and listening, as after a scan that found it.
struct VirtualLink {
    std::shared_ptr<VirtualKeyboard> keyboard = std::make_shared<VirtualKeyboard>();
    std::shared_ptr<CountingBackend<VirtualHidBackend>> backend =
        std::make_shared<CountingBackend<VirtualHidBackend>>(keyboard);
    Hid_Thread hid{backend};

    VirtualLink() { scan(); }

    QList<DevFound> scan() { return scanAndListen(hid); }
};

inline QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

// Bytes 0, 1, 2 ... counted from `seed`, wrapping at 256.
inline QByteArray pattern(int length, int seed) {
    QByteArray bytes(length, '\0');
    for (int i = 0; i < length; ++i)
        bytes[i] = char((seed + 7 * i) & 0xFF);
    return bytes;
}

inline uchar* bytesOf(QByteArray& bytes) {
    return reinterpret_cast<uchar*>(bytes.data());
}

// A payload as the host writes it: pieces of 64 bytes (or the whole, when shorter), each
// behind the report id 0x00.
inline QList<WireReport> outputReports(const QByteArray& payload) {
    QList<WireReport> reports;
    const int piece = std::min<int>(int(payload.size()), 64);
    for (int offset = 0; offset < payload.size(); offset += piece)
        reports.append(
            {WireReport::Kind::Output, QByteArray(1, '\0') + payload.mid(offset, piece)});
    return reports;
}

// A payload as the keyboard sends it: 64-byte input reports, the last one padded with zeros.
inline QList<WireReport> inputReports(const QByteArray& payload) {
    QList<WireReport> reports;
    for (int offset = 0; offset < payload.size(); offset += 64) {
        QByteArray report = payload.mid(offset, 64);
        report.resize(64, '\0');
        reports.append({WireReport::Kind::Input, report});
    }
    return reports;
}

inline const WireReport ackNotification{WireReport::Kind::Notification, hex("04040000")};

inline WireReport featureOut(const char* frame) {
    return {WireReport::Kind::FeatureOut, hex(frame)};
}

inline WireReport featureIn(const char* reply) {
    return {WireReport::Kind::FeatureIn, hex(reply)};
}

// How many command frames with command byte `code` the host sent.
inline int countFrames(const QList<WireReport>& wire, uchar code) {
    return int(std::count_if(wire.begin(), wire.end(), [code](const WireReport& r) {
        return r.kind == WireReport::Kind::FeatureOut && uchar(r.bytes[1]) == code;
    }));
}
