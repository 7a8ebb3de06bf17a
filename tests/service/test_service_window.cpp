// The window beside a running korvane-service, in the same data folder: a profile switched over
// D-Bus, from korvanectl or the tray shows in the window's profile menu and is read again by its
// pages at once, and the window sends no switch of its own.
#include "bus_tools.h"
#include "service_process.h"
#include "service_sandbox.h"
#include "window_beside.h"

#include <QQuickItem>
#include <QTest>

class TestServiceWindow : public QObject {
    Q_OBJECT

private slots:
    void theWindowFollowsTheService() {
        const QString shipped = QDir::currentPath();
        QVERIFY(ServiceSandbox::prepare(shipped));
        QVERIFY(WindowBeside::shareTheShippedData(shipped));
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());

        auto keyboard = std::make_shared<VirtualKeyboard>();
        Widget widget(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
        widget.showNormal();
        widget.startUI();
        myQQuickView* view = widget.controler()->view;
        QTRY_VERIFY(view->rootObject() && findItem(view->rootObject(), QStringLiteral("menuProf")));
        QQuickItem* menu = findItem(view->rootObject(), QStringLiteral("menuProf"));
        QCOMPARE(menu->property("currentIndex").toInt(), 0);
        keyboard->clearRecord();

        // Written behind the window's back: only a reload of the profile shows it.
        QVERIFY(ServiceSandbox::write(ServiceSandbox::profileFile(3),
                                      "[color]\nbackLedType=2, 1, 49, 7, 0\n"));
        QCOMPARE(keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("4")}).err,
                 QString());
        QTRY_COMPARE(menu->property("currentIndex").toInt(), 3);
        QCOMPARE(view->currentProfile, 3);
        QCOMPARE(view->ui_95H_GetBackLEDType(), (QVariantList{2, 1, 49, 7, 0}));

        // korvanectl, while the window is open, goes through the service: the window follows.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                           ServiceSandbox::path(QStringLiteral("runtime")));
        const ToolRun run =
            runTool(QStringLiteral(KORVANECTL_EXECUTABLE),
                    {QStringLiteral("--demo"), QStringLiteral("profile"), QStringLiteral("3")},
                    environment);
        QCOMPARE(run.err, QString());
        QTRY_COMPARE(menu->property("currentIndex").toInt(), 2);
        QCOMPARE(view->currentProfile, 2);

        // A change to the shown profile's file through the service is read at once.
        QCOMPARE(keyboardCall(QStringLiteral("SetBackLighting"),
                              {QStringLiteral("breathing"), QStringLiteral("{'speed': <7>}")})
                     .err,
                 QString());
        QTRY_COMPARE(view->ui_95H_GetBackLEDType().value(0).toInt(), 4);

        // A profile chosen in the window goes through the service: its wire carries the one
        // switch and its property and signal tell the tray and scripts.
        service.forgetWire();
        PropertiesRecorder recorder;
        QVERIFY(QMetaObject::invokeMethod(menu, "select", Q_ARG(QVariant, 4)));
        QCOMPARE(view->currentProfile, 4);
        // Handed over without waiting: the service's answer comes in the event loop.
        QTRY_COMPARE(view->deviceCommands.isWaiting(), false);
        const QList<WireReport> sent = service.setTraffic();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(uchar(sent.first().bytes.at(1)), uchar(0x02));
        QCOMPARE(uchar(sent.first().bytes.at(2)), uchar(4));
        QCOMPARE(keyboardProperty(QStringLiteral("CurrentProfile")), QVariant(5u));
        QTRY_COMPARE(recorder.changes.size(), 1);
        QTest::qWait(200);
        QCOMPARE(menu->property("currentIndex").toInt(), 4);

        // The service sent the switches; the window sent none of its own.
        QCOMPARE(WindowBeside::profileSwitches(keyboard->record()), QList<WireReport>());
    }
};

QTEST_MAIN(TestServiceWindow)
#include "test_service_window.moc"
