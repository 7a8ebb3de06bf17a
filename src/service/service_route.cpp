#include "service/service_route.h"

#include "ctl/ctl_result.h"
#include "ctl/korvane_ctl.h"
#include "service/keyboard_service.h"
#include "service/service_error.h"
#include "service/service_names.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusReply>

namespace {

// Short: a service that answers at all answers its properties at once.
constexpr int pingTimeoutMs = 2000;
// Enough for the command and a few others' before it in the service's queue.
constexpr int quickCommandMs = 10 * 1000;
// Payloads of 512 bytes, macros, whole profiles: several seconds each on the keyboard.
constexpr int longCommandMs = 60 * 1000;
// The service answers TooLate by itself; this is only for the answer to come through.
constexpr int replyMarginMs = 2000;

const QStringList longCommands{QStringLiteral("lighting"), QStringLiteral("backlight"),
                               QStringLiteral("key"),      QStringLiteral("macro"),
                               QStringLiteral("import"),   QStringLiteral("reset")};

QString ownerOf(const QDBusConnection& bus) {
    const QDBusReply<QString> owner = bus.interface()->serviceOwner(ServiceNames::busName);
    return owner.isValid() ? owner.value() : QString();
}

bool isOwnError(const QDBusMessage& reply) {
    return reply.errorName().startsWith(ServiceNames::errorPrefix);
}

// The service did not answer the ping. It is passed by where working on the keyboard directly
// is safe: the per-keyboard transfer lock keeps the two apart on the real keyboard, but the demo
// keyboard lives inside the service.
std::optional<int> passBy(const QStringList& arguments, QTextStream& err) {
    if (wantsDemoKeyboard(arguments)) {
        err << "korvanectl: korvane-service does not answer; it holds the --demo keyboard, so "
               "nothing was done\n";
        return int(ExitStatus::NoAnswer);
    }
    err << "korvanectl: korvane-service does not answer; working with the keyboard directly\n";
    return std::nullopt;
}

int noAnswer(const QDBusConnection& bus, const QString& owner, int boundMs, QTextStream& err) {
    if (ServiceRoute::hasEnded(bus, owner))
        err << "korvanectl: korvane-service ended before it answered; the command may have been "
               "carried out in part\n";
    else
        err << "korvanectl: korvane-service did not answer within " << boundMs / 1000
            << " s; the command may or may not have been carried out\n";
    return int(ExitStatus::NoAnswer);
}

} // namespace

namespace ServiceRoute {

int handoverBoundMs(const QStringList& arguments) {
    for (const QString& word : arguments) {
        if (!word.startsWith(QLatin1Char('-')))
            return longCommands.contains(word) ? longCommandMs : quickCommandMs;
    }
    return quickCommandMs;
}

QDBusMessage commandLineCall(const QStringList& arguments, const QString& directory, int boundMs) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        ServiceNames::busName, ServiceNames::objectPath, ServiceNames::commandLineInterface,
        QStringLiteral("RunBefore"));
    call << arguments << directory << qulonglong(KeyboardService::monotonicMs() + boundMs);
    call.setAutoStartService(false);
    return call;
}

QDBusMessage pingCall() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        ServiceNames::busName, ServiceNames::objectPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << ServiceNames::keyboardInterface << QStringLiteral("Connected");
    call.setAutoStartService(false);
    return call;
}

bool isUnanswered(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ErrorMessage)
        return false;
    switch (QDBusError(reply).type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

bool hasEnded(const QDBusConnection& bus, const QString& owner) {
    return ownerOf(bus) != owner;
}

} // namespace ServiceRoute

std::optional<int> runThroughService(const QStringList& arguments, const QString& userDirectory,
                                     QTextStream& out, QTextStream& err) {
    if (arguments.value(0) == QLatin1String("__complete"))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString owner = bus.isConnected() ? ownerOf(bus) : QString();
    if (owner.isEmpty())
        return std::nullopt;
    const QDBusMessage ping = bus.call(ServiceRoute::pingCall(), QDBus::Block, pingTimeoutMs);
    if (ping.type() == QDBusMessage::ErrorMessage)
        return ServiceRoute::hasEnded(bus, owner) ? std::nullopt : passBy(arguments, err);

    const int boundMs = ServiceRoute::handoverBoundMs(arguments);
    const QDBusMessage reply =
        bus.call(ServiceRoute::commandLineCall(arguments, userDirectory, boundMs), QDBus::Block,
                 boundMs + replyMarginMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        if (ServiceError::nothingRan(reply))
            return std::nullopt;
        if (reply.errorName() == ServiceError::tooLate()) {
            err << "korvanectl: korvane-service was too busy to begin the command within "
                << boundMs / 1000 << " s; nothing was done\n";
            return int(ExitStatus::NoAnswer);
        }
        if (ServiceRoute::isUnanswered(reply))
            return noAnswer(bus, owner, boundMs, err);
        // Only the service's own messages are meant for people; the bus library's are not.
        err << "korvanectl: the background service failed: "
            << (isOwnError(reply) ? reply.errorMessage() : reply.errorName()) << '\n';
        return int(ExitStatus::Failed);
    }
    const QList<QVariant> values = reply.arguments();
    out << values.value(1).toString();
    err << values.value(2).toString();
    return values.value(0).toInt();
}
