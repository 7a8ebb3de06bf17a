// The scan that the main window runs, and closing the window while the keyboard is busy.
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "platform/device_monitor.h"
#include "virtual_link.h"

#include <QQmlContext>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTest>

class TestDeviceWindow : public QObject {
    Q_OBJECT

private slots:
    void scanReportsTheKeyboardToTheScene() {
        auto keyboard = std::make_shared<VirtualKeyboard>();
        keyboard->unplug();
        auto backend = std::make_shared<CountingBackend<VirtualHidBackend>>(keyboard);
        Widget widget(nullptr, backend);
        auto monitor = std::make_unique<DeviceMonitor>();
        DeviceMonitor* notifications = monitor.get();
        widget.setDeviceMonitor(std::move(monitor));
        myQQuickView* view = widget.controler()->view;
        QCOMPARE(view->hidThread, &widget.deviceLink());
        QCOMPARE(view->rootContext()->contextProperty(QStringLiteral("hid")).value<QObject*>(),
                 &widget.deviceLink());
        QSignalSpy reports(view->rootObject(), SIGNAL(fwStateChanged(bool, QString)));

        // The scan at construction found nothing.
        QVERIFY(reports.wait(60000));
        QCOMPARE(reports.takeFirst(), (QVariantList{false, QStringLiteral("unknown")}));
        QVERIFY(widget.foundDevices().isEmpty());

        // A notification scans through the device-watch timer, not at once.
        keyboard->plug();
        emit notifications->deviceChanged();
        QVERIFY(reports.isEmpty());
        QVERIFY(widget.deviceWatchTimer().isActive());
        QVERIFY(reports.wait(60000));
        QCOMPARE(reports.takeFirst(), (QVariantList{true, QStringLiteral(" 1.05")}));
        QCOMPARE(widget.foundDevices().size(), 1);

        // The scan started the listener, which takes the keyboard's acknowledgements.
        widget.deviceLink().hid_09H_SetKeyboardMode(1);
        QVERIFY(widget.deviceLink().waitUntilIdle(60000));
        QTRY_COMPARE(backend->acknowledgementsRead(), 1);
    }

    void closingTheWindowDuringATransfer() {
        auto keyboard = std::make_shared<VirtualKeyboard>();
        auto widget =
            std::make_unique<Widget>(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
        widget->showNormal();
        widget->startUI();
        QTest::qWait(50);
        keyboard->clearRecord();
        QByteArray matrix = pattern(512, 3);
        widget->deviceLink().hid_0DH_SetKeyMatrix(bytesOf(matrix));
        widget->controler()->onMinimize();
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The transfer ran to its end before the device link went.
        QCOMPARE(keyboard->record().size(), 1 + 1 + 8 + 1);
        QCOMPARE(keyboard->state().profiles[0].keyMatrix[100], uchar(matrix[100]));
    }
};

QTEST_MAIN(TestDeviceWindow)
#include "test_device_window.moc"
