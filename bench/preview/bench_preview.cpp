// Preview benchmark: CPU time of the tool while the key lighting page previews each effect, and
// of a bare scene of 126 labels recoloured every frame (the baseline), each in a process of its
// own. Prints one line per phase: "<phase> <CPU seconds> <wall seconds>".
//   bench_preview baseline SECONDS
//   bench_preview tool SECONDS [CODE...]   (CODE: effect codes in hex, to measure only those)
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "find_item.h"
#include "platform/device_monitor.h"
#include "scene_work_dir.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <memory>
#include <sys/resource.h>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runFor(double seconds) {
    QEventLoop loop;
    QTimer::singleShot(int(seconds * 1000), &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the scene settle, then measures `seconds` of it.
void measure(const char* phase, double seconds) {
    runFor(1.0);
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    runFor(seconds);
    std::printf("%s %.3f %.3f\n", phase, cpuSeconds() - before, double(wall.elapsed()) / 1000);
    std::fflush(stdout);
}

void call(QObject* target, const char* function, const QVariantList& args = {}) {
    switch (args.size()) {
    case 0:
        QMetaObject::invokeMethod(target, function);
        break;
    case 1:
        QMetaObject::invokeMethod(target, function, Q_ARG(QVariant, args[0]));
        break;
    default:
        QMetaObject::invokeMethod(target, function, Q_ARG(QVariant, args[0]),
                                  Q_ARG(QVariant, args[1]));
    }
}

// Does what a window manager does to minimise a window: marks it iconic and unmaps it. (Xvfb
// runs no window manager that would honour QWidget::showMinimized.)
void minimise(QWidget& window) {
    Display* display = XOpenDisplay(nullptr);
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    const long iconic[2] = {IconicState, None};
    XChangeProperty(display, Window(window.winId()), wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(iconic), 2);
    XUnmapWindow(display, Window(window.winId()));
    XCloseDisplay(display);
}

int runBaseline(double seconds) {
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    auto* view = new QQuickWidget(&window);
    view->setClearColor(Qt::transparent);
    view->setSource(QUrl(QStringLiteral("qrc:/baseline.qml")));
    window.resize(view->size());
    window.show();
    measure("baseline", seconds);
    return 0;
}

// Effects by code, each at speed slider position 0 (every displayed frame) and 7 (the shortest
// timer), then the still ones, the hidden page and the unmapped (minimised) window.
int runTool(double seconds, const QStringList& only) {
    QTemporaryDir workDir;
    prepareSceneWorkDir(QDir::currentPath(), workDir.path());
    QSettings(QStringLiteral("modules/setting/apConfig.bin"), QSettings::IniFormat)
        .setValue(QStringLiteral("common/1"), 1); // no sound
    auto keyboard = std::make_shared<VirtualKeyboard>();
    Widget widget(nullptr, std::make_shared<VirtualHidBackend>(keyboard));
    widget.setDeviceMonitor(std::make_unique<DeviceMonitor>());
    widget.show();
    widget.startUI();
    runFor(3.0);
    QQuickItem* root = widget.controler()->view->rootObject();
    QQuickItem* pageArea = findItem(root, QStringLiteral("pageArea"));
    if (pageArea) {
        call(pageArea, "showIndex", {2});
        runFor(1.0); // the page is built when it is first chosen
    }
    QQuickItem* page = findItem(root, QStringLiteral("_Page_Color"));
    QQuickItem* speed = findItem(page, QStringLiteral("speedSlider"));
    if (!pageArea || !page || !speed) {
        std::fprintf(stderr, "bench_preview: the key lighting page is missing\n");
        return 1;
    }
    const auto show = [&](int menu, int entry, int speedPosition) {
        call(page, "selectEffect", {menu, entry});
        call(speed, "setCurIndex", {speedPosition});
        call(page, "preview");
    };
    for (int code = 0x02; code <= 0x0D; ++code) {
        if (!only.isEmpty() && !only.contains(QString::number(code, 16).rightJustified(2, u'0')))
            continue;
        for (int position : {0, 7}) {
            show(1, code - 1, position);
            measure(qPrintable(QStringLiteral("effect-%1-speed%2")
                                   .arg(code, 2, 16, QLatin1Char('0'))
                                   .arg(position)),
                    seconds);
        }
    }
    show(1, 0, 0);
    measure("static-01", seconds);
    show(0, 0, 0);
    measure("picture-33", seconds);

    show(1, 0x03 - 1, 7);
    call(pageArea, "showIndex", {0});
    measure("hidden-page", seconds);
    call(pageArea, "showIndex", {2});
    runFor(1.0);
    minimise(widget);
    measure("minimised", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const double seconds = argc > 2 ? std::atof(argv[2]) : 10.0;
    if (mode == QLatin1String("baseline"))
        return runBaseline(seconds);
    if (mode == QLatin1String("tool"))
        return runTool(seconds, app.arguments().mid(3));
    std::fprintf(stderr, "usage: bench_preview baseline|tool [SECONDS]\n");
    return 2;
}
