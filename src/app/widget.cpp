#include "app/widget.h"

#include "app/ui_controler.h"
#include "app/user_event.h"
#include "app/window_service_follow.h"
#include "controller/myqquickview.h"
#include "keys/key_hook.h"
#include "platform/hidapi_backend.h"
#include "platform/udev_device_monitor.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>

Widget::Widget(QWidget* parent, std::shared_ptr<HidBackend> hidBackend)
    : QWidget(parent), hid(std::move(hidBackend)) {
    hookTarget = {this,
                  [this](bool isDown, uchar usage) { ui->view->detectKeyboard(isDown, usage); }};
    fillVkToUsage();
    hid.owner = this;
    ui = new Ui_Controler;
    ui->setupUi(this, &hid);
    ui->view->hidThread = &hid;
    // While the background service runs, its profile switches show here at once.
    const bool virtualKeyboard = !dynamic_cast<HidapiBackend*>(&hid.hidBackend());
    new WindowServiceFollow(*ui->view, virtualKeyboard, this);

    connect(&deviceWatch, &DeviceWatch::scanWanted, this, &Widget::checkDevice);
    setDeviceMonitor(std::make_unique<UdevDeviceMonitor>());
    checkDevice();
    fillScanToVk();
    // Without the hook the tool runs on, only without key reports.
    installHOOK();
}

Widget::~Widget() {
    // Nothing may touch the device link once it is gone.
    hid.stopListen();
    hid.waitForTransfers();
    removeKeyHook();
    // A later Widget sets its own; until then no key reaches a view that is gone.
    if (hookTarget.owner == this)
        hookTarget = {};
    ui->deleteLater();
}

bool Widget::installHOOK() {
    if (installKeyHook())
        return true;
    qDebug("installHOOK() FAIL");
    return false;
}

void Widget::startUI() {
    ui->view->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::runSceneTag));
}

void Widget::setDeviceMonitor(std::unique_ptr<DeviceMonitor> monitor) {
    connect(monitor.get(), &DeviceMonitor::deviceChanged, this, &Widget::onDeviceChange);
    deviceWatch.setMonitor(std::move(monitor));
}

void Widget::customEvent(QEvent* e) {
    if (e->type() == UserEvent::eventType && dynamic_cast<UserEvent*>(e) &&
        static_cast<UserEvent*>(e)->userType == UserEvent::runSceneTag)
        ui->view->runUI();
}

// A close that the window system asks for (Alt+F4, a compositor's close) arrives spontaneous; it
// goes the way of the scene's close button, which asks about unapplied edits first and then closes
// the window itself.
void Widget::closeEvent(QCloseEvent* event) {
    if (event->spontaneous() && ui && ui->askSceneToClose()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void Widget::onDeviceChange() {
    // The native result of a device-change message is always 0 when it reaches us.
    const long result = 0;
    qDebug() << "r =" << result;
}
