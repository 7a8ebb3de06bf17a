// korvanectl status and profile: what the keyboard reports, and switching its profile.
#include "bridge/device_bridge.h"
#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "settings/profile_number.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QString profileRange = QStringLiteral("1 to 6");

QString modeName(int mode) {
    return mode == 1 ? QStringLiteral("gaming") : QStringLiteral("standard");
}

QString statusText(const QList<DevFound>& devices, const QString& firmware, int profile, int rate,
                   int mode) {
    QStringList lines;
    for (const DevFound& device : devices)
        lines << QStringLiteral("keyboard      Z9, command interface %1, notification interface %2")
                     .arg(device.path, device.path2);
    lines << QStringLiteral("connection    connected")
          << QStringLiteral("firmware      %1").arg(firmware.trimmed())
          << QStringLiteral("profile       %1").arg(ProfileNumber::fromIndex(profile))
          << QStringLiteral("report rate   %1").arg(rate)
          << QStringLiteral("mode          %1").arg(modeName(mode));
    return lines.join(QLatin1Char('\n'));
}

CtlResult runStatus(CtlContext& context, const CtlArguments&) {
    const CtlResult connected = context.connectKeyboard();
    if (!connected.isOk())
        return connected;
    DeviceBridge bridge = context.bridge();
    const QString firmware = bridge.ui_80H_GetFWVersion();
    const int rate = bridge.ui_81H_GetReportRate().toInt();
    const int mode = bridge.ui_89H_GetKeyboardMode().toInt();
    const CtlResult finished = context.finishTransfers();
    if (!finished.isOk())
        return finished;

    QJsonArray keyboards;
    for (const DevFound& device : context.devices())
        keyboards.append(QJsonObject{{QStringLiteral("command"), device.path},
                                     {QStringLiteral("notification"), device.path2}});
    const QJsonObject json{
        {QStringLiteral("keyboards"), keyboards},
        {QStringLiteral("connected"), true},
        {QStringLiteral("firmware"), firmware.trimmed()},
        {QStringLiteral("profile"), ProfileNumber::fromIndex(context.currentProfile())},
        {QStringLiteral("reportRate"), rate},
        {QStringLiteral("mode"), modeName(mode)}};
    return CtlResult::ok(
        statusText(context.devices(), firmware, context.currentProfile(), rate, mode), json);
}

CtlResult runProfile(CtlContext& context, const CtlArguments& arguments) {
    if (arguments.positional.size() > 1)
        return CtlResult::badArgument(QStringLiteral("profile: one profile at most"));
    std::optional<int> wanted;
    if (!arguments.positional.isEmpty()) {
        wanted =
            parseNumber(arguments.positional.first(), ProfileNumber::first, ProfileNumber::last);
        if (!wanted)
            return CtlResult::badArgument(QStringLiteral("profile: '%1' is no profile; valid: %2")
                                              .arg(arguments.positional.first(), profileRange));
    }
    const CtlResult connected = context.connectKeyboard();
    if (!connected.isOk())
        return connected;
    const int previous = context.currentProfile();
    if (wanted) {
        context.bridge().ui_02H_SetCurrentProfile(ProfileNumber::toIndex(*wanted));
        const CtlResult finished = context.finishTransfers();
        if (!finished.isOk())
            return finished;
    }
    const int current = ProfileNumber::fromIndex(context.currentProfile());
    return CtlResult::ok(
        QString::number(current),
        QJsonObject{{QStringLiteral("profile"), current},
                    {QStringLiteral("previous"), ProfileNumber::fromIndex(previous)}});
}

QStringList completeProfile(const QStringList& words) {
    return words.size() == 1
               ? completionsFor(numberWords(ProfileNumber::first, ProfileNumber::last),
                                words.last())
               : QStringList();
}

QStringList completeNothing(const QStringList&) {
    return {};
}

} // namespace

const CtlCommand& statusCommand() {
    static const CtlCommand command{
        QStringLiteral("status"),
        QStringLiteral("status"),
        QStringLiteral("the keyboard: interfaces, firmware, profile, report rate, mode"),
        QStringLiteral("Lists the keyboard's interface paths and reads its firmware version, "
                       "current profile, report rate and mode (standard or gaming)."),
        {},
        &runStatus,
        &completeNothing};
    return command;
}

const CtlCommand& profileCommand() {
    static const CtlCommand command{
        QStringLiteral("profile"),
        QStringLiteral("profile [1-6]"),
        QStringLiteral("read or switch the keyboard's current profile"),
        QStringLiteral("Without a number, prints the current profile (1 to 6, as the window's "
                       "profile menu shows P01 to P06). With one, switches the keyboard to it."),
        {},
        &runProfile,
        &completeProfile};
    return command;
}
