// korvane-service on a private session bus, with the virtual keyboard behind it (--demo), reached
// as a user or a script reaches it: gdbus and busctl calls, korvanectl, a tray host's menu calls.
// What the service sends and stores is compared with what korvanectl on its own sends and stores,
// which the korvanectl suites compare with the window's pages.
#include "../ctl/ctl_world.h"
#include "bus_tools.h"
#include "private_session_bus.h"
#include "service/dbus_menu_types.h"
#include "service/keyboard_service_client.h"
#include "service/service_error.h"
#include "service/service_names.h"
#include "service_process.h"
#include "service_sandbox.h"

#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QSignalSpy>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>

namespace {

QString shippedFolder;

// What korvanectl alone sends and stores for `arguments`, on a keyboard at profile 0.
struct Reference {
    QList<WireReport> traffic;
    CtlWorld::Files files;
};

Reference korvanectlAlone(const QStringList& arguments) {
    CtlWorld world(shippedFolder, {});
    const CtlWorld::CtlRun run = world.runCtl(arguments);
    QDir::setCurrent(shippedFolder);
    if (run.status != 0)
        qWarning() << "korvanectl" << arguments << "failed:" << run.err;
    return {world.setTraffic(), world.settingsFiles()};
}

// The service's profile files by the names CtlWorld gives them.
CtlWorld::Files serviceProfileFiles() {
    CtlWorld::Files files;
    for (int n = 0; n < 6; ++n) {
        if (QFile::exists(ServiceSandbox::profileFile(n)))
            files.insert(QStringLiteral("modules/setting/p%1.bin").arg(n + 1),
                         ServiceSandbox::read(ServiceSandbox::profileFile(n)));
    }
    return files;
}

bool waitFor(const std::function<bool()>& condition, int milliseconds = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QTest::qWait(20);
    }
    return true;
}

bool nameIsOwned() {
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(ServiceNames::busName);
}

QString demoCall(const QString& member) {
    const ToolRun run = gdbusCall(ServiceNames::demoInterface + QLatin1Char('.') + member, {});
    return run.status == 0 ? QString() : run.err;
}

// The apConfig.bin of the sandbox with the language entry set to `index` (0 CHINESE (CN),
// 1 CHINESE (TW), 2 ENGLISH).
bool chooseLanguage(int index) {
    QByteArray config = ServiceSandbox::read(
        ServiceSandbox::path(QStringLiteral("bin/modules/setting/apConfigD.bin")));
    const qsizetype line = config.indexOf("\n3=");
    if (line < 0)
        return false;
    const qsizetype end = config.indexOf('\n', line + 1);
    config.replace(line, end - line, "\n3=" + QByteArray::number(index));
    return ServiceSandbox::write(
        ServiceSandbox::path(QStringLiteral("bin/modules/setting/apConfig.bin")), config);
}

// The interface's methods, properties and signals with their argument types, from
// introspection XML: "method SwitchProfile u:in", "property Connected b read", …
QStringList interfaceMembers(const QString& xml, const QString& interface) {
    QXmlStreamReader reader(xml);
    QStringList members;
    QString current;
    bool inside = false;
    const auto finish = [&] {
        if (!current.isEmpty())
            members.append(current);
        current.clear();
    };
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        const QString tag = reader.name().toString();
        const QXmlStreamAttributes attributes = reader.attributes();
        if (token == QXmlStreamReader::StartElement && tag == QLatin1String("interface")) {
            inside = attributes.value(QStringLiteral("name")) == interface;
        } else if (token == QXmlStreamReader::EndElement && tag == QLatin1String("interface")) {
            finish();
            inside = false;
        } else if (inside && token == QXmlStreamReader::StartElement &&
                   (tag == QLatin1String("method") || tag == QLatin1String("signal") ||
                    tag == QLatin1String("property"))) {
            finish();
            current = tag + QLatin1Char(' ') + attributes.value(QStringLiteral("name")).toString();
            if (tag == QLatin1String("property"))
                current += QLatin1Char(' ') + attributes.value(QStringLiteral("type")).toString() +
                           QLatin1Char(' ') + attributes.value(QStringLiteral("access")).toString();
        } else if (inside && token == QXmlStreamReader::StartElement &&
                   tag == QLatin1String("arg")) {
            const QString direction = attributes.value(QStringLiteral("direction")).toString();
            current += QLatin1Char(' ') + attributes.value(QStringLiteral("type")).toString() +
                       QLatin1Char(':') + (direction.isEmpty() ? QStringLiteral("out") : direction);
        }
    }
    if (reader.hasError())
        return {QStringLiteral("unreadable: ") + reader.errorString()};
    members.sort();
    return members;
}

