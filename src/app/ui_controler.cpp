#include "app/ui_controler.h"

#include "app/window_accessible.h"
#include "controller/myqquickview.h"

#include <QLoggingCategory>
#include <QQmlContext>
#include <QQuickItem>
#include <QWindow>

namespace {
// Off by default; QT_LOGGING_RULES="korvane.window.debug=true" tells who moves the window.
Q_LOGGING_CATEGORY(windowLog, "korvane.window", QtInfoMsg)
} // namespace

void Ui_Controler::setupUi(QWidget* target, QObject* deviceLink) {
    if (target->objectName().isEmpty())
        target->setObjectName(QStringLiteral("Widget"));
    form = target;
    form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    form->setWindowOpacity(1.0);
    form->setAttribute(Qt::WA_TranslucentBackground, true);
    form->setStyleSheet(QStringLiteral("background:transparent;"));

    view = new myQQuickView(form);
    view->setObjectName(QStringLiteral("ui_View"));
    installWindowAccessible();
    view->setSource(QUrl(QStringLiteral("qrc:/modules/qml/main.qml")));

    // The scene never calls the native side while it is being created, so these come after. The
    // scene's root hands the controller and the window control on to every document.
    view->rootContext()->setContextProperty(QStringLiteral("hid"), deviceLink);
    if (QQuickItem* root = view->rootObject()) {
        root->setProperty("ui_View", QVariant::fromValue<QObject*>(view.data()));
        root->setProperty("ui_Ctl", QVariant::fromValue<QObject*>(this));
    }

    form->resize(view->size());
    retranslateUi(form);
}

void Ui_Controler::retranslateUi(QWidget* target) {
    target->setWindowTitle(QStringLiteral("Korvane Keyboard 1.0"));
    // A screen reader names the view that holds the scene, and that takes the keys, by the tool.
    if (view)
        view->setAccessibleName(target->windowTitle());
}

void Ui_Controler::onMinimize() {
    if (form)
        form->close();
}

bool Ui_Controler::askSceneToClose() {
    QQuickItem* root = view ? view->rootObject() : nullptr;
    return root && QMetaObject::invokeMethod(root, "requestClose");
}

void Ui_Controler::onXChanged(int x) {
    if (form)
        form->move(form->pos() + QPoint(x, 0));
}

void Ui_Controler::onYChanged(int y) {
    if (form)
        form->move(form->pos() + QPoint(0, y));
}

bool Ui_Controler::startSystemMove() {
    QWindow* window = form ? form->windowHandle() : nullptr;
    const bool moving = window && window->startSystemMove();
    qCDebug(windowLog) << (moving ? "the window system moves the window"
                                  : "the window system refuses to move the window");
    return moving;
}
