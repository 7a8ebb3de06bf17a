#include "service/service_error.h"

#include "service/service_names.h"

#include <QDBusError>
#include <QDBusMessage>

namespace ServiceError {

QString nameOf(ExitStatus status) {
    switch (status) {
    case ExitStatus::Ok:
    case ExitStatus::Failed:
    case ExitStatus::NoAnswer:
        break;
    case ExitStatus::BadArgument:
        return invalidArgument();
    case ExitStatus::NoKeyboard:
        return ServiceNames::errorPrefix + QStringLiteral("NoKeyboard");
    case ExitStatus::NoPermission:
        return ServiceNames::errorPrefix + QStringLiteral("NoPermission");
    case ExitStatus::DeviceBusy:
        return ServiceNames::errorPrefix + QStringLiteral("Busy");
    }
    return ServiceNames::errorPrefix + QStringLiteral("Failed");
}

QString invalidArgument() {
    return ServiceNames::errorPrefix + QStringLiteral("InvalidArgument");
}

QString tooLate() {
    return ServiceNames::errorPrefix + QStringLiteral("TooLate");
}

QString otherKeyboard() {
    return ServiceNames::errorPrefix + QStringLiteral("OtherKeyboard");
}

bool nothingRan(const QDBusMessage& reply) {
    const QString name = reply.errorName();
    return name == otherKeyboard() || name == QDBusError::errorString(QDBusError::ServiceUnknown) ||
           name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}

} // namespace ServiceError
