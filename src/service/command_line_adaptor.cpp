#include "service/command_line_adaptor.h"

#include "ctl/korvane_ctl.h"
#include "service/bus_object.h"
#include "service/keyboard_service.h"
#include "service/service_error.h"

#include <QDir>

CommandLineAdaptor::CommandLineAdaptor(KeyboardService& service, bool demo, QObject* object)
    : QDBusAbstractAdaptor(object), service(service), demo(demo) {}

int CommandLineAdaptor::Run(const QStringList& arguments, const QString& directory, QString& output,
                            QString& errors) {
    if (wantsDemoKeyboard(arguments) != demo) {
        BusObject::of(this).sendErrorReply(
            ServiceError::otherKeyboard(),
            demo ? QStringLiteral("the service holds the virtual keyboard (--demo)")
                 : QStringLiteral("the service holds the real keyboard"));
        return 0;
    }
    if (QDir::isRelativePath(directory)) {
        BusObject::of(this).sendErrorReply(
            ServiceError::invalidArgument(),
            QStringLiteral("'%1' is no absolute directory").arg(directory));
        return 0;
    }
    return service.runCommandLine(arguments, directory, output, errors);
}
