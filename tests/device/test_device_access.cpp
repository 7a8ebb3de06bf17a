// A keyboard that is plugged in but that this user may not open: the state light stays red and
// the user is told why, in the chosen language, once per plug-in.
#include "../settings/fake_settings_dialogs.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "counting_backend.h"
#include "platform/device_monitor.h"
#include "platform/udev_rule_command.h"
#include "settings/settings_paths.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QCoreApplication>
#include <QQuickItem>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

namespace {

// The notice as the language file words it, with the command filled in.
QStringList noticeIn(const QString& langCode) {
    QSettings file(SettingsPaths::languageFile(langCode), QSettings::IniFormat);
    const QString command =
        UdevRuleCommand::forExecutableDir(QCoreApplication::applicationDirPath());
    return {file.value(QStringLiteral("msg/6")).toString(),
            file.value(QStringLiteral("msg/7")).toString().arg(command)};
}

} // namespace

class TestDeviceAccess : public QObject {
    Q_OBJECT

private slots:
    void aRefusedKeyboardIsToldOncePerPlugIn_data() {
        QTest::addColumn<QString>("langCode");
        QTest::newRow("English") << QStringLiteral("031000");
        QTest::newRow("Simplified Chinese") << QStringLiteral("025044");
        QTest::newRow("Traditional Chinese") << QStringLiteral("025208");
    }

    void aRefusedKeyboardIsToldOncePerPlugIn() {
        QFETCH(QString, langCode);
        auto keyboard = std::make_shared<VirtualKeyboard>();
        auto backend = std::make_shared<CountingBackend<VirtualHidBackend>>(keyboard);
        backend->refuseAccess(true);
        Widget widget(nullptr, backend);
        widget.setDeviceMonitor(std::make_unique<DeviceMonitor>());
        myQQuickView* view = widget.controler()->view;
        auto dialogs = std::make_unique<FakeSettingsDialogs>();
        const FakeSettingsDialogs* shown = dialogs.get();
        view->settingsDialogs = std::move(dialogs);
        QSignalSpy reports(view->rootObject(), SIGNAL(fwStateChanged(bool, QString)));

        // The keyboard is listed, but the scan that found it could not open it: the light is red.
        QVERIFY(reports.wait(1000));
        QCOMPARE(reports.takeFirst().value(0), QVariant(false));
        QVERIFY(!widget.deviceLink().isConnected);
        // The firmware read was the only open of the command interface: it told the refusal.
        QCOMPARE(widget.foundDevices().size(), 1);
        const QString commandPath = widget.foundDevices().first().path;
        QCOMPARE(backend->opensOf(commandPath), 1);

        // Nothing shows before the scene runs; then the notice comes in the chosen language.
        view->getGlobalStrings(langCode);
        QTest::qWait(50);
        QVERIFY(shown->warnings.isEmpty());
        view->runUI();
        QTRY_COMPARE(shown->warnings.size(), 1);
        const QStringList expected = noticeIn(langCode);
        QCOMPARE(shown->warnings.first(), expected);
        QVERIFY(expected.value(1).contains(QStringLiteral("sudo udevadm trigger")));
        QVERIFY(expected.value(1).contains(UdevRuleCommand::ruleName));
        QVERIFY(!expected.value(1).contains(QStringLiteral("%1")));

        // Later scans of the same plug-in stay silent, each opening the command interface once.
        widget.checkDevice();
        widget.checkDevice();
        QCOMPARE(backend->opensOf(commandPath), 3);
        QTest::qWait(50);
        QCOMPARE(shown->warnings.size(), 1);

        // Plugged in again, it is told again.
        keyboard->unplug();
        widget.checkDevice();
        keyboard->plug();
        widget.checkDevice();
        QTRY_COMPARE(shown->warnings.size(), 2);
        QCOMPARE(shown->warnings.last(), expected);

        // With access given (the rule applied), the keyboard connects and nothing more is said.
        backend->refuseAccess(false);
        reports.clear();
        widget.checkDevice();
        QTRY_VERIFY(!reports.isEmpty());
        QCOMPARE(reports.takeFirst(), (QVariantList{true, QStringLiteral(" 1.05")}));
        QTest::qWait(50);
        QCOMPARE(shown->warnings.size(), 2);
    }
};

QTEST_MAIN(TestDeviceAccess)
#include "test_device_access.moc"
