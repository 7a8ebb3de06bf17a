// The device scan of the main widget.
#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "device/dev_found.h"
#include "device/dev_info.h"

void Widget::checkDevice() {
    QList<DevInfo> table = readDeviceTable(deviceTableFile);
    devFoundList = findDevices(&hid, table);
    hid.startListen();
    if (ui && ui->view)
        ui->view->syncIsFwState();
}
