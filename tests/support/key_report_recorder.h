#pragma once

#include "app/ui_controler.h"
#include "app/widget.h"
#include "controller/myqquickview.h"
#include "platform/device_monitor.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QCoreApplication>
#include <QPair>
#include <QQuickItem>

#include <memory>

// Puts a recorder in place of a widget's scene, so a test sees the key reports that reach the
// scene root, in order.
class KeyReportRecorder {
public:
    using Report = QPair<bool, int>;

    explicit KeyReportRecorder(Widget& widget) : view(widget.controler()->view) {
        view->setSource(
            QUrl::fromLocalFile(QStringLiteral(KORVANE_TEST_SUPPORT_DIR "/KeyReportRecorder.qml")));
    }

    // The reports so far, after delivering the queued ones.
    QList<Report> reports() const {
        QCoreApplication::sendPostedEvents(view->rootObject(), QEvent::MetaCall);
        QList<Report> result;
        for (const QVariant& report : view->rootObject()->property("reports").toList()) {
            const QVariantList pair = report.toList();
            result.append({pair.value(0).toBool(), pair.value(1).toInt()});
        }
        return result;
    }

    void clear() const {
        reports();
        view->rootObject()->setProperty("reports", QVariantList());
    }

private:
    myQQuickView* view;
};

// The tool's window on a virtual keyboard, with a recorder in place of its scene. The key hook is
// installed as the window installs it at start.
struct RecordingTool {
    RecordingTool()
        : widget(std::make_unique<Widget>(
              nullptr, std::make_shared<VirtualHidBackend>(std::make_shared<VirtualKeyboard>()))),
          recorder(*widget) {
        widget->setDeviceMonitor(std::make_unique<DeviceMonitor>());
    }
    ~RecordingTool() {
        widget.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<Widget> widget;
    KeyReportRecorder recorder;
};
