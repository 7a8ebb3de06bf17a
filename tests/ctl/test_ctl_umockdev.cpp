// korvanectl processes and the background service on hidapi's hidraw code, against the virtual Z9
// behind umockdev's fake device nodes: the real path, shared by several programs at once.
#include "../device/umockdev_z9.h"
#include "../device/virtual_link.h"
#include "device/device_command.h"
#include "platform/device_transfer_lock.h"
#include "private_session_bus.h"
#include "umockdev_preload.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Whether every transfer on the wire is whole: a set frame followed by exactly its payload, a get
// frame by its reply and payload, with nothing of another transfer in between. Notifications
// travel on their own interface and do not count.
QString firstBrokenTransfer(const QList<WireReport>& wire) {
    QList<WireReport> reports;
    for (const WireReport& report : wire) {
        if (report.kind != WireReport::Kind::Notification)
            reports.append(report);
    }
    for (qsizetype i = 0; i < reports.size();) {
        const WireReport& frame = reports[i];
        const DeviceCommand* command = frame.kind == WireReport::Kind::FeatureOut
                                           ? findDeviceCommand(uchar(frame.bytes[1]))
                                           : nullptr;
        if (!command)
            return QStringLiteral("report %1 is no frame: %2").arg(i).arg(describe(frame));
        QList<WireReport::Kind> expected;
        const int pieces = (command->payloadLength + payloadPieceLength - 1) / payloadPieceLength;
        if (command->isGet()) {
            expected.append(WireReport::Kind::FeatureIn);
            expected += QList<WireReport::Kind>(pieces, WireReport::Kind::Input);
        } else {
            expected = QList<WireReport::Kind>(pieces, WireReport::Kind::Output);
        }
        for (qsizetype k = 0; k < expected.size(); ++k) {
            if (i + 1 + k >= reports.size() || reports[i + 1 + k].kind != expected[k])
                return QStringLiteral("the transfer of %1 at report %2 is broken")
                    .arg(describe(frame))
                    .arg(i);
        }
        i += 1 + expected.size();
    }
    return QString();
}

} // namespace

class TestCtlUmockdev : public QObject {
    Q_OBJECT

private:
    QTemporaryDir runtime;
    QTemporaryDir install{
        QDir(QStringLiteral(KORVANE_BUILD_DIR)).filePath(QStringLiteral("ctl-XXXXXX"))};
    std::shared_ptr<VirtualKeyboard> keyboard;
    std::unique_ptr<UmockdevZ9> testbed;

    QString program() const { return install.filePath(QStringLiteral("korvanectl")); }

    void startCtl(QProcess& process, const QStringList& arguments) const {
        process.setProgram(program());
        process.setArguments(arguments);
        process.start();
    }

    Run ctl(const QStringList& arguments) const {
        QProcess process;
        startCtl(process, arguments);
        Run run;
        if (!process.waitForFinished(30000))
            return run;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }

    QString commandPath() const {
        Hid_Thread hid;
        QList<DevInfo> table = readDeviceTable(deviceTableFile);
        findDevices(&hid, table);
        return hid.commandPath();
    }

private slots:
    // korvanectl works beside its own data tree: a link to the built program in a folder with
    // the layout files and one macro, so the build's own files stay as they are.
    void initTestCase() {
        QVERIFY(runtime.isValid() && install.isValid());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        if (::link(KORVANECTL_EXECUTABLE, program().toLocal8Bit().constData()) != 0)
            QVERIFY(QFile::copy(QStringLiteral(KORVANECTL_EXECUTABLE), program()));
        QDir root(install.path());
        QVERIFY(root.mkpath(QStringLiteral("modules/setting")) &&
                root.mkpath(QStringLiteral("modules/macro")));
        for (const char* name : {"HWDef.bin", "pD.bin"}) {
            const QString relative = QStringLiteral("modules/setting/") + QLatin1String(name);
            QVERIFY(QFile::copy(relative, root.filePath(relative)));
        }
        QFile macro(root.filePath(QStringLiteral("modules/macro/Macro. 001.bin")));
        QVERIFY(macro.open(QIODevice::WriteOnly));
        macro.write(
            "[config]\nindex=-1\nrepeat=1\ntotal=2\n\n[macro]\n0=A    [Down]\n1=A      [Up]\n");
    }

    void init() {
        keyboard = std::make_shared<VirtualKeyboard>();
        testbed = std::make_unique<UmockdevZ9>(keyboard);
    }

    void cleanup() { testbed.reset(); }