DBusMenuLayoutItem menuLayout() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        ServiceNames::busName, QStringLiteral("/MenuBar"), QStringLiteral("com.canonical.dbusmenu"),
        QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = QDBusConnection::sessionBus().call(call);
    if (reply.arguments().size() != 2)
        return {};
    return qdbus_cast<DBusMenuLayoutItem>(reply.arguments()[1].value<QDBusArgument>());
}

QString autostartEntry() {
    return ServiceSandbox::path(
        QStringLiteral("config/autostart/org.korvane.Keyboard.Service.desktop"));
}

} // namespace

// A tray host as KDE's panel is one: it owns org.kde.StatusNotifierWatcher and takes the items
// that register with it.
class FakeTrayHost : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")

public:
    QStringList items;

public slots:
    void RegisterStatusNotifierItem(const QString& service) { items.append(service); }
};

class TestService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        shippedFolder = QDir::currentPath();
        QVERIFY(QFile::exists(QStringLiteral("modules/setting/HWDef.bin")));
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "no private session bus");
        registerDBusMenuTypes();
        qDBusRegisterMetaType<QMap<QString, QString>>();
        // A service that the bus starts sees the sandbox's folders too.
        QDBusMessage update = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("UpdateActivationEnvironment"));
        QMap<QString, QString> variables;
        const QProcessEnvironment environment = ServiceSandbox::environment();
        for (const char* name : {"XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "QT_LOGGING_RULES"})
            variables.insert(QLatin1String(name), environment.value(QLatin1String(name)));
        update << QVariant::fromValue(variables);
        QCOMPARE(QDBusConnection::sessionBus().call(update).type(), QDBusMessage::ReplyMessage);
    }

    void init() {
        QDir::setCurrent(shippedFolder);
        QVERIFY(!nameIsOwned());
        QVERIFY(ServiceSandbox::prepare(shippedFolder));
    }

    void cleanup() {
        // A service the bus started is stopped as systemd would stop it.
        const QDBusReply<uint> pid =
            QDBusConnection::sessionBus().interface()->servicePid(ServiceNames::busName);
        if (!pid.isValid())
            return;
        ::kill(pid_t(pid.value()), SIGTERM);
        // It stores the demo keyboard after it has left the bus: the next test's sandbox must
        // not get that.
        QVERIFY(waitFor([&] { return ::kill(pid_t(pid.value()), 0) != 0; }));
    }

    void aCallStartsTheServiceThroughItsServiceFile() {
        QVERIFY(!nameIsOwned());
        const ToolRun run =
            gdbusCall(QStringLiteral("org.freedesktop.DBus.Properties.Get"),
                      {ServiceNames::keyboardInterface, QStringLiteral("Firmware")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.trimmed(), QStringLiteral("(<'1.05'>,)"));
        QVERIFY(nameIsOwned());
        // Its switch is kept by the demo keyboard through SIGTERM and a new start.
        QCOMPARE(keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("4")}).status, 0);
        const QDBusReply<uint> pid =
            QDBusConnection::sessionBus().interface()->servicePid(ServiceNames::busName);
        QVERIFY(pid.isValid());
        QCOMPARE(::kill(pid_t(pid.value()), SIGTERM), 0);
        QVERIFY(waitFor([] { return !nameIsOwned(); }));
        QVERIFY(waitFor([&] { return ::kill(pid_t(pid.value()), 0) != 0; }));
        QCOMPARE(keyboardProperty(QStringLiteral("CurrentProfile")), QVariant(4u));
    }

    void everyPropertyReadsAsAScriptReadsIt() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const ToolRun all = gdbusCall(QStringLiteral("org.freedesktop.DBus.Properties.GetAll"),
                                      {ServiceNames::keyboardInterface});
        QCOMPARE(all.status, 0);
        for (const char* expected :
             {"'Connected': <true>", "'Firmware': <'1.05'>", "'CurrentProfile': <uint32 1>",
              "'KeyboardMode': <'standard'>"})
            QVERIFY2(all.out.contains(QLatin1String(expected)), qPrintable(all.out));
        const ToolRun one =
            runTool(QStringLiteral("busctl"),
                    {QStringLiteral("--user"), QStringLiteral("get-property"),
                     ServiceNames::busName, ServiceNames::objectPath,
                     ServiceNames::keyboardInterface, QStringLiteral("CurrentProfile")});
        QCOMPARE(one.out.trimmed(), QStringLiteral("u 1"));
    }

    void aSwitchedProfileReachesTheWireAndTheSignals() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        KeyboardServiceClient client;
        QSignalSpy switched(&client, &KeyboardServiceClient::profileSwitched);
        PropertiesRecorder recorder;
        service.forgetWire();

        const ToolRun run = keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("3")});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.out.trimmed(), QStringLiteral("()"));
        QCOMPARE(service.setTraffic(), korvanectlAlone({"profile", "3"}).traffic);
        QVERIFY(!service.setTraffic().isEmpty());
        QVERIFY(switched.wait(5000) || switched.size() == 1);
        QCOMPARE(switched.size(), 1);
        QCOMPARE(switched.first().first().toInt(), 2);
        QCOMPARE(recorder.changes.size(), 1);
        QCOMPARE(recorder.changes.first(),
                 (QVariantMap{{QStringLiteral("CurrentProfile"), QVariant(3u)}}));
        QCOMPARE(keyboardProperty(QStringLiteral("CurrentProfile")), QVariant(3u));

        // The profile it already has: nothing on the wire, no signal.
        service.forgetWire();
        QCOMPARE(keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("3")}).status, 0);
        QVERIFY(service.setTraffic().isEmpty());
        QTest::qWait(200);
        QCOMPARE(switched.size(), 1);
    }

    void lightingAsThePagesApplyIt_data() {
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("korvanectl");
        QTest::newRow("breathing")
            << "SetLighting"
            << QStringList{"breathing", "{'speed': <4>, 'brightness': <7>, 'color': <'red'>}"}
            << QStringList{"lighting",     "breathing", "--speed", "4",
                           "--brightness", "7",         "--color", "red"};
        QTest::newRow("a picture, options by number")
            << "SetLighting" << QStringList{"user define 3", "{'color': <7>, 'brightness': <2>}"}
            << QStringList{"lighting", "user", "define",       "3",
                           "--color",  "loop", "--brightness", "2"};
        QTest::newRow("wave with a direction")
            << "SetLighting" << QStringList{"WAVE", "{'direction': <'left'>}"}
            << QStringList{"lighting", "wave", "--direction", "left"};
        QTest::newRow("back lighting")
            << "SetBackLighting"
            << QStringList{"marquee", "{'speed': <0>, 'brightness': <3>, 'color': <'loop'>}"}
            << QStringList{"backlight",    "marquee", "--speed", "0",
                           "--brightness", "3",       "--color", "loop"};
    }

    void lightingAsThePagesApplyIt() {
        QFETCH(QString, method);
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, korvanectl);
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        QSignalSpy fileChanged(new KeyboardServiceClient(QDBusConnection::sessionBus(), this),
                               &KeyboardServiceClient::profileFileChanged);
        service.forgetWire();
        const ToolRun run = keyboardCall(method, arguments);
        QCOMPARE(run.err, QString());
        const Reference alone = korvanectlAlone(korvanectl);
        QVERIFY(!alone.traffic.isEmpty());
        QCOMPARE(service.setTraffic(), alone.traffic);
        QCOMPARE(serviceProfileFiles(), alone.files);
        QVERIFY(fileChanged.wait(5000) || fileChanged.size() == 1);
        QCOMPARE(fileChanged.first().first().toInt(), 0);
    }

    void profileFilesMoveAsTheProfileMenuMovesThem() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        QSignalSpy fileChanged(new KeyboardServiceClient(QDBusConnection::sessionBus(), this),
                               &KeyboardServiceClient::profileFileChanged);
        const QString imported = ServiceSandbox::path(QStringLiteral("in.pf"));
        QVERIFY(ServiceSandbox::write(imported, "[color]\nbackLedType=4, 5, 6, 7, 0\n"));
        service.forgetWire();

        QCOMPARE(keyboardCall(QStringLiteral("ImportProfile"), {QStringLiteral("5"), imported}).err,
                 QString());
        QCOMPARE(ServiceSandbox::read(ServiceSandbox::profileFile(4)),
                 ServiceSandbox::read(imported));
        QVERIFY(fileChanged.wait(5000) || !fileChanged.isEmpty());
        QCOMPARE(fileChanged.takeFirst().first().toInt(), 4);

        const QString exported = ServiceSandbox::path(QStringLiteral("out.pf"));
        QCOMPARE(keyboardCall(QStringLiteral("ExportProfile"), {QStringLiteral("5"), exported}).err,
                 QString());
        QCOMPARE(ServiceSandbox::read(exported), ServiceSandbox::read(imported));

        QCOMPARE(keyboardCall(QStringLiteral("ResetProfile"), {QStringLiteral("5")}).err,
                 QString());
        QCOMPARE(ServiceSandbox::read(ServiceSandbox::profileFile(4)),
                 ServiceSandbox::read(
                     ServiceSandbox::path(QStringLiteral("bin/modules/setting/pD.bin"))));
        QVERIFY(fileChanged.wait(5000) || !fileChanged.isEmpty());
        QCOMPARE(fileChanged.takeFirst().first().toInt(), 4);
        QVERIFY(service.setTraffic().isEmpty());
    }

    void eachFailureReturnsItsNamedError_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("method");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("message");
        const QString invalid = QStringLiteral("InvalidArgument");
        const QString existing = ServiceSandbox::path(QStringLiteral("bin/modules/setting/pD.bin"));
        QTest::newRow("profile 7")
            << ""
            << "SwitchProfile" << QStringList{"7"} << invalid << "'7' is no profile; valid: 1 to 6";
        QTest::newRow("profile 0")
            << ""
            << "SwitchProfile" << QStringList{"0"} << invalid << "'0' is no profile; valid: 1 to 6";
        QTest::newRow("a relative file") << ""
                                         << "ExportProfile" << QStringList{"1", "out.pf"} << invalid
                                         << "'out.pf' is no absolute file name";
        QTest::newRow("an export over a file") << ""
                                               << "ExportProfile" << QStringList{"1", existing}
                                               << invalid << "an export never replaces a file";
        QTest::newRow("an import from nowhere")
            << ""
            << "ImportProfile" << QStringList{"2", "/nowhere/in.pf"} << invalid
            << "import: cannot read /nowhere/in.pf";
        QTest::newRow("an unknown effect") << ""
                                           << "SetLighting" << QStringList{"sparkle", "{}"}
                                           << invalid << "unknown effect 'sparkle'";
        QTest::newRow("an option the effect does not take")
            << ""
            << "SetLighting" << QStringList{"wave", "{'color': <'red'>}"} << invalid
            << "WAVE takes no --color";
        QTest::newRow("an unknown option")
            << ""
            << "SetLighting" << QStringList{"breathing", "{'blink': <1>}"} << invalid
            << "no option 'blink'";
        QTest::newRow("an option of the wrong type")
            << ""
            << "SetLighting" << QStringList{"breathing", "{'speed': <true>}"} << invalid
            << "no option 'speed' with a number or a name";
        QTest::newRow("a speed out of range")
            << ""
            << "SetBackLighting" << QStringList{"static", "{'speed': <8>}"} << invalid
            << "--speed and --brightness take 0 to 7";
        QTest::newRow("back lighting has no direction")
            << ""
            << "SetBackLighting" << QStringList{"static", "{'direction': <1>}"} << invalid
            << "no option 'direction'";
        QTest::newRow("an import larger than any profile")
            << "big.pf"
            << "ImportProfile" << QStringList{"2", ServiceSandbox::path(QStringLiteral("big.pf"))}
            << "Failed"
            << "import: profile 2 kept as it was";
        QTest::newRow("no keyboard") << "Unplug"
                                     << "SwitchProfile" << QStringList{"2"} << "NoKeyboard"
                                     << "no Z9 keyboard found";
        QTest::newRow("no permission")
            << "RefuseAccess"
            << "SetLighting" << QStringList{"static", "{}"} << "NoPermission"
            << "no permission to open virtual:";
        QTest::newRow("a keyboard that takes nothing")
            << "FailReports"
            << "SwitchProfile" << QStringList{"2"} << "Failed"
            << "the keyboard did not take the command";
    }

    void eachFailureReturnsItsNamedError() {
        QFETCH(QString, setup);
        QFETCH(QString, method);
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        QFETCH(QString, message);
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const CtlWorld::Files before = serviceProfileFiles();
        if (setup == QLatin1String("big.pf"))
            QVERIFY(ServiceSandbox::write(ServiceSandbox::path(setup),
                                          QByteArray(17 * 1024 * 1024, 'a')));
        else if (setup == QLatin1String("Unplug"))
            QCOMPARE(demoCall(setup), QString());
        else if (!setup.isEmpty())
            QCOMPARE(gdbusCall(ServiceNames::demoInterface + QLatin1Char('.') + setup,
                               {QStringLiteral("true")})
                         .err,
                     QString());
        service.forgetWire();
        const ToolRun run = keyboardCall(method, arguments);
        QVERIFY(run.status != 0);
        QVERIFY2(run.err.contains(ServiceNames::errorPrefix + error + QLatin1Char(':')),
                 qPrintable(run.err));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(serviceProfileFiles(), before);
        if (setup.isEmpty())
            QCOMPARE(service.wire(), QList<WireReport>());
        QVERIFY(service.isRunning());
    }

    // Busy needs a second program holding a real keyboard's lock (test_ctl_umockdev makes one);
    // the name is korvanectl's status 5 as every other name is its status.
    void everyKindOfFailureHasItsName_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("name");
        QTest::newRow("1") << int(ExitStatus::Failed) << "org.korvane.Keyboard1.Error.Failed";
        QTest::newRow("2") << int(ExitStatus::BadArgument)
                           << "org.korvane.Keyboard1.Error.InvalidArgument";
        QTest::newRow("3") << int(ExitStatus::NoKeyboard)
                           << "org.korvane.Keyboard1.Error.NoKeyboard";
        QTest::newRow("4") << int(ExitStatus::NoPermission)
                           << "org.korvane.Keyboard1.Error.NoPermission";
        QTest::newRow("5") << int(ExitStatus::DeviceBusy) << "org.korvane.Keyboard1.Error.Busy";
    }

    void everyKindOfFailureHasItsName() {
        QFETCH(int, status);
        QFETCH(QString, name);
        QCOMPARE(ServiceError::nameOf(ExitStatus(status)), name);
    }

    void unplugAndPlugKeepItRunningAndTheSignalsSaySo() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        PropertiesRecorder recorder;
        QCOMPARE(demoCall(QStringLiteral("Unplug")), QString());
        QVERIFY(waitFor([&] { return !recorder.changes.isEmpty(); }));
        QCOMPARE(recorder.changes.takeFirst(),
                 (QVariantMap{{QStringLiteral("Connected"), false},
                              {QStringLiteral("Firmware"), QString()},
                              {QStringLiteral("CurrentProfile"), 0u},
                              {QStringLiteral("KeyboardMode"), QString()}}));
        QVERIFY(service.isRunning());
        QCOMPARE(demoCall(QStringLiteral("Plug")), QString());
        QVERIFY(waitFor([&] { return !recorder.changes.isEmpty(); }));
        QCOMPARE(recorder.changes.takeFirst(),
                 (QVariantMap{{QStringLiteral("Connected"), true},
                              {QStringLiteral("Firmware"), QStringLiteral("1.05")},
                              {QStringLiteral("CurrentProfile"), 1u},
                              {QStringLiteral("KeyboardMode"), QStringLiteral("standard")}}));
        QCOMPARE(keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("6")}).err,
                 QString());
        QCOMPARE(keyboardProperty(QStringLiteral("CurrentProfile")), QVariant(6u));
    }

    void korvanectlGoesThroughTheRunningService() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        service.forgetWire();
        // Its own demo keyboard would live elsewhere: only the service's can show the switch.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        QTemporaryDir elsewhere;
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), elsewhere.path());
        const QString program = QStringLiteral(KORVANECTL_EXECUTABLE);
        ToolRun run = runTool(program, {"--demo", "profile", "5"}, environment, elsewhere.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("5\n"));
        QCOMPARE(service.setTraffic(), korvanectlAlone({"profile", "5"}).traffic);
        QCOMPARE(keyboardProperty(QStringLiteral("CurrentProfile")), QVariant(5u));

        // A file name is korvanectl's, relative to where it runs.
        QVERIFY(ServiceSandbox::write(ServiceSandbox::profileFile(4), "[color]\n0=1, 2, 3\n"));
        run =
            runTool(program, {"--demo", "export", "5", "saved.pf"}, environment, elsewhere.path());
        QCOMPARE(run.err, QString());
        QCOMPARE(ServiceSandbox::read(QDir(elsewhere.path()).filePath(QStringLiteral("saved.pf"))),
                 QByteArray("[color]\n0=1, 2, 3\n"));
        run = runTool(program, {"--demo", "profile", "9"}, environment, elsewhere.path());
        QCOMPARE(run.status, 2);
        QCOMPARE(run.err,
                 QStringLiteral("korvanectl: profile: '9' is no profile; valid: 1 to 6\n"));

        // The real keyboard is not the service's: korvanectl looks for it itself.
        run = runTool(program, {"status"}, environment, elsewhere.path());
        QCOMPARE(run.status, 3);
        QVERIFY2(run.err.contains(QStringLiteral("no Z9 keyboard found")), qPrintable(run.err));
    }

    void theTrayMenuAsAHostSeesIt() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        // "--" keeps gdbus from reading -1 as an option of its own.
        const ToolRun layout = gdbusCall(QStringLiteral("com.canonical.dbusmenu.GetLayout"),
                                         {QStringLiteral("--"), QStringLiteral("0"),
                                          QStringLiteral("-1"), QStringLiteral("@as []")},
                                         QStringLiteral("/MenuBar"));
        QCOMPARE(layout.err, QString());
        for (const char* label : {"'P01'", "'P06'", "'Keyboard connected, firmware 1.05'",
                                  "'Open Korvane Keyboard'", "'Start at login'", "'Quit'"})
            QVERIFY2(layout.out.contains(QLatin1String(label)), label);

        const DBusMenuLayoutItem root = menuLayout();
        QCOMPARE(root.children.size(), 13);
        QCOMPARE(root.children[0].properties.value(QStringLiteral("toggle-state")), QVariant(1));
        QCOMPARE(root.children[2].properties.value(QStringLiteral("toggle-state")), QVariant(0));
        QCOMPARE(root.children[10].properties.value(QStringLiteral("toggle-state")), QVariant(0));

        // A click on P03 switches the profile as SwitchProfile does.
        service.forgetWire();
        const QList<WireReport> switchTo3 = korvanectlAlone({"profile", "3"}).traffic;
        QCOMPARE(gdbusCall(QStringLiteral("com.canonical.dbusmenu.Event"),
                           {"3", "clicked", "<0>", "0"}, QStringLiteral("/MenuBar"))
                     .err,
                 QString());
        // A click is an event: the menu answers it before the keyboard has switched.
        QTRY_COMPARE(service.setTraffic(), switchTo3);
        QTRY_COMPARE(menuLayout().children[2].properties.value(QStringLiteral("toggle-state")),
                     QVariant(1));

        // "Start at login" writes the autostart entry and removes it again.
        QVERIFY(!QFile::exists(autostartEntry()));
        QCOMPARE(gdbusCall(QStringLiteral("com.canonical.dbusmenu.Event"),
                           {"11", "clicked", "<0>", "0"}, QStringLiteral("/MenuBar"))
                     .err,
                 QString());
        const QByteArray entry = ServiceSandbox::read(autostartEntry());
        QVERIFY2(entry.contains("\nExec=" + ServiceSandbox::executable().toUtf8() + " --demo\n"),
                 entry.constData());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QCOMPARE(menuLayout().children[10].properties.value(QStringLiteral("toggle-state")),
                 QVariant(1));
        QCOMPARE(gdbusCall(QStringLiteral("com.canonical.dbusmenu.Event"),
                           {"11", "clicked", "<0>", "0"}, QStringLiteral("/MenuBar"))
                     .err,
                 QString());
        QVERIFY(!QFile::exists(autostartEntry()));

        // "Open Korvane Keyboard" starts the window beside the service: here a stand-in that
        // leaves a mark.
        const QString window = ServiceSandbox::path(QStringLiteral("bin/korvane-demo"));
        const QString mark = ServiceSandbox::path(QStringLiteral("window-started"));
        QVERIFY(ServiceSandbox::write(window, "#!/bin/sh\ntouch '" + mark.toUtf8() + "'\n"));
        QVERIFY(QFile::setPermissions(window, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(gdbusCall(QStringLiteral("com.canonical.dbusmenu.Event"),
                           {"10", "clicked", "<0>", "0"}, QStringLiteral("/MenuBar"))
                     .err,
                 QString());
        QVERIFY(waitFor([&] { return QFile::exists(mark); }));

        const ToolRun unknown =
            gdbusCall(QStringLiteral("com.canonical.dbusmenu.Event"), {"99", "clicked", "<0>", "0"},
                      QStringLiteral("/MenuBar"));
        QVERIFY(unknown.err.contains(QStringLiteral("InvalidArgs")));
        QVERIFY(service.isRunning());
    }

    void theTrayMenuSpeaksTheToolsLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("open");
        QTest::addColumn<QString>("login");
        QTest::newRow("CHINESE (CN)") << 0 << "打开 Korvane Keyboard"
                                      << "登录时启动";
        QTest::newRow("CHINESE (TW)") << 1 << "開啟 Korvane Keyboard"
                                      << "登入時啟動";
        QTest::newRow("ENGLISH") << 2 << "Open Korvane Keyboard"
                                 << "Start at login";
    }

    void theTrayMenuSpeaksTheToolsLanguage() {
        QFETCH(int, language);
        QFETCH(QString, open);
        QFETCH(QString, login);
        QVERIFY(chooseLanguage(language));
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const DBusMenuLayoutItem root = menuLayout();
        QCOMPARE(root.children.value(9).properties.value(QStringLiteral("label")).toString(), open);
        QCOMPARE(root.children.value(10).properties.value(QStringLiteral("label")).toString(),
                 login);
    }

    void aTrayHostGetsTheIconAndNoHostIsSaidOnce() {
        {
            ServiceProcess alone;
            QVERIFY(alone.waitUntilOnBus());
            QCOMPARE(alone.log().filter(QStringLiteral("no tray host")).size(), 1);
        }
        QVERIFY(waitFor([] { return !nameIsOwned(); }));
        FakeTrayHost host;
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY(bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &host,
                                   QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher")));
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        QVERIFY(waitFor([&] { return host.items.size() == 1; }));
        QCOMPARE(service.log().filter(QStringLiteral("no tray host")).size(), 0);
        const QString item = host.items.first();
        QCOMPARE(item, bus.interface()->serviceOwner(ServiceNames::busName).value());
        QDBusMessage call = QDBusMessage::createMethodCall(
            item, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        call << QStringLiteral("org.kde.StatusNotifierItem") << QStringLiteral("Menu");
        const QDBusReply<QDBusVariant> menu = bus.call(call);
        QVERIFY(menu.isValid());
        QCOMPARE(menu.value().variant().value<QDBusObjectPath>().path(),
                 QStringLiteral("/MenuBar"));
        bus.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        bus.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }

    void theInterfaceIsTheDocumentedOne() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const ToolRun live = runTool(QStringLiteral("gdbus"),
                                     {QStringLiteral("introspect"), QStringLiteral("--session"),
                                      QStringLiteral("--dest"), ServiceNames::busName,
                                      QStringLiteral("--object-path"), ServiceNames::objectPath,
                                      QStringLiteral("--xml")});
        QCOMPARE(live.status, 0);
        const QString documented =
            QString::fromUtf8(ServiceSandbox::read(QStringLiteral(KORVANE_SERVICE_INTERFACE_XML)));
        const QStringList members = interfaceMembers(documented, ServiceNames::keyboardInterface);
        QCOMPARE(members.size(), 11);
        QCOMPARE(interfaceMembers(live.out, ServiceNames::keyboardInterface), members);
    }

    void sigtermEndsItCleanly() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        QCOMPARE(service.stop(), 0);
        QVERIFY(!nameIsOwned());
    }

    // At logout the session bus goes away, and the service with it.
    void theEndOfTheSessionBusEndsIt() {
        PrivateSessionBus bus;
        const QString address = bus.address();
        QVERIFY(!address.isEmpty());
        QProcessEnvironment environment = ServiceSandbox::environment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
        QProcess service;
        service.setProcessEnvironment(environment);
        service.start(ServiceSandbox::executable(), {QStringLiteral("--demo")});
        QDBusConnection other = QDBusConnection::connectToBus(address, QStringLiteral("other"));
        QVERIFY(waitFor(
            [&] { return other.interface()->isServiceRegistered(ServiceNames::busName).value(); }));
        QVERIFY(bus.end());
        QVERIFY(service.waitForFinished(10000));
        QCOMPARE(service.exitStatus(), QProcess::NormalExit);
        QCOMPARE(service.exitCode(), 0);
        QDBusConnection::disconnectFromBus(QStringLiteral("other"));
    }

    // A program without a window: the GUI libraries stay out of its memory.
    void itLoadsNoWindowLibrary() {
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const QByteArray maps =
            ServiceSandbox::read(QStringLiteral("/proc/%1/maps").arg(service.process.processId()));
        QVERIFY(maps.contains("libQt6DBus"));
        for (const char* library :
             {"libQt6Gui", "libQt6Widgets", "libQt6Qml", "libQt6Quick", "libpulse", "libX11"})
            QVERIFY2(!maps.contains(library), library);
    }
};

QTEST_GUILESS_MAIN(TestService)
#include "test_service.moc"
