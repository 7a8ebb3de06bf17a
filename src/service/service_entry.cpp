#include "service/service_entry.h"

#include "ctl/demo_keyboard.h"
#include "platform/udev_device_monitor.h"
#include "service/bus_object.h"
#include "service/command_line_adaptor.h"
#include "service/dbus_menu_adaptor.h"
#include "service/demo_adaptor.h"
#include "service/focus_adaptor.h"
#include "service/focus_host.h"
#include "service/keyboard_adaptor.h"
#include "service/keyboard_service.h"
#include "service/service_names.h"
#include "service/status_notifier_item.h"
#include "service/termination_signals.h"
#include "service/tray_menu.h"
#include "service/tray_registration.h"
#include "settings/data_directory.h"
#include "settings/settings_paths.h"
#include "virtual/virtual_hid_backend.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>
#include <QTextStream>

#include <optional>

namespace {

const QString menuPath = QStringLiteral("/MenuBar");
const QString trayPath = QStringLiteral("/StatusNotifierItem");

const char* const usage =
    "Usage: korvane-service [--demo] [--version] [--help]\n"
    "\n"
    "Holds the Z9 keyboard for the session and offers it on the session bus as\n"
    "org.korvane.Keyboard1, with a tray icon. The window and korvanectl go through it while it\n"
    "runs. D-Bus starts it on the first call; it ends on SIGTERM or when the session ends.\n"
    "\n"
    "  --demo      a virtual Z9 keyboard instead of the real one, shared with korvanectl --demo\n"
    "  --version   print the version\n"
    "  --help      this text\n";

// The window beside this executable (a build tree, the installed bin/), else on the PATH.
void openWindow(bool demo) {
    const QString name = demo ? QStringLiteral("korvane-demo") : QStringLiteral("korvane");
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    const QString program = QFileInfo(beside).isExecutable() ? beside : name;
    if (!QProcess::startDetached(program, {}))
        qWarning().noquote() << "korvane-service: cannot start" << program;
}

// Everything the service puts on the bus; it lives as long as the event loop runs.
struct BusObjects {
    BusObject keyboard;
    BusObject tray;
    BusObject menu;
};

bool exportObjects(QDBusConnection& bus, BusObjects& objects) {
    return bus.registerObject(ServiceNames::objectPath, &objects.keyboard,
                              QDBusConnection::ExportAdaptors) &&
           bus.registerObject(trayPath, &objects.tray, QDBusConnection::ExportAdaptors) &&
           bus.registerObject(menuPath, &objects.menu, QDBusConnection::ExportAdaptors);
}

// The session's end closes the bus connection; the service ends with it.
void quitWithTheBus(QDBusConnection& bus, QCoreApplication& app) {
    bus.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                QStringLiteral("org.freedesktop.DBus.Local"), QStringLiteral("Disconnected"), &app,
                SLOT(quit()));
}

// The keyboard behind the service: the real one, watched through udev, or with --demo the virtual
// one of korvanectl --demo, which comes and goes only through the Demo interface.
struct HeldKeyboard {
    explicit HeldKeyboard(bool demo) {
        if (!demo) {
            monitor = std::make_unique<UdevDeviceMonitor>();
            return;
        }
        demoBackend = std::make_shared<VirtualHidBackend>(demoKeyboard.emplace().keyboard());
        monitor = std::make_unique<DeviceMonitor>();
    }

    std::optional<DemoKeyboard> demoKeyboard;
    // Null for the real keyboard: hidapi.
    std::shared_ptr<VirtualHidBackend> demoBackend;
    std::unique_ptr<DeviceMonitor> monitor;
};

void addKeyboardInterfaces(BusObject& object, KeyboardService& service, HeldKeyboard& keyboard,
                           QDBusConnection& bus) {
    new KeyboardAdaptor(service, bus, &object);
    new CommandLineAdaptor(service, keyboard.demoKeyboard.has_value(), &object);
    if (keyboard.demoKeyboard)
        new DemoAdaptor(keyboard.demoKeyboard->keyboard(), keyboard.demoBackend,
                        service.deviceWatch().monitor(), &object);
}

TrayMenu::Actions trayActions(QCoreApplication& app, bool demo) {
    QStringList command{QCoreApplication::applicationFilePath()};
    if (demo)
        command.append(QStringLiteral("--demo"));
    return {[demo] { openWindow(demo); }, [&app] { app.quit(); }, command};
}

int fail(const QString& message) {
    QTextStream(stderr) << "korvane-service: " << message << '\n';
    return 1;
}

int serve(QCoreApplication& app, bool demo) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return fail(QStringLiteral("no session bus: ") + bus.lastError().message());
    registerDBusMenuTypes();
    registerStatusNotifierTypes();

    HeldKeyboard keyboard(demo);
    KeyboardService service(keyboard.demoBackend, std::move(keyboard.monitor));
    service.start();

    FocusHost focus(service, SettingsPaths::focusRulesFile());
    focus.start();

    BusObjects objects;
    addKeyboardInterfaces(objects.keyboard, service, keyboard, bus);
    new FocusAdaptor(focus, bus, &objects.keyboard);
    const TrayTexts texts = TrayTexts::configured();
    const TrayMenu::Actions actions = trayActions(app, demo);
    TrayMenu trayMenu(service, texts, actions);
    new DBusMenuAdaptor(trayMenu, &objects.menu);
    new StatusNotifierItem(service, texts, menuPath, actions.openWindow, &objects.tray);
    if (!exportObjects(bus, objects))
        return fail(QStringLiteral("cannot export its objects: ") + bus.lastError().message());
    if (!bus.registerService(ServiceNames::busName))
        return fail(ServiceNames::busName +
                    QStringLiteral(" is already taken; another korvane-service runs"));
    quitWithTheBus(bus, app);
    TrayRegistration tray(bus);
    const int status = app.exec();
    bus.unregisterService(ServiceNames::busName);
    return status;
}

} // namespace

int runKorvaneService(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &app, &QCoreApplication::quit);
    const QStringList options = app.arguments().mid(1);
    QTextStream out(stdout);
    if (options.contains(QStringLiteral("--help"))) {
        out << usage;
        return 0;
    }
    const bool demo = options.contains(QStringLiteral("--demo"));
    if (options.size() > (demo ? 1 : 0)) {
        QTextStream(stderr) << "korvane-service: unknown option; valid: --demo, --version, --help\n";
        return 2;
    }
    // The device link's diagnostics are for developers; QT_LOGGING_RULES can still show them.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    QDir::setCurrent(
        DataDirectory::choose(app.applicationDirPath(),
                              demo ? QStringLiteral("korvane-demo") : QStringLiteral("korvane")));
    return serve(app, demo);
}
