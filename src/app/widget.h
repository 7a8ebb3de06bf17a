#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

class Ui_Controler;
class DeviceMonitor;

// The single top-level window. It owns the native side and turns bursts of device-change
// notifications into one device scan, 2048 ms after the last notification.
class Widget : public QWidget {
    Q_OBJECT

public:
    explicit Widget(QWidget* parent = nullptr);
    ~Widget() override;

    void startUI();

    // Replaces the system's device-change source (tests feed their own notifications).
    void setDeviceMonitor(std::unique_ptr<DeviceMonitor> monitor);
    const QTimer& deviceWatchTimer() const { return deviceTimer; }
    Ui_Controler* controler() const { return ui; }

protected:
    void customEvent(QEvent* e) override;

private:
    void onDeviceChange();

    QTimer deviceTimer;
    Ui_Controler* ui = nullptr;
    std::unique_ptr<DeviceMonitor> deviceMonitor;
};