    void statusProfileAndBreathing() {
        Run run = ctl({"status"});
        QCOMPARE(run.status, 0);
        QVERIFY2(run.out.contains(QStringLiteral("command interface /dev/hidraw")),
                 qPrintable(run.out));
        QVERIFY(run.out.contains(QStringLiteral("firmware      1.05")));
        QVERIFY(run.err.isEmpty());

        // Profile 3 as people count them: index 2 on the keyboard.
        QCOMPARE(ctl({"profile", "3"}).status, 0);
        run = ctl({"lighting", "breathing", "--speed", "7", "--color", "green"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.trimmed(),
                 QStringLiteral(
                     "key lighting on profile 3: BREATHING, speed 7, brightness 7, color green"));
        const VirtualKeyboardState state = keyboard->state();
        QCOMPARE(state.currentProfile, 2);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(state.profiles[2].ledType.data()), 6),
                 hex("0202013103"
                     "01"));
        QCOMPARE(firstBrokenTransfer(keyboard->record()), QString());
    }

    void theDemoKeyboardKeepsItsSettingsBetweenRuns() {
        QCOMPARE(ctl({"--demo", "profile", "4"}).status, 0);
        const Run run = ctl({"--demo", "--json", "profile"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.trimmed(), QStringLiteral("{\"previous\":4,\"profile\":4}"));
        QVERIFY(keyboard->record().isEmpty());
    }

    void aKeyboardKeptByAnotherProgramIsBusy() {
        const QString path = commandPath();
        QVERIFY(path.startsWith(QStringLiteral("/dev/hidraw")));
        keyboard->clearRecord();
        DeviceTransferLock other(path);
        QVERIFY(other.acquire(0));
        const Run run = ctl({"lighting", "wave"});
        QCOMPARE(run.status, 5);
        QCOMPARE(run.err,
                 QStringLiteral("korvanectl: device busy: another program kept the keyboard "
                                "too long; try again\n"));
        QVERIFY(keyboard->record().isEmpty());
    }

    // The background service on the real path, on a session bus of its own: while another
    // program keeps the keyboard, a call fails with the service's named Busy error.
    void theServiceSaysBusyWhileAnotherProgramKeepsTheKeyboard() {
        const QString service = install.filePath(QStringLiteral("korvane-service"));
        if (::link(KORVANE_SERVICE_EXECUTABLE, service.toLocal8Bit().constData()) != 0)
            QVERIFY(QFile::exists(service) ||
                    QFile::copy(QStringLiteral(KORVANE_SERVICE_EXECUTABLE), service));
        PrivateSessionBus bus;
        const QString address = bus.address();
        QVERIFY(!address.isEmpty());
        QProcess held;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        held.setProcessEnvironment(environment);
        held.start(service, {});
        const auto gdbus = [&address](const QStringList& words) {
            QProcess call;
            call.start(QStringLiteral("gdbus"),
                       QStringList{QStringLiteral("call"), QStringLiteral("--address"), address} +
                           words);
            call.waitForFinished(30000);
            return QString::fromUtf8(call.readAllStandardOutput() + call.readAllStandardError());
        };
        QVERIFY(QTest::qWaitFor(
            [&] {
                return gdbus({"--dest", "org.freedesktop.DBus", "--object-path",
                              "/org/freedesktop/DBus", "--method",
                              "org.freedesktop.DBus.NameHasOwner", "org.korvane.Keyboard1"})
                    .contains(QStringLiteral("true"));
            },
            20000));

        keyboard->clearRecord();
        DeviceTransferLock other(commandPath());
        QVERIFY(other.acquire(0));
        const QString answer =
            gdbus({"--dest", "org.korvane.Keyboard1", "--object-path", "/org/korvane/Keyboard1",
                   "--method", "org.korvane.Keyboard1.SetLighting", "wave", "{}"});
        QVERIFY2(answer.contains(QStringLiteral("org.korvane.Keyboard1.Error.Busy")) &&
                     answer.contains(QStringLiteral("device busy")),
                 qPrintable(answer));
        QVERIFY(keyboard->record().isEmpty());

        held.terminate();
        QVERIFY(held.waitForFinished(10000));
    }

    // Two programs, 100 commands each, started one after another as fast as each ends: every
    // transfer arrives whole and none is lost.
    void twoProgramsTakeTurnsOnOneKeyboard() {
        keyboard->clearRecord();
        struct Client {
            explicit Client(QStringList (*arguments)(int)) : arguments(arguments) {}
            QStringList (*arguments)(int);
            int started = 0;
            int done = 0;
            QStringList failures;
            QProcess process;
        };
        constexpr int commandsEach = 100;
        Client macros([](int) {
            return QStringList{"macro", "load", "Macro. 001", "--slot", "3"};
        });
        Client keys([](int n) { return QStringList{"key", "F1", n % 2 ? "B" : "A"}; });
        QEventLoop loop;
        for (Client* client : {&macros, &keys}) {
            connect(&client->process, &QProcess::finished, &loop, [&, client](int code) {
                if (code != 0)
                    client->failures.append(
                        QString::fromUtf8(client->process.readAllStandardError()));
                client->process.readAll();
                if (++client->done == commandsEach) {
                    if (macros.done == commandsEach && keys.done == commandsEach)
                        loop.quit();
                    return;
                }
                startCtl(client->process, client->arguments(client->started++));
            });
            startCtl(client->process, client->arguments(client->started++));
        }
        QTimer::singleShot(280000, &loop, &QEventLoop::quit);
        loop.exec();

        QCOMPARE(macros.done, commandsEach);
        QCOMPARE(keys.done, commandsEach);
        QCOMPARE(macros.failures, QStringList());
        QCOMPARE(keys.failures, QStringList());
        const QList<WireReport> wire = keyboard->record();
        QCOMPARE(firstBrokenTransfer(wire), QString());
        QCOMPARE(countFrames(wire, 0x11), commandsEach);
        QCOMPARE(countFrames(wire, 0x0D), commandsEach);
        QCOMPARE(countFrames(wire, 0x82), 2 * commandsEach);
        const VirtualKeyboardState state = keyboard->state();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(state.macros[3].data()), 8),
                 hex("0001010481040000"));
        QCOMPARE(state.profiles[0].keyMatrix[4 * 17 + 2], uchar(0x05));
    }
};

int main(int argc, char** argv) {
    runUnderUmockdevPreload(argv);
    QCoreApplication app(argc, argv);
    TestCtlUmockdev test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_ctl_umockdev.moc"
