#pragma once

#include "bus_tools.h"
#include "service_sandbox.h"
#include "virtual/wire_report.h"

#include <QDBusInterface>

// What the per-application profile suites read and write: the profile switches on the wire, the
// rules through korvanectl, and the service's focus properties.
namespace FocusTools {

// The profile (1 … 6) of each profile switch on the wire, in order.
inline QList<int> profileSwitches(const QList<WireReport>& sent) {
    QList<int> profiles;
    for (const WireReport& report : sent) {
        if (report.kind == WireReport::Kind::FeatureOut && report.bytes.size() > 2 &&
            uchar(report.bytes[1]) == 0x02)
            profiles.append(uchar(report.bytes[2]) + 1);
    }
    return profiles;
}

inline ToolRun korvanectl(const QStringList& words) {
    return runTool(QStringLiteral(KORVANECTL_EXECUTABLE),
                   QStringList{QStringLiteral("--demo")} + words, ServiceSandbox::environment());
}

inline QVariant focusProperty(const QString& name) {
    QDBusInterface focus(ServiceNames::busName, ServiceNames::objectPath,
                         ServiceNames::focusInterface);
    return focus.property(name.toLatin1().constData());
}

} // namespace FocusTools
