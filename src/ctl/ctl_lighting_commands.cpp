// korvanectl lighting and backlight: the lighting pages' values, applied as their apply buttons
// apply them.
#include "bridge/device_bridge.h"
#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "pages/back_lighting_page.h"
#include "pages/key_lighting_page.h"
#include "settings/profile_number.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace LightingValues;

namespace {

struct ControlOption {
    unsigned control;
    const char* name;
};
constexpr std::array<ControlOption, 4> controlOptions{{
    {Speed, "speed"},
    {Brightness, "brightness"},
    {Colour, "color"},
    {Direction, "direction"},
}};

// Effect names may be written with '-' or '_' for the blanks, in any case.
QString effectName(const QStringList& words) {
    QString name = words.join(QLatin1Char(' '));
    name.replace(QLatin1Char('-'), QLatin1Char(' ')).replace(QLatin1Char('_'), QLatin1Char(' '));
    return name;
}

template <std::size_t N> QStringList effectNames(const std::array<Effect, N>& effects) {
    QStringList names;
    for (const Effect& effect : effects)
        names.append(QString::fromLatin1(effect.name));
    return names;
}

template <std::size_t N> QStringList effectWords(const std::array<Effect, N>& effects) {
    QStringList words;
    for (const Effect& effect : effects)
        words.append(
            QString::fromLatin1(effect.name).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
    return words;
}

// The names of a table of the lighting values, as words.
template <std::size_t N> QStringList wordsOf(const std::array<const char*, N>& names) {
    QStringList words;
    for (const char* name : names)
        words.append(QLatin1String(name));
    return words;
}

QString controlNames(unsigned controls) {
    QStringList names;
    for (const ControlOption& option : controlOptions) {
        if (controls & option.control)
            names.append(QStringLiteral("--") + QLatin1String(option.name));
    }
    return names.join(QStringLiteral(", "));
}

template <std::size_t N> QString effectList(const std::array<Effect, N>& effects) {
    QStringList lines;
    for (const Effect& effect : effects)
        lines.append(QStringLiteral("%1  (%2)")
                         .arg(QString::fromLatin1(effect.name), controlNames(effect.controls)));
    return lines.join(QLatin1Char('\n'));
}

template <std::size_t N> QJsonArray effectJson(const std::array<Effect, N>& effects) {
    QJsonArray list;
    for (const Effect& effect : effects) {
        QJsonArray controls;
        for (const ControlOption& option : controlOptions) {
            if (effect.controls & option.control)
                controls.append(QLatin1String(option.name));
        }
        list.append(QJsonObject{{QStringLiteral("name"), QString::fromLatin1(effect.name)},
                                {QStringLiteral("code"), effect.code},
                                {QStringLiteral("controls"), controls}});
    }
    return list;
}

template <std::size_t N>
CtlResult findEffectArgument(const QString& command, const std::array<Effect, N>& effects,
                             const CtlArguments& arguments, const Effect** found) {
    if (arguments.positional.isEmpty())
        return CtlResult::badArgument(
            QStringLiteral("%1: name an effect; valid: %2")
                .arg(command, effectNames(effects).join(QStringLiteral(", "))));
    const QString name = effectName(arguments.positional);
    *found = findEffect(effects, name);
    if (!*found)
        return CtlResult::badArgument(
            QStringLiteral("%1: unknown effect '%2'; valid: %3")
                .arg(command, name, effectNames(effects).join(QStringLiteral(", "))));
    return CtlResult::ok(QString(), QJsonValue());
}

// A colour selection or direction option: its number or one of its names.
template <std::size_t N>
CtlResult readNamed(const QString& command, const CtlArguments& arguments, const QString& name,
                    const std::array<const char*, N>& names,
                    std::optional<int> (*parse)(const QString&), int* position) {
    if (!arguments.has(name))
        return CtlResult::ok(QString(), QJsonValue());
    const std::optional<int> value = parse(arguments.value(name));
    if (!value)
        return CtlResult::badArgument(QStringLiteral("%1: unknown %2 '%3'; valid: 0 to %4 or %5")
                                          .arg(command, name, arguments.value(name))
                                          .arg(N - 1)
                                          .arg(wordsOf(names).join(QStringLiteral(", "))));
    *position = *value;
    return CtlResult::ok(QString(), QJsonValue());
}

// Reads the options the effect's page enables into the page's control positions.
CtlResult readControls(const QString& command, const Effect& effect, const CtlArguments& arguments,
                       int* speed, int* brightness, int* colour, int* direction) {
    for (const ControlOption& option : controlOptions) {
        const QString name = QLatin1String(option.name);
        if (arguments.has(name) && !(effect.controls & option.control))
            return CtlResult::badArgument(
                QStringLiteral("%1: %2 takes no --%3; it takes %4")
                    .arg(command, QLatin1String(effect.name), name, controlNames(effect.controls)));
    }
    const auto slider = [&](const QString& name, int* position) {
        if (!arguments.has(name))
            return true;
        const std::optional<int> value = parseNumber(arguments.value(name), 0, sliderMax);
        if (value)
            *position = *value;
        return value.has_value();
    };
    if (!slider(QStringLiteral("speed"), speed) ||
        !slider(QStringLiteral("brightness"), brightness))
        return CtlResult::badArgument(
            QStringLiteral("%1: --speed and --brightness take 0 to 7 (7 fastest, brightest)")
                .arg(command));
    CtlResult result = readNamed(command, arguments, QStringLiteral("color"), colourNames,
                                 &colourSelection, colour);
    if (!result.isOk())
        return result;
    return readNamed(command, arguments, QStringLiteral("direction"), directionNames,
                     &directionPosition, direction);
}

QString colourText(int selection) {
    return selection >= 0 && selection <= loopSelection ? QLatin1String(colourNames[selection])
                                                        : QString::number(selection);
}

QString directionText(int position) {
    return position >= 0 && position <= directionMax ? QLatin1String(directionNames[position])
                                                     : QString::number(position);
}

CtlResult applied(const QString& what, int profile, const Effect& effect, int speed, int brightness,
                  int colour, std::optional<int> direction) {
    QString text = QStringLiteral("%1 on profile %2: %3, speed %4, brightness %5, color %6")
                       .arg(what)
                       .arg(ProfileNumber::fromIndex(profile))
                       .arg(QLatin1String(effect.name))
                       .arg(speed)
                       .arg(brightness)
                       .arg(colourText(colour));
    QJsonObject json{{QStringLiteral("profile"), ProfileNumber::fromIndex(profile)},
                     {QStringLiteral("effect"), QLatin1String(effect.name)},
                     {QStringLiteral("code"), effect.code},
                     {QStringLiteral("speed"), speed},
                     {QStringLiteral("brightness"), brightness},
                     {QStringLiteral("color"), colour}};
    if (direction) {
        text += QStringLiteral(", direction %1").arg(directionText(*direction));
        json.insert(QStringLiteral("direction"), *direction);
    }
    return CtlResult::ok(text, json);
}

template <std::size_t N> CtlResult listEffects(const std::array<Effect, N>& effects) {
    return CtlResult::ok(effectList(effects), effectJson(effects));
}

// Checks the options before anything reaches the keyboard or a file, then loads the page from
// the current profile, sets what the options say and applies it.
template <typename Page, std::size_t N>
CtlResult applyPage(CtlContext& context, const CtlArguments& arguments, const QString& command,
                    const std::array<Effect, N>& effects) {
    const Effect* effect = nullptr;
    CtlResult result = findEffectArgument(command, effects, arguments, &effect);
    if (!result.isOk())
        return result;
    Page page;
    result = readControls(command, *effect, arguments, &page.speed, &page.brightness, &page.colour,
                          &page.direction);
    if (!result.isOk())
        return result;
    result = context.connectKeyboard();
    if (!result.isOk())
        return result;
    DeviceBridge bridge = context.bridge();
    page.load(bridge);
    page.selectEffect(effect->code);
    readControls(command, *effect, arguments, &page.speed, &page.brightness, &page.colour,
                 &page.direction);
    page.apply(bridge);
    result = context.finishTransfers();
    if (!result.isOk())
        return result;
    return applied(command == QLatin1String("lighting") ? QStringLiteral("key lighting")
                                                        : QStringLiteral("back lighting"),
                   context.currentProfile(), *effect, page.speed, page.brightness, page.colour,
                   (effect->controls & Direction) ? std::optional<int>(page.direction)
                                                  : std::nullopt);
}

CtlResult runLighting(CtlContext& context, const CtlArguments& arguments) {
    if (arguments.has(QStringLiteral("list")))
        return listEffects(keyEffects);
    return applyPage<KeyLightingPage>(context, arguments, QStringLiteral("lighting"), keyEffects);
}

CtlResult runBacklight(CtlContext& context, const CtlArguments& arguments) {
    if (arguments.has(QStringLiteral("list")))
        return listEffects(backEffects);
    return applyPage<BackLightingPage>(context, arguments, QStringLiteral("backlight"),
                                       backEffects);
}

QStringList optionValues(const QString& option) {
    if (option == QLatin1String("--speed") || option == QLatin1String("--brightness"))
        return numberWords(0, sliderMax);
    if (option == QLatin1String("--color"))
        return wordsOf(colourNames);
    if (option == QLatin1String("--direction"))
        return wordsOf(directionNames);
    return {};
}

template <std::size_t N>
QStringList completeLightingWords(const std::array<Effect, N>& effects, const CtlCommand& command,
                                  const QStringList& words) {
    const QString& last = words.last();
    if (words.size() >= 2 && optionValues(words[words.size() - 2]).size() > 0)
        return completionsFor(optionValues(words[words.size() - 2]), last);
    if (last.startsWith(QLatin1Char('-')))
        return completionsFor(command.optionWords(), last);
    return words.size() == 1 ? completionsFor(effectWords(effects), last) : QStringList();
}

QStringList completeLighting(const QStringList& words) {
    return completeLightingWords(keyEffects, lightingCommand(), words);
}

QStringList completeBacklight(const QStringList& words) {
    return completeLightingWords(backEffects, backlightCommand(), words);
}

const CtlOption speedOption{QStringLiteral("speed"), QStringLiteral("0-7"),
                            QStringLiteral("speed slider position, 7 fastest")};
const CtlOption brightnessOption{QStringLiteral("brightness"), QStringLiteral("0-7"),
                                 QStringLiteral("brightness slider position, 7 brightest")};
const CtlOption colorOption{
    QStringLiteral("color"), QStringLiteral("0-7|name"),
    QStringLiteral("palette slot: red, yellow, green, cyan, blue, magenta, white, or loop")};
const CtlOption listOption{QStringLiteral("list"), QString(),
                           QStringLiteral("list the effects and the options each one takes")};

const QString unsetValues =
    QStringLiteral(" Options left out keep what the profile holds, as the page shows it.");

} // namespace

const CtlCommand& lightingCommand() {
    static const CtlCommand command{
        QStringLiteral("lighting"),
        QStringLiteral("lighting <effect> [--speed 0-7] [--brightness 0-7] [--color C] "
                       "[--direction D] | --list"),
        QStringLiteral("set the key lighting"),
        QStringLiteral("Sets the key lighting of the current profile as the key lighting page's "
                       "apply does: lights off, the seven palette colours, the picture of a USER "
                       "DEFINE effect, then the effect; the profile file keeps the same values.") +
            unsetValues,
        {speedOption,
         brightnessOption,
         colorOption,
         {QStringLiteral("direction"), QStringLiteral("0-4|name"),
          QStringLiteral("centre, right, left, up or down")},
         listOption},
        &runLighting,
        &completeLighting};
    return command;
}

const CtlCommand& backlightCommand() {
    static const CtlCommand command{
        QStringLiteral("backlight"),
        QStringLiteral("backlight <effect> [--speed 0-7] [--brightness 0-7] [--color C] | --list"),
        QStringLiteral("set the back lighting"),
        QStringLiteral("Sets the back lighting of the current profile as the back lighting page's "
                       "apply does; the profile file keeps the same values.") +
            unsetValues,
        {speedOption, brightnessOption, colorOption, listOption},
        &runBacklight,
        &completeBacklight};
    return command;
}
