#include "controller/device_access_notice.h"

#include "platform/udev_rule_command.h"

#include <QCoreApplication>

#include <utility>

DeviceAccessNotice::DeviceAccessNotice(Show show, QObject* parent)
    : LocalisedNotice(std::move(show), QStringLiteral("Keyboard Access"),
                      QStringLiteral("The Z9 keyboard is plugged in, but this user may not open "
                                     "it.\nThe udev rule 70-korvane-z9.rules of the korvane "
                                     "package lets the logged-in user open the keyboard's two "
                                     "vendor interfaces, which the tool talks to, and nothing "
                                     "else of it: not the keys typed on it. To put it in place "
                                     "and apply it, run once in a terminal:\n\n%1"),
                      parent) {}

void DeviceAccessNotice::tell() {
    if (isSceneRunning)
        showLater();
    else
        pending = true;
}

void DeviceAccessNotice::sceneRunning() {
    isSceneRunning = true;
    if (std::exchange(pending, false))
        showLater();
}

// Queued, so that a message box never runs its event loop inside a scan or the start-up step.
void DeviceAccessNotice::showLater() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            present(UdevRuleCommand::forExecutableDir(QCoreApplication::applicationDirPath()));
        },
        Qt::QueuedConnection);
}
