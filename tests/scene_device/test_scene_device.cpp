// Runs the Qt Quick Test suites beside this file (tst_*.qml) against the real controller, whose
// device link talks to a virtual Z9, in a private working directory with the shipped data.
#include "../device/virtual_link.h"
#include "controller/myqquickview.h"
#include "device/lang_file_valid.h"
#include "device_scene_probe.h"
#include "scene/cap_edge_image_provider.h"
#include "scene/window_shaped_image_provider.h"
#include "scene_stand_in.h"
#include "scene_work_dir.h"

#include <QApplication>
#include <QDir>
#include <QQmlContext>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>

class DeviceSceneSetup : public QObject {
    Q_OBJECT

    QString binDir = QDir::currentPath();
    QTemporaryDir workDir;
    std::unique_ptr<VirtualLink> link;
    std::unique_ptr<myQQuickView> view;

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        if (!view) {
            prepareSceneWorkDir(binDir, workDir.path());
            isLangFileValid = true;
            link = std::make_unique<VirtualLink>();
            view = std::make_unique<myQQuickView>();
            view->hidThread = &link->hid;
        }
        auto* probe = new DeviceSceneProbe(view.get(), &link->hid, link->keyboard, engine);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"), view.get());
        engine->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"),
                                                  new SceneStandIn(engine));
        engine->rootContext()->setContextProperty(QStringLiteral("z9"), probe);
        CapEdgeImageProvider::install(engine);
        WindowShapedImageProvider::install(engine);
    }

    void cleanupTestCase() {
        if (link)
            link->hid.waitUntilIdle(5000);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

public:
    ~DeviceSceneSetup() override {
        view.reset();
        link.reset();
        QDir::setCurrent(binDir);
    }
};

int main(int argc, char** argv) {
    // The controller is a widget, so the application must be a widget application.
    QApplication app(argc, argv);
    DeviceSceneSetup setup;
    return quick_test_main_with_setup(argc, argv, "test_scene_device", QUICK_TEST_SOURCE_DIR,
                                      &setup);
}

#include "test_scene_device.moc"
