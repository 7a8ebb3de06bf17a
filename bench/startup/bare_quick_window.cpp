// Baseline for the start-up benchmark: the window of the tool with a trivial scene.
#include <QApplication>
#include <QQuickWidget>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    window.setStyleSheet(QStringLiteral("background:transparent;"));
    auto* view = new QQuickWidget(&window);
    view->setClearColor(Qt::transparent);
    view->setSource(QUrl(QStringLiteral("qrc:/bare.qml")));
    window.resize(view->size());
    window.setWindowTitle(QStringLiteral("bare"));
    window.showNormal();
    return app.exec();
}
