#include "app/widget.h"

#include "app/key_hook.h"
#include "app/myqquickview.h"
#include "app/ui_controler.h"
#include "app/user_event.h"
#include "app/window_service_follow.h"
#include "platform/udev_device_monitor.h"

#include <QCoreApplication>
#include <QDebug>

Widget::Widget(QWidget* parent, std::shared_ptr<HidBackend> hidBackend)
    : QWidget(parent), hid(std::move(hidBackend)) {
    hookWidget = this;
    fillVkToUsage();
    hid.owner = this;
    ui = new Ui_Controler;
    ui->setupUi(this);
    ui->view->hidThread = &hid;
    // While the background service runs, its profile switches show here at once.
    new WindowServiceFollow(*ui->view, this);

    deviceTimer.setInterval(2048);
    deviceTimer.setSingleShot(true);
    deviceTimer.setTimerType(Qt::PreciseTimer);
    connect(&deviceTimer, &QTimer::timeout, this, &Widget::checkDevice);

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
    if (hookWidget == this)
        hookWidget = nullptr;
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
    deviceMonitor = std::move(monitor);
    connect(deviceMonitor.get(), &DeviceMonitor::deviceChanged, this, &Widget::onDeviceChange);
}

void Widget::customEvent(QEvent* e) {
    if (e->type() == UserEvent::eventType && dynamic_cast<UserEvent*>(e) &&
        static_cast<UserEvent*>(e)->userType == UserEvent::runSceneTag)
        ui->view->runUI();
}

void Widget::onDeviceChange() {
    // The native result of a device-change message is always 0 when it reaches us.
    const long result = 0;
    qDebug() << "r =" << result;
    deviceTimer.start();
}
