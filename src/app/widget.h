#pragma once

#include "device/dev_found.h"
#include "device/hid_thread.h"
#include "platform/device_watch.h"

#include <QTimer>
#include <QWidget>

#include <memory>

class Ui_Controler;
class DeviceMonitor;
class HidBackend;

// The single top-level window. It owns the native side and turns bursts of device-change
// notifications into one device scan, 2048 ms after the last notification.
class Widget : public QWidget {
    Q_OBJECT

public:
    // The device link talks to the keyboard through `hidBackend`; without one, through hidapi.
    explicit Widget(QWidget* parent = nullptr, std::shared_ptr<HidBackend> hidBackend = nullptr);
    ~Widget() override;

    void startUI();
    // Starts reporting the session's keys to the scene; false (and a debug line) when it cannot.
    bool installHOOK();

    // Replaces the system's device-change source (tests feed their own notifications).
    void setDeviceMonitor(std::unique_ptr<DeviceMonitor> monitor);
    const QTimer& deviceWatchTimer() const { return deviceWatch.settleTimer(); }
    Ui_Controler* controler() const { return ui; }
    Hid_Thread& deviceLink() { return hid; }
    const QList<DevFound>& foundDevices() const { return devFoundList; }

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onDeviceChange();

    DeviceWatch deviceWatch{nullptr};
    Ui_Controler* ui = nullptr;
    Hid_Thread hid;
    QList<DevFound> devFoundList;
};
