#pragma once

#include <QByteArray>
#include <QDebug>

// One report that crossed the wire between the host and the virtual keyboard, as its bytes.
struct WireReport {
    enum class Kind {
        FeatureOut,   // host to keyboard, 9 bytes with the report id
        FeatureIn,    // keyboard to host, 9 bytes with the report id
        Output,       // host to keyboard on the command interface, with the report id
        Input,        // keyboard to host on the command interface, 64 bytes without report id
        Notification, // keyboard to host on the notification interface, 4 bytes
    };

    Kind kind = Kind::FeatureOut;
    QByteArray bytes;

    friend bool operator==(const WireReport&, const WireReport&) = default;
};

// "feature out: 00 01 03 00 00 00 00 00 FB"
QString describe(const WireReport& report);
QDebug operator<<(QDebug debug, const WireReport& report);
