// The scene inside the real window, wired to the device link on a virtual keyboard.
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "find_item.h"
#include "platform/device_monitor.h"
#include "scene_work_dir.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestSceneWiring : public QObject {
    Q_OBJECT

private:
    QString binDir;
    std::unique_ptr<QTemporaryDir> workDir;
    std::shared_ptr<VirtualKeyboard> keyboard;
    std::unique_ptr<Widget> widget;

    QQuickItem* sceneItem(const char* name) const {
        return findItem(widget->controler()->view->rootObject(), QLatin1String(name));
    }

private slots:
    void initTestCase() { binDir = QDir::currentPath(); }

    void init() {
        workDir = std::make_unique<QTemporaryDir>();
        prepareSceneWorkDir(binDir, workDir->path());
        keyboard = std::make_shared<VirtualKeyboard>();
        widget = std::make_unique<Widget>(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
        widget->setDeviceMonitor(std::make_unique<DeviceMonitor>());
    }

    void cleanup() {
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(binDir);
        workDir.reset();
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

    void profileLeftClickSwitchesTheKeyboardsProfile() {
        widget->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(widget.get()));
        widget->startUI();
        QQuickItem* menu = sceneItem("menuProf");
        QTRY_VERIFY(menu->isVisible() && menu->x() == 1000 - menu->width() - 8);
        keyboard->clearRecord();

        QQuickItem* entry = sceneItem("profile3");
        QVERIFY(entry);
        const QPointF centre = entry->mapToScene(QPointF(entry->width() / 2, entry->height() / 2));
        QTest::mouseClick(widget->controler()->view, Qt::LeftButton, {}, centre.toPoint());
        QVERIFY(keyboard->waitForRecord(1, 3000));
        const WireReport first = keyboard->record().first();
        QCOMPARE(first.kind, WireReport::Kind::FeatureOut);
        QCOMPARE(first.bytes.left(3), QByteArray::fromHex("000203"));
        QCOMPARE(widget->controler()->view->currentProfile, 3);
    }
};

QTEST_MAIN(TestSceneWiring)
#include "test_scene_wiring.moc"
