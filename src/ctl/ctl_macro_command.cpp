// korvanectl macro: the macro library, and loading a macro into a keyboard slot.
#include "bridge/device_bridge.h"
#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "macros/macro_library.h"
#include "pages/key_code.h"
#include "pages/key_definition_page.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QStringList actions{QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("load")};

QString slotText(int slot) {
    return slot >= 0 ? QStringLiteral("slot %1").arg(slot) : QStringLiteral("no slot");
}

CtlResult listMacros(const KeyDefinitionPage& page, const MacroLibrary& library) {
    QStringList lines;
    QJsonArray list;
    for (const QString& name : page.macroNames()) {
        const MacroConfig config = library.config(name).value_or(MacroConfig{});
        lines.append(QStringLiteral("%1  (%2)").arg(name, slotText(config.index)));
        list.append(QJsonObject{{QStringLiteral("name"), name},
                                {QStringLiteral("slot"), config.index},
                                {QStringLiteral("repeat"), config.repeat}});
    }
    return CtlResult::ok(lines.join(QLatin1Char('\n')), list);
}

CtlResult showMacro(const QString& name, const MacroLibrary& library) {
    const MacroConfig config = library.config(name).value_or(MacroConfig{});
    const QStringList lines = library.lines(name);
    return CtlResult::ok(QStringLiteral("%1  (%2)\n").arg(name, slotText(config.index)) +
                             lines.join(QLatin1Char('\n')),
                         QJsonObject{{QStringLiteral("name"), name},
                                     {QStringLiteral("slot"), config.index},
                                     {QStringLiteral("repeat"), config.repeat},
                                     {QStringLiteral("lines"), QJsonArray::fromStringList(lines)}});
}

// The slot a load uses: the one asked for, which no other macro may claim and which must be the
// macro's own when it has one; else the macro's own; else the lowest free one.
CtlResult chooseSlot(const KeyDefinitionPage& page, const MacroLibrary& library,
                     const QString& name, std::optional<int> asked, int* slot) {
    const int own = library.config(name).value_or(MacroConfig{}).index;
    if (!asked) {
        const std::optional<int> free = own >= 0 ? own : page.lowestFreeSlot(name);
        if (!free)
            return CtlResult::fail(ExitStatus::Failed,
                                   QStringLiteral("macro: all 35 macro slots are in use"));
        *slot = *free;
        return CtlResult::ok(QString(), QJsonValue());
    }
    if (own >= 0 && own != *asked)
        return CtlResult::badArgument(
            QStringLiteral("macro: '%1' is in slot %2; load it there, or give its keys another "
                           "function first")
                .arg(name)
                .arg(own));
    for (const QString& other : page.macroNames()) {
        if (other != name && library.config(other).value_or(MacroConfig{}).index == *asked)
            return CtlResult::badArgument(
                QStringLiteral("macro: slot %1 holds '%2'; choose another slot")
                    .arg(*asked)
                    .arg(other));
    }
    *slot = *asked;
    return CtlResult::ok(QString(), QJsonValue());
}

CtlResult loadMacro(CtlContext& context, KeyDefinitionPage& page, const MacroLibrary& library,
                    const QString& name, std::optional<int> asked) {
    CtlResult result = context.connectKeyboard();
    if (!result.isOk())
        return result;
    DeviceBridge bridge = context.bridge();
    page.load(bridge);
    int slot = -1;
    result = chooseSlot(page, library, name, asked, &slot);
    if (!result.isOk())
        return result;
    const MacroConfig config = library.config(name).value_or(MacroConfig{});
    if (config.index != slot)
        library.setConfig(name, slot, 1);
    bridge.ui_11H_SetMacroKey(slot, name);
    result = context.finishTransfers();
    if (!result.isOk())
        return result;
    return CtlResult::ok(
        QStringLiteral("%1 loaded into slot %2").arg(name).arg(slot),
        QJsonObject{{QStringLiteral("name"), name}, {QStringLiteral("slot"), slot}});
}

CtlResult runMacro(CtlContext& context, const CtlArguments& arguments) {
    const QString action = arguments.positional.value(0);
    if (!actions.contains(action))
        return CtlResult::badArgument(
            QStringLiteral("macro: '%1' is no action; valid: list, show, load").arg(action));
    const MacroLibrary library;
    KeyDefinitionPage page(library);
    if (action == QLatin1String("list"))
        return listMacros(page, library);
    if (arguments.positional.size() != 2)
        return CtlResult::badArgument(
            QStringLiteral("macro: usage: korvanectl macro %1 <name>").arg(action));
    const QString name = arguments.positional[1];
    if (!page.macroNames().contains(name))
        return CtlResult::badArgument(QStringLiteral("macro: no macro '%1'; valid: %2")
                                          .arg(name, page.macroNames().join(QStringLiteral(", "))));
    if (action == QLatin1String("show"))
        return showMacro(name, library);
    std::optional<int> asked;
    if (arguments.has(QStringLiteral("slot"))) {
        asked = parseNumber(arguments.value(QStringLiteral("slot")), 0, KeyCodes::macroSlots - 1);
        if (!asked)
            return CtlResult::badArgument(QStringLiteral("macro: --slot takes 0 to 34"));
    }
    return loadMacro(context, page, library, name, asked);
}

QStringList completeMacro(const QStringList& words) {
    if (words.size() == 1)
        return completionsFor(actions, words.last());
    if (words.size() == 2 && words[0] != QLatin1String("list"))
        return completionsFor(KeyDefinitionPage().macroNames(), words.last());
    if (words.size() >= 3 && words[0] == QLatin1String("load")) {
        if (words[words.size() - 2] == QLatin1String("--slot"))
            return completionsFor(numberWords(0, KeyCodes::macroSlots - 1), words.last());
        return completionsFor(macroCommand().optionWords(), words.last());
    }
    return {};
}

} // namespace

const CtlCommand& macroCommand() {
    static const CtlCommand command{
        QStringLiteral("macro"),
        QStringLiteral("macro list | show <name> | load <name> [--slot 0-34]"),
        QStringLiteral("list, show or load the macros of the library"),
        QStringLiteral("list names the macros and their keyboard slots; show prints a macro's "
                       "lines; load sends a macro to the keyboard: to its own slot, to --slot, or "
                       "else to the lowest slot that no key of the current profile and no other "
                       "macro uses. A macro longer than a slot holds is cut, with a warning."),
        {{QStringLiteral("slot"), QStringLiteral("0-34"), QStringLiteral("the slot to load into")}},
        &runMacro,
        &completeMacro};
    return command;
}
