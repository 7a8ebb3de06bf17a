#include "service/service_route.h"

#include "ctl/ctl_result.h"
#include "service/service_error.h"
#include "service/service_names.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {

// Long enough for the longest command (a macro and the key table) behind another caller's.
constexpr int callTimeoutMs = 120 * 1000;

} // namespace

std::optional<int> runThroughService(const QStringList& arguments, const QString& userDirectory,
                                     QTextStream& out, QTextStream& err) {
    if (arguments.value(0) == QLatin1String("__complete"))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(ServiceNames::busName))
        return std::nullopt;
    QDBusMessage call =
        QDBusMessage::createMethodCall(ServiceNames::busName, ServiceNames::objectPath,
                                       ServiceNames::commandLineInterface, QStringLiteral("Run"));
    call << arguments << userDirectory;
    call.setAutoStartService(false);
    const QDBusMessage reply = bus.call(call, QDBus::Block, callTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (ServiceError::nothingRan(reply))
            return std::nullopt;
        err << "korvanectl: the background service failed: " << reply.errorMessage() << '\n';
        return int(ExitStatus::Failed);
    }
    const QList<QVariant> values = reply.arguments();
    out << values.value(1).toString();
    err << values.value(2).toString();
    return values.value(0).toInt();
}
