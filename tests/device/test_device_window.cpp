// The scan that the main window runs, and closing the window while the keyboard is busy.
#include "app/myqquickview.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "platform/device_monitor.h"
#include "virtual_link.h"

#include <QElapsedTimer>
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
        Widget widget(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
        auto monitor = std::make_unique<DeviceMonitor>();
        DeviceMonitor* notifications = monitor.get();
        widget.setDeviceMonitor(std::move(monitor));
        myQQuickView* view = widget.controler()->view;
        QCOMPARE(view->hidThread, &widget.deviceLink());
        QCOMPARE(view->rootContext()->contextProperty(QStringLiteral("hid")).value<QObject*>(),
                 &widget.deviceLink());
        QSignalSpy reports(view->rootObject(), SIGNAL(fwStateChanged(bool, QString)));

        // The scan at construction found nothing.
        QVERIFY(reports.wait(1000));
        QCOMPARE(reports.takeFirst(), (QVariantList{false, QStringLiteral("unknown")}));
        QVERIFY(widget.foundDevices().isEmpty());

        keyboard->plug();
        QElapsedTimer clock;
        clock.start();
        emit notifications->deviceChanged();
        QVERIFY(reports.wait(4000));
        QVERIFY2(clock.elapsed() >= 2040 && clock.elapsed() < 2600,
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(reports.takeFirst(), (QVariantList{true, QStringLiteral(" 1.05")}));
        QCOMPARE(widget.foundDevices().size(), 1);

        // The scan started the listener: acknowledgements shorten the wait to one period.
        QElapsedTimer transfer;
        transfer.start();
        widget.deviceLink().hid_09H_SetKeyboardMode(1);
        QVERIFY(widget.deviceLink().waitUntilIdle(1000));
        QVERIFY2(transfer.elapsed() < 100, qPrintable(QString::number(transfer.elapsed())));
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
