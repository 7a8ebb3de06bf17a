#include "platform/desktop_session.h"

#include <QByteArray>
#include <QString>

namespace DesktopSession {

bool isWayland() {
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

bool preferWaylandPlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !isWayland())
        return false;
    qputenv("QT_QPA_PLATFORM", "wayland;xcb");
    return true;
}

} // namespace DesktopSession
