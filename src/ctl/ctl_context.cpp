#include "ctl/ctl_context.h"

#include "bridge/device_bridge.h"
#include "device/dev_info.h"
#include "device/link_timing.h"
#include "platform/udev_rule_command.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "settings/settings_paths.h"
#include "settings/store_outcome.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Long enough for a transfer that first waits for another program's.
constexpr int finishWaitMs = 2 * LinkTiming::transferLockMs + 2000;

} // namespace

CtlContext::CtlContext(std::shared_ptr<HidBackend> backend, QString userDirectory)
    : CtlContext(std::make_unique<Hid_Thread>(std::move(backend)), nullptr,
                 std::move(userDirectory)) {}

CtlContext::CtlContext(Hid_Thread& link, QString userDirectory)
    : CtlContext(nullptr, &link, std::move(userDirectory)) {}

CtlContext::CtlContext(std::unique_ptr<Hid_Thread> owned, Hid_Thread* borrowed,
                       QString userDirectory)
    : ownLink(std::move(owned)), hid(ownLink ? *ownLink : *borrowed),
      userDirectory(std::move(userDirectory)) {
    storeWatch = QObject::connect(&StoreOutcome::instance(), &StoreOutcome::failed,
                                  [this](const QString& path) { storeFailures.append(path); });
    for (int n = 0; n < ProfileStore::profileCount; ++n)
        profiles.append(new SettingsFile(SettingsPaths::profileFile(n)));
}

CtlContext::~CtlContext() {
    QObject::disconnect(storeWatch);
    hid.waitForTransfers();
    // Deleting a settings object writes what is still pending; replaced ones wait for deletion.
    qDeleteAll(profiles);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

DeviceBridge CtlContext::bridge() {
    return DeviceBridge(&hid, profiles, profile);
}

QString CtlContext::userFile(const QString& name) const {
    return QDir(userDirectory).absoluteFilePath(name);
}

// korvanectl does not listen for acknowledgements: each acknowledged command waits its full
// bounded time instead, and the program ends without waiting for a listener's read.
CtlResult CtlContext::connectKeyboard() {
    QList<DevInfo> table = readDeviceTable(deviceTableFile);
    found = findDevices(&hid, table);
    if (found.isEmpty())
        return CtlResult::fail(ExitStatus::NoKeyboard,
                               QStringLiteral("no Z9 keyboard found (--demo uses a virtual one)"));
    hid.takeTransferFailure();
    const int reported = bridge().ui_82H_GetCurrentProfile().toInt();
    const TransferOutcome outcome = hid.takeTransferFailure();
    if (outcome != TransferOutcome::Done)
        return failureOf(outcome, found.first().path);
    if (!ProfileStore::isProfileIndex(reported))
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("the keyboard reports profile %1, which is not 0 to 5").arg(reported));
    profile = reported;
    return CtlResult::ok(QString(), QJsonValue());
}

CtlResult CtlContext::finishTransfers() {
    if (!hid.waitUntilIdle(finishWaitMs))
        return failureOf(TransferOutcome::Busy, hid.commandPath());
    const TransferOutcome outcome = hid.takeTransferFailure();
    if (outcome != TransferOutcome::Done)
        return failureOf(outcome, found.value(0).path);
    for (SettingsFile* file : std::as_const(profiles))
        file->sync();
    return storeResult();
}

CtlResult CtlContext::storeResult() const {
    if (storeFailures.isEmpty())
        return CtlResult::ok(QString(), QJsonValue());
    return CtlResult::fail(ExitStatus::Failed,
                           QStringLiteral("cannot write %1").arg(storeFailures.first()));
}

CtlResult CtlContext::failureOf(TransferOutcome outcome, const QString& path) {
    switch (outcome) {
    case TransferOutcome::Done:
        break;
    case TransferOutcome::NoDevice:
        return CtlResult::fail(ExitStatus::NoKeyboard,
                               QStringLiteral("the Z9 keyboard went away (%1)").arg(path));
    case TransferOutcome::PermissionDenied:
        return CtlResult::fail(
            ExitStatus::NoPermission,
            QStringLiteral("no permission to open %1; give this user access with: %2")
                .arg(path,
                     UdevRuleCommand::forExecutableDir(QCoreApplication::applicationDirPath())));
    case TransferOutcome::Busy:
        return CtlResult::fail(ExitStatus::DeviceBusy,
                               QStringLiteral("device busy: another program kept the keyboard "
                                              "too long; try again"));
    case TransferOutcome::Failed:
    case TransferOutcome::Refused:
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("the keyboard did not take the command (%1)").arg(path));
    }
    return CtlResult::ok(QString(), QJsonValue());
}
