#include "app/application_entry.h"

#include "app/widget.h"
#include "macros/macro_overflow_warning.h"
#include "platform/desktop_session.h"
#include "platform/hid_backend.h"
#include "platform/single_application.h"
#include "scene/symbol_font.h"
#include "settings/data_directory.h"

#include <QDir>
#include <QQuickWindow>
#include <QTimer>

#include <memory>

namespace {

// The scene is drawn in software unless QT_QUICK_BACKEND asks otherwise: measured, it starts with
// less than half the CPU time and half the memory of the OpenGL path (benchmarks in the README).
void chooseSceneBackend() {
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

// Comes forward on a second start. A Wayland compositor takes the focus request with the
// launcher's activation token (the toolkit hands the one in XDG_ACTIVATION_TOKEN on); where it
// still keeps the focus elsewhere, the window at least asks for attention.
void bringToFront(QWidget* window, const QString& activationToken) {
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    window->showNormal();
    window->raise();
    window->activateWindow();
    constexpr int focusWaitMs = 500;
    QTimer::singleShot(focusWaitMs, window, [window] {
        if (!window->isActiveWindow())
            QApplication::alert(window);
    });
}

} // namespace

int runKorvane(int argc, char** argv, std::shared_ptr<HidBackend> hidBackend) {
    chooseSceneBackend();
    // Docks and compositors match the window to its desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.korvane.Keyboard"));
    const bool platformChosen = DesktopSession::preferWaylandPlatform();
    const QString activationToken = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    SingleApplication app(argc, argv);
    if (platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    if (app.isRunning(activationToken))
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
        QObject::connect(&app, &SingleApplication::raiseRequested, widget.get(),
                         [&widget](const QString& token) { bringToFront(widget.get(), token); });
        widget->startUI();
        exitCode = app.exec();
    }
    // The widget hands its controller to deleteLater(); no event loop runs any more to do it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return exitCode;
}
