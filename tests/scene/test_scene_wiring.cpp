// The scene inside the real window, wired to the device link on a virtual keyboard.
#include "app/myqquickview.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "platform/device_monitor.h"
#include "platform/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QQuickItem>
#include <QTest>

#include <memory>

class TestSceneWiring : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<VirtualKeyboard> keyboard;
    std::unique_ptr<Widget> widget;

    QQuickItem* sceneItem(const char* name) const {
        return widget->controler()->view->rootObject()->findChild<QQuickItem*>(QLatin1String(name));
    }

private slots:
    void init() {
        keyboard = std::make_shared<VirtualKeyboard>();
        widget = std::make_unique<Widget>(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
        widget->setDeviceMonitor(std::make_unique<DeviceMonitor>());
    }

    void cleanup() {
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void indicatorShowsTheFirmwareVersionOnGreenOnceTheKeyboardReports() {
        QQuickItem* text = sceneItem("connectionText");
        QQuickItem* light = sceneItem("connectionLight");
        QVERIFY(text && light);
        // The first scan ran in the constructor; its report is still queued for the scene.
        QCOMPARE(text->property("text").toString(), QStringLiteral("-----"));
        QCOMPARE(light->property("color").value<QColor>(), QColor(Qt::red));
        const QString version = widget->controler()->view->ui_80H_GetFWVersion();
        QVERIFY(!version.isEmpty());
        QTRY_COMPARE(text->property("text").toString(), version);
        QCOMPARE(light->property("color").value<QColor>(), QColor(Qt::green));
    }

    void indicatorTurnsRedWhenTheKeyboardGoes() {
        QQuickItem* text = sceneItem("connectionText");
        QTRY_COMPARE(sceneItem("connectionLight")->property("color").value<QColor>(),
                     QColor(Qt::green));
        keyboard->unplug();
        widget->checkDevice();
        QTRY_COMPARE(text->property("text").toString(), QStringLiteral("-----"));
        QCOMPARE(sceneItem("connectionLight")->property("color").value<QColor>(), QColor(Qt::red));
    }
};

QTEST_MAIN(TestSceneWiring)
#include "test_scene_wiring.moc"
