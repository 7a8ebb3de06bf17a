#pragma once

#include "../settings/fake_settings_dialogs.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "app/window_service_follow.h"
#include "controller/myqquickview.h"
#include "find_item.h"
#include "service_sandbox.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"
#include "virtual/wire_report.h"

#include <QDir>
#include <QFile>
#include <QQuickItem>
#include <QTest>

// The window open beside the service, in the service's data folder, on a virtual keyboard of its
// own: the demo's window and service each keep one, where in life both reach the one keyboard.
namespace WindowBeside {

// The window works in the service's data folder, with the shipped pictures and sounds beside.
inline bool shareTheShippedData(const QString& shipped) {
    for (const char* folder : {"img", "media", "doc", "macro"}) {
        const QString target =
            QDir(shipped).filePath(QStringLiteral("modules/") + QLatin1String(folder));
        const QString link =
            ServiceSandbox::path(QStringLiteral("bin/modules/") + QLatin1String(folder));
        if (!QFile::link(target, link))
            return false;
    }
    return QDir::setCurrent(ServiceSandbox::path(QStringLiteral("bin")));
}

// The profile switches (frames of 02H) among `reports`.
inline QList<WireReport> profileSwitches(const QList<WireReport>& reports) {
    QList<WireReport> switches;
    for (const WireReport& report : reports) {
        if (report.kind == WireReport::Kind::FeatureOut && report.bytes.size() > 1 &&
            uchar(report.bytes[1]) == 0x02)
            switches.append(report);
    }
    return switches;
}

// Where the frame of command `code` stands among `reports`; -1 when it is not there.
inline qsizetype frameIndex(const QList<WireReport>& reports, uchar code) {
    for (qsizetype n = 0; n < reports.size(); ++n) {
        if (reports[n].kind == WireReport::Kind::FeatureOut && reports[n].bytes.size() > 1 &&
            uchar(reports[n].bytes[1]) == code)
            return n;
    }
    return -1;
}

// The window, started and showing its profile menu; its notices are recorded, not shown.
struct Window {
    Window()
        : keyboard(std::make_shared<VirtualKeyboard>()),
          widget(nullptr, std::make_shared<VirtualHidBackend>(keyboard)) {
        widget.showNormal();
        widget.startUI();
        view = widget.controler()->view;
        dialogs = new FakeSettingsDialogs;
        view->settingsDialogs.reset(dialogs);
        follow = widget.findChild<WindowServiceFollow*>();
    }

    // The profile menu, once the scene shows it.
    QQuickItem* menu() const {
        QQuickItem* root = view->rootObject();
        return root ? findItem(root, QStringLiteral("menuProf")) : nullptr;
    }
    int shownProfile() const { return menu() ? menu()->property("currentIndex").toInt() : -1; }
    bool select(int profile) const {
        return QMetaObject::invokeMethod(menu(), "select", Q_ARG(QVariant, profile));
    }

    std::shared_ptr<VirtualKeyboard> keyboard;
    Widget widget;
    myQQuickView* view = nullptr;
    FakeSettingsDialogs* dialogs = nullptr;
    WindowServiceFollow* follow = nullptr;
};

} // namespace WindowBeside
