#pragma once

#include "service/service_names.h"
#include "service_sandbox.h"
#include "virtual/wire_report.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

// korvane-service --demo started from the sandbox, its log read as it comes: the virtual
// keyboard's reports on the wire and the service's own lines.
class ServiceProcess {
public:
    // `session`: what the service sees of the desktop beyond the sandbox (DISPLAY,
    // WAYLAND_DISPLAY).
    explicit ServiceProcess(const QStringList& options = {QStringLiteral("--demo")},
                            const QProcessEnvironment& session = {}) {
        QProcessEnvironment environment = ServiceSandbox::environment();
        for (const QString& name : session.keys())
            environment.insert(name, session.value(name));
        process.setProcessEnvironment(environment);
        process.setProgram(ServiceSandbox::executable());
        process.setArguments(options);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start();
    }
    ~ServiceProcess() { stop(); }
    ServiceProcess(const ServiceProcess&) = delete;
    ServiceProcess& operator=(const ServiceProcess&) = delete;

    // True once the service owns its name on the bus.
    bool waitUntilOnBus(int milliseconds = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (!QDBusConnection::sessionBus().interface()->isServiceRegistered(
            ServiceNames::busName)) {
            if (clock.elapsed() > milliseconds || process.state() == QProcess::NotRunning)
                return false;
            QTest::qWait(20);
        }
        return true;
    }

    // What the service wrote so far: it writes each line before it answers the call that
    // caused it, so the lines only need reading in.
    QStringList log() {
        while (process.waitForReadyRead(100))
            ;
        text += QString::fromUtf8(process.readAll());
        return text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    // Every report on the virtual wire since the start or the last forgetWire().
    QList<WireReport> wire() {
        QList<WireReport> reports;
        const QString prefix = QStringLiteral("korvane.virtualkeyboard: ");
        const QStringList lines = log();
        for (qsizetype n = forgotten; n < lines.size(); ++n) {
            if (!lines[n].startsWith(prefix))
                continue;
            if (const std::optional<WireReport> report = parse(lines[n].mid(prefix.size())))
                reports.append(*report);
        }
        return reports;
    }

    // The frames of set commands and their payloads, as the host sent them.
    QList<WireReport> setTraffic() {
        QList<WireReport> sent;
        for (const WireReport& report : wire()) {
            const bool setFrame = report.kind == WireReport::Kind::FeatureOut &&
                                  report.bytes.size() > 1 && uchar(report.bytes[1]) < 0x80;
            if (setFrame || report.kind == WireReport::Kind::Output)
                sent.append(report);
        }
        return sent;
    }

    void forgetWire() { forgotten = log().size(); }

    bool isRunning() const { return process.state() == QProcess::Running; }

    // SIGTERM, as systemd stops it; the exit status, or -1 when it did not end in time.
    int stop() {
        if (process.state() == QProcess::NotRunning)
            return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QProcess process;

private:
    static std::optional<WireReport> parse(const QString& line) {
        static const QList<std::pair<QString, WireReport::Kind>> kinds{
            {QStringLiteral("feature out: "), WireReport::Kind::FeatureOut},
            {QStringLiteral("feature in: "), WireReport::Kind::FeatureIn},
            {QStringLiteral("output: "), WireReport::Kind::Output},
            {QStringLiteral("input: "), WireReport::Kind::Input},
            {QStringLiteral("notification: "), WireReport::Kind::Notification}};
        for (const auto& [name, kind] : kinds) {
            if (line.startsWith(name))
                return WireReport{kind, QByteArray::fromHex(line.mid(name.size()).toLatin1())};
        }
        return std::nullopt;
    }

    QString text;
    qsizetype forgotten = 0;
};
