// korvanectl key: one key remapped as the key definition page remaps it, then the whole key
// table sent as its apply button sends it.
#include "bridge/device_bridge.h"
#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "ctl/ctl_key_assignment.h"
#include "pages/key_definition_page.h"
#include "pages/keyboard_layout.h"
#include "pages/media_functions.h"
#include "settings/profile_number.h"
#include "settings/settings_paths.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

KeyboardLayout shippedLayout() {
    return KeyboardLayout::load(SettingsPaths::hardwareDefinitionFile(),
                                SettingsPaths::defaultProfileFile());
}

QStringList keyNames(const KeyboardLayout& layout) {
    QStringList names;
    for (const KeyboardLayout::Key& key : layout.keys())
        names.append(keyDisplayName(key.usage, key.label));
    return names;
}

QStringList mediaNames() {
    QStringList names;
    for (const MediaFunction& function : mediaFunctions)
        names.append(QLatin1String(function.label));
    return names;
}

QString codeText(const KeyCode& code) {
    return QStringLiteral("%1 %2 %3 %4")
        .arg(code[0], 2, 16, QLatin1Char('0'))
        .arg(code[1], 2, 16, QLatin1Char('0'))
        .arg(code[2], 2, 16, QLatin1Char('0'))
        .arg(code[3], 2, 16, QLatin1Char('0'))
        .toUpper();
}

CtlResult listKeys(const KeyboardLayout& layout) {
    const QStringList keys = keyNames(layout);
    const QStringList media = mediaNames();
    const QString text =
        QStringLiteral("keys: %1\nmedia functions: %2")
            .arg(keys.join(QStringLiteral(", ")), media.join(QStringLiteral(", ")));
    return CtlResult::ok(text,
                         QJsonObject{{QStringLiteral("keys"), QJsonArray::fromStringList(keys)},
                                     {QStringLiteral("media"), QJsonArray::fromStringList(media)}});
}

CtlResult giveMacro(KeyDefinitionPage& page, int matrix, const QString& name,
                    DeviceBridge& bridge) {
    if (!page.canChooseMacro(matrix, name))
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("key: all 35 macro slots are in use; nothing changed"));
    page.chooseMacro(matrix, name, bridge);
    return CtlResult::ok(QString(), QJsonValue());
}

CtlResult runKey(CtlContext& context, const CtlArguments& arguments) {
    const KeyboardLayout layout = shippedLayout();
    if (arguments.has(QStringLiteral("list")))
        return listKeys(layout);
    if (arguments.positional.size() != 2)
        return CtlResult::badArgument(
            QStringLiteral("key: usage: korvanectl %1").arg(keyCommand().usage));
    const std::optional<KeyboardLayout::Key> key = layout.find(arguments.positional[0]);
    if (!key)
        return CtlResult::badArgument(
            QStringLiteral("key: no key '%1' on the keyboard; korvanectl key --list names them")
                .arg(arguments.positional[0]));
    QString error;
    const std::optional<KeyAssignment> assignment =
        KeyAssignment::parse(arguments.positional[1], layout, &error);
    if (!assignment)
        return CtlResult::badArgument(QStringLiteral("key: ") + error);
    KeyDefinitionPage page;
    if (assignment->kind == KeyAssignment::Kind::Macro &&
        !page.macroNames().contains(assignment->macro))
        return CtlResult::badArgument(
            QStringLiteral("key: no macro '%1'; valid: %2")
                .arg(assignment->macro, page.macroNames().join(QStringLiteral(", "))));

    CtlResult result = context.connectKeyboard();
    if (!result.isOk())
        return result;
    DeviceBridge bridge = context.bridge();
    page.load(bridge);
    switch (assignment->kind) {
    case KeyAssignment::Kind::Default:
        page.assign(key->matrix, layout.factoryCode(key->matrix));
        break;
    case KeyAssignment::Kind::Code:
        page.assign(key->matrix, assignment->code);
        break;
    case KeyAssignment::Kind::Macro:
        result = giveMacro(page, key->matrix, assignment->macro, bridge);
        if (!result.isOk())
            return result;
        break;
    }
    page.apply(bridge);
    result = context.finishTransfers();
    if (!result.isOk())
        return result;

    const KeyCode code = page.code(key->matrix);
    const QString name = keyDisplayName(key->usage, key->label);
    QJsonArray bytes;
    for (const unsigned char byte : code)
        bytes.append(byte);
    return CtlResult::ok(
        QStringLiteral("key %1 on profile %2: %3")
            .arg(name)
            .arg(ProfileNumber::fromIndex(context.currentProfile()))
            .arg(codeText(code)),
        QJsonObject{{QStringLiteral("key"), name},
                    {QStringLiteral("matrix"), key->matrix},
                    {QStringLiteral("profile"), ProfileNumber::fromIndex(context.currentProfile())},
                    {QStringLiteral("code"), bytes}});
}

QStringList completeKey(const QStringList& words) {
    const KeyboardLayout layout = shippedLayout();
    if (words.size() == 1)
        return completionsFor(keyNames(layout) + keyCommand().optionWords(), words.last());
    if (words.size() != 2)
        return {};
    QStringList assignments{QStringLiteral("default"), QStringLiteral("none")};
    for (const QString& macro : KeyDefinitionPage().macroNames())
        assignments.append(QStringLiteral("macro:") + macro);
    return completionsFor(assignments + mediaNames() + keyNames(layout), words.last());
}

} // namespace

const CtlCommand& keyCommand() {
    static const CtlCommand command{
        QStringLiteral("key"),
        QStringLiteral("key <key> <assignment> | --list"),
        QStringLiteral("remap one key of the current profile"),
        QStringLiteral(
            "Gives <key> a new function and sends the key table as the key definition page's "
            "apply does; the profile file keeps it. <assignment> is a key name (A, Esc, KP Enter, "
            "Fn), up to three key names joined by + (Ctrl+C, L Shift+L Alt+Del), a media function "
            "(MUTE, VOLUME UP, PLAY / PAUSE …), macro:<name> (the macro gets the lowest free slot "
            "and is sent there, unless it has one), default (the key's factory function) or none. "
            "A slot that no key uses any more is given up, as on the page."),
        {{QStringLiteral("list"), QString(),
          QStringLiteral("list the key names and media functions")}},
        &runKey,
        &completeKey};
    return command;
}
