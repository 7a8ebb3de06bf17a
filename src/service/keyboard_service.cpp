#include "service/keyboard_service.h"

#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "ctl/korvane_ctl.h"
#include "service/profile_files_snapshot.h"

#include <QDebug>
#include <QJsonObject>
#include <QTextStream>

KeyboardService::KeyboardService(std::shared_ptr<HidBackend> backend,
                                 std::unique_ptr<DeviceMonitor> monitor, QObject* parent)
    : QObject(parent), link(std::move(backend)), watch(std::move(monitor)) {
    connect(&watch, &DeviceWatch::scanWanted, this, &KeyboardService::scan);
}

KeyboardService::~KeyboardService() {
    link.waitForTransfers();
}

CtlResult KeyboardService::run(const CtlCommand& command, const CtlArguments& arguments,
                               const QString& userDirectory) {
    CtlResult result;
    settle([&] {
        CtlContext context(link, userDirectory);
        result = command.run(context, arguments);
        learnFrom(context, result);
    });
    return result;
}

int KeyboardService::runCommandLine(const QStringList& words, const QString& userDirectory,
                                    QString& out, QString& err) {
    int status = 0;
    settle([&] {
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        status = runKorvaneCtlOnLink(
            words, link, userDirectory, outStream, errStream,
            [this](CtlContext& context, const CtlResult& result) { learnFrom(context, result); });
    });
    return status;
}

void KeyboardService::settle(const std::function<void()>& command) {
    const ProfileFilesSnapshot before = ProfileFilesSnapshot::take();
    command();
    for (const int profile : before.changedIn(ProfileFilesSnapshot::take()))
        emit profileFileChanged(profile);
}

void KeyboardService::scan() {
    CtlContext context(link, QString());
    const CtlResult result = statusCommand().run(context, CtlArguments());
    KeyboardState next;
    if (result.isOk()) {
        const QJsonObject status = result.json.toObject();
        next.connected = true;
        next.firmware = status.value(QStringLiteral("firmware")).toString();
        next.profile = context.currentProfile();
        next.gamingMode =
            status.value(QStringLiteral("mode")).toString() == QLatin1String("gaming");
    } else if (result.status != ExitStatus::NoKeyboard) {
        // Present but out of reach (no permission, kept busy by another program): said once per
        // scan, since nobody else would see it.
        qWarning().noquote() << "korvane-service:" << result.error;
    }
    learn(next);
}

// A command that found the keyboard and read its profile tells the profile it left; one that
// found no keyboard tells that the keyboard is gone.
void KeyboardService::learnFrom(CtlContext& context, const CtlResult& result) {
    if (result.status == ExitStatus::NoKeyboard) {
        learn(KeyboardState());
        return;
    }
    if (!result.isOk() || context.devices().isEmpty())
        return;
    if (!known.connected) {
        // Found without a device change being seen (no udev daemon): the scan fills in the rest.
        QMetaObject::invokeMethod(this, &KeyboardService::scan, Qt::QueuedConnection);
        return;
    }
    KeyboardState next = known;
    next.profile = context.currentProfile();
    learn(next);
}

void KeyboardService::learn(const KeyboardState& next) {
    if (next == known)
        return;
    const KeyboardState previous = known;
    known = next;
    emit stateChanged(previous);
}
