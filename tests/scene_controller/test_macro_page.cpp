// Runs the scene's Qt Quick Test suites in this folder against the real controller, in a working
// directory of their own with the shipped data and an empty macro library.
#include "app/myqquickview.h"
#include "scene_stand_in.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQmlEngine>
#include <QSettings>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>
#include <vector>

class ControllerSceneSetup : public QObject {
    Q_OBJECT

public:
    ControllerSceneSetup() {
        const QString binDir = QDir::currentPath();
        for (const QString& folder :
             {QStringLiteral("modules/setting"), QStringLiteral("modules/i18n")}) {
            QDir(workDir.path()).mkpath(folder);
            const QDir shipped(binDir + QLatin1Char('/') + folder);
            for (const QString& name : shipped.entryList(QDir::Files))
                QFile::copy(shipped.filePath(name),
                            workDir.filePath(folder + QLatin1Char('/') + name));
        }
        // The skin and the sounds are only read: the shipped ones serve.
        for (const QString& folder :
             {QStringLiteral("modules/img"), QStringLiteral("modules/media")})
            QFile::link(binDir + QLatin1Char('/') + folder, workDir.filePath(folder));
        QDir(workDir.path()).mkpath(QStringLiteral("modules/macro"));
        QDir::setCurrent(workDir.path());
        // Animations off, so the scene is up at once.
        QFile::copy(QStringLiteral("modules/setting/apConfigD.bin"),
                    QStringLiteral("modules/setting/apConfig.bin"));
        QFile(QStringLiteral("modules/setting/apConfig.bin"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QSettings(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat)
            .setValue(QStringLiteral("common/2"), 1);
    }

public slots:
    void qmlEngineAvailable(QQmlEngine* engine) {
        // One controller per test file: each file gets an engine of its own.
        controllers.push_back(std::make_unique<myQQuickView>());
        engine->rootContext()->setContextProperty(QStringLiteral("ui_View"),
                                                  controllers.back().get());
        engine->rootContext()->setContextProperty(QStringLiteral("ui_Ctl"),
                                                  new SceneStandIn(engine));
    }

    void cleanupTestCase() {
        controllers.clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    QTemporaryDir workDir;
    std::vector<std::unique_ptr<myQQuickView>> controllers;
};

int main(int argc, char** argv) {
    // The controller is a widget: the application must be a widget application.
    QApplication app(argc, argv);
    ControllerSceneSetup setup;
    return quick_test_main_with_setup(argc, argv, "test_macro_page", QUICK_TEST_SOURCE_DIR, &setup);
}

#include "test_macro_page.moc"
