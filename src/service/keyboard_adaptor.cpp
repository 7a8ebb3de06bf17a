#include "service/keyboard_adaptor.h"

#include "ctl/ctl_command.h"
#include "service/bus_object.h"
#include "service/keyboard_service.h"
#include "service/properties_changed.h"
#include "service/service_error.h"
#include "service/service_names.h"
#include "settings/profile_number.h"

#include <QDir>

namespace {

const QStringList lightingOptions{QStringLiteral("speed"), QStringLiteral("brightness"),
                                  QStringLiteral("color"), QStringLiteral("direction")};

// A number or a name, as korvanectl's options take them; nothing for any other type.
std::optional<QString> optionText(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
        return value.toString();
    default:
        return std::nullopt;
    }
}

} // namespace

KeyboardAdaptor::KeyboardAdaptor(KeyboardService& service, QDBusConnection bus, QObject* object)
    : QDBusAbstractAdaptor(object), service(service), bus(std::move(bus)) {
    connect(&service, &KeyboardService::stateChanged, this, &KeyboardAdaptor::announce);
    connect(&service, &KeyboardService::profileFileChanged, this, [this](int profile) {
        emit ProfileFileChanged(uint(ProfileNumber::fromIndex(profile)));
    });
}

bool KeyboardAdaptor::connected() const {
    return service.state().connected;
}

QString KeyboardAdaptor::firmware() const {
    return service.state().firmware;
}

uint KeyboardAdaptor::currentProfile() const {
    const KeyboardState& state = service.state();
    return state.connected ? uint(ProfileNumber::fromIndex(state.profile)) : 0;
}

QString KeyboardAdaptor::keyboardMode() const {
    const KeyboardState& state = service.state();
    if (!state.connected)
        return QString();
    return state.gamingMode ? QStringLiteral("gaming") : QStringLiteral("standard");
}

void KeyboardAdaptor::SwitchProfile(uint profile) {
    run(profileCommand(), {{QString::number(profile)}, {}});
}

void KeyboardAdaptor::ExportProfile(uint profile, const QString& file) {
    runWithFile(exportCommand(), profile, file);
}

void KeyboardAdaptor::ImportProfile(uint profile, const QString& file) {
    runWithFile(importCommand(), profile, file);
}

void KeyboardAdaptor::ResetProfile(uint profile) {
    run(resetCommand(), {{QString::number(profile)}, {}});
}

void KeyboardAdaptor::SetLighting(const QString& effect, const QVariantMap& options) {
    runLighting(lightingCommand(), effect, options);
}

void KeyboardAdaptor::SetBackLighting(const QString& effect, const QVariantMap& options) {
    runLighting(backlightCommand(), effect, options);
}

void KeyboardAdaptor::run(const CtlCommand& command, const CtlArguments& arguments) {
    // A caller on the bus has no working directory of ours: its file names must be absolute.
    service.run(command, arguments, QDir::rootPath(),
                [reply = LaterReply(this)](const CtlResult& result) {
                    if (result.isOk())
                        reply.send();
                    else
                        reply.fail(ServiceError::nameOf(result.status), result.error);
                });
}

void KeyboardAdaptor::runWithFile(const CtlCommand& command, uint profile, const QString& file) {
    if (QDir::isRelativePath(file)) {
        BusObject::of(this).sendErrorReply(
            ServiceError::invalidArgument(),
            QStringLiteral("%1: '%2' is no absolute file name").arg(command.name, file));
        return;
    }
    run(command, {{QString::number(profile), file}, {}});
}

void KeyboardAdaptor::runLighting(const CtlCommand& command, const QString& effect,
                                  const QVariantMap& options) {
    QStringList valid;
    for (const QString& name : lightingOptions) {
        if (command.option(name))
            valid.append(name);
    }
    CtlArguments arguments{{effect}, {}};
    for (auto option = options.begin(); option != options.end(); ++option) {
        const std::optional<QString> text = optionText(option.value());
        if (!valid.contains(option.key()) || !text) {
            BusObject::of(this).sendErrorReply(
                ServiceError::invalidArgument(),
                QStringLiteral("%1: no option '%2' with a number or a name; valid: %3")
                    .arg(command.name, option.key(), valid.join(QStringLiteral(", "))));
            return;
        }
        arguments.options.insert(option.key(), *text);
    }
    run(command, arguments);
}

void KeyboardAdaptor::announce(const KeyboardState& previous) {
    const KeyboardState& now = service.state();
    QVariantMap changed;
    if (now.connected != previous.connected)
        changed.insert(QStringLiteral("Connected"), connected());
    if (now.firmware != previous.firmware)
        changed.insert(QStringLiteral("Firmware"), firmware());
    if (now.profile != previous.profile || now.connected != previous.connected)
        changed.insert(QStringLiteral("CurrentProfile"), currentProfile());
    if (now.gamingMode != previous.gamingMode || now.connected != previous.connected)
        changed.insert(QStringLiteral("KeyboardMode"), keyboardMode());
    sendPropertiesChanged(bus, ServiceNames::objectPath, ServiceNames::keyboardInterface, changed);
}
