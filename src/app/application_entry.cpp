#include "app/application_entry.h"

#include "app/data_directory.h"
#include "app/symbol_font.h"
#include "app/widget.h"
#include "macros/macro_overflow_warning.h"
#include "platform/hid_backend.h"
#include "platform/single_application.h"

#include <QDir>
#include <QQuickWindow>

#include <memory>

namespace {

// The scene is drawn in software unless QT_QUICK_BACKEND asks otherwise: measured, it starts with
// less than half the CPU time and half the memory of the OpenGL path (benchmarks in the README).
void chooseSceneBackend() {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

} // namespace

int runKorvane(int argc, char** argv, std::shared_ptr<HidBackend> hidBackend) {
    chooseSceneBackend();
    SingleApplication app(argc, argv);
    if (app.isRunning())
        return 1;
    SymbolFont::install();
    MacroOverflowWarning::replacePresenter(&MacroOverflowWarning::showWarningBox);

    // Every relative path of the tool resolves against this directory.
    QDir::setCurrent(DataDirectory::choose(app.applicationDirPath(), app.applicationName()));

    int exitCode = 0;
    {
        auto widget = std::make_unique<Widget>(nullptr, std::move(hidBackend));
        widget->showNormal();
        // A second start brings this window to the front instead of opening another.
        QObject::connect(&app, &SingleApplication::raiseRequested, widget.get(), [&widget] {
            widget->showNormal();
            widget->raise();
            widget->activateWindow();
        });
        widget->startUI();
        exitCode = app.exec();
    }
    // The widget hands its controller to deleteLater(); no event loop runs any more to do it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
