#include "service/command_line_adaptor.h"

#include "ctl/korvane_ctl.h"
#include "service/bus_object.h"
#include "service/keyboard_service.h"
#include "service/service_error.h"

#include <QDir>

#include <limits>

CommandLineAdaptor::CommandLineAdaptor(KeyboardService& service, bool demo, QObject* object)
    : QDBusAbstractAdaptor(object), service(service), demo(demo) {}

int CommandLineAdaptor::Run(const QStringList& arguments, const QString& directory, QString&,
                            QString&) {
    run(arguments, directory, std::nullopt);
    return 0;
}

int CommandLineAdaptor::RunBefore(const QStringList& arguments, const QString& directory,
                                  qulonglong deadline, QString&, QString&) {
    run(arguments, directory,
        qint64(qMin(deadline, qulonglong(std::numeric_limits<qint64>::max()))));
    return 0;
}

void CommandLineAdaptor::run(const QStringList& arguments, const QString& directory,
                             KeyboardService::StartBefore startBefore) {
    if (wantsDemoKeyboard(arguments) != demo) {
        BusObject::of(this).sendErrorReply(
            ServiceError::otherKeyboard(),
            demo ? QStringLiteral("the service holds the virtual keyboard (--demo)")
                 : QStringLiteral("the service holds the real keyboard"));
        return;
    }
    if (QDir::isRelativePath(directory)) {
        BusObject::of(this).sendErrorReply(
            ServiceError::invalidArgument(),
            QStringLiteral("'%1' is no absolute directory").arg(directory));
        return;
    }
    service.runCommandLine(
        arguments, directory, startBefore,
        [reply = LaterReply(this)](const std::optional<KeyboardService::LineResult>& result) {
            if (!result)
                reply.fail(ServiceError::tooLate(),
                           QStringLiteral("the call came after its deadline; nothing was done"));
            else
                reply.send({result->status, result->out, result->err});
        });
}
