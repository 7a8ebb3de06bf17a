#pragma once

#include "service/service_names.h"
#include "service_sandbox.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QProcess>
#include <QVariantMap>

// The command-line tools a user or a script reaches the service with, and a recorder of the
// service's PropertiesChanged signals.
struct ToolRun {
    int status = -1;
    QString out;
    QString err;
};

inline ToolRun
runTool(const QString& program, const QStringList& arguments,
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
        const QString& directory = QString()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!directory.isEmpty())
        process.setWorkingDirectory(directory);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// gdbus call --session --dest org.korvane.Keyboard1 --object-path PATH --method METHOD ARGS...
inline ToolRun gdbusCall(const QString& method, const QStringList& arguments,
                         const QString& path = ServiceNames::objectPath) {
    return runTool(QStringLiteral("gdbus"),
                   QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                               QStringLiteral("--dest"), ServiceNames::busName,
                               QStringLiteral("--object-path"), path, QStringLiteral("--method"),
                               method} +
                       arguments);
}

// A method of org.korvane.Keyboard1 on its object.
inline ToolRun keyboardCall(const QString& member, const QStringList& arguments = {}) {
    return gdbusCall(ServiceNames::keyboardInterface + QLatin1Char('.') + member, arguments);
}

// One property of org.korvane.Keyboard1, as Properties.Get returns it.
inline QVariant keyboardProperty(const QString& name) {
    QDBusMessage call = QDBusMessage::createMethodCall(
        ServiceNames::busName, ServiceNames::objectPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << ServiceNames::keyboardInterface << name;
    const QDBusReply<QDBusVariant> reply = QDBusConnection::sessionBus().call(call);
    return reply.isValid() ? reply.value().variant() : QVariant();
}

class PropertiesRecorder : public QObject {
    Q_OBJECT

public:
    PropertiesRecorder() {
        QDBusConnection::sessionBus().connect(ServiceNames::busName, ServiceNames::objectPath,
                                              QStringLiteral("org.freedesktop.DBus.Properties"),
                                              QStringLiteral("PropertiesChanged"), this,
                                              SLOT(record(QString, QVariantMap, QStringList)));
    }

    QList<QVariantMap> changes;

private slots:
    void record(const QString& interface, const QVariantMap& changed, const QStringList&) {
        if (interface == ServiceNames::keyboardInterface)
            changes.append(changed);
    }
};
