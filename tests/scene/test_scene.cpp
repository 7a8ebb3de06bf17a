// Runs the scene's Qt Quick Test suites (tst_*.qml beside this file) against a stand-in controller.
#include "scene/cap_edge_image_provider.h"
#include "scene/scene_types.h"
#include "scene/window_shaped_image_provider.h"
#include "scene_stand_in.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest>

class SceneTestSetup : public QObject {
    Q_OBJECT

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        // One stand-in per test file: each file gets an engine of its own.
        auto* standIn = new SceneStandIn(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"), standIn);
        engine->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"), standIn);
        keepSceneTypes();
        CapEdgeImageProvider::install(engine);
        WindowShapedImageProvider::install(engine);
    }

    void cleanupTestCase() {
        // Textures of the closed test windows are released through deleteLater.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(test_scene, SceneTestSetup)

#include "test_scene.moc"
