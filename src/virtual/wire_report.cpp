#include "virtual/wire_report.h"

namespace {

const char* kindName(WireReport::Kind kind) {
    switch (kind) {
    case WireReport::Kind::FeatureOut:
        return "feature out";
    case WireReport::Kind::FeatureIn:
        return "feature in";
    case WireReport::Kind::Output:
        return "output";
    case WireReport::Kind::Input:
        return "input";
    case WireReport::Kind::Notification:
        return "notification";
    }
    return "";
}

} // namespace

QString describe(const WireReport& report) {
    return QStringLiteral("%1: %2").arg(QLatin1String(kindName(report.kind)),
                                        QString::fromLatin1(report.bytes.toHex(' ').toUpper()));
}

QDebug operator<<(QDebug debug, const WireReport& report) {
    QDebugStateSaver saver(debug);
    debug.noquote() << describe(report);
    return debug;
}
