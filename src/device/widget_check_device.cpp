// The device scan of the main widget.
#include "app/device_access_notice.h"
#include "app/myqquickview.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "device/dev_found.h"
#include "device/dev_info.h"

void Widget::checkDevice() {
    QList<DevInfo> table = readDeviceTable(deviceTableFile);
    devFoundList = findDevices(&hid, table);
    if (deviceAccess.refusedNewly(hid) && ui && ui->view)
        ui->view->deviceAccessNotice->tell();
    hid.startListen();
    if (ui && ui->view)
        ui->view->syncIsFwState();
}
