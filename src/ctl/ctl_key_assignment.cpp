#include "ctl/ctl_key_assignment.h"

#include "macros/key_name_table.h"
#include "pages/keyboard_layout.h"
#include "pages/media_functions.h"

namespace {

constexpr int maxComboKeys = 3;
const QString macroPrefix = QStringLiteral("macro:");

// Key names may hold "+" themselves ("KP +", "= +"): the longest name that lets the rest split
// as well wins.
std::optional<QList<unsigned char>> splitKeys(const QStringList& parts, qsizetype from) {
    if (from == parts.size())
        return QList<unsigned char>();
    for (qsizetype to = parts.size(); to > from; --to) {
        const unsigned char usage =
            keyUsageForName(parts.mid(from, to - from).join(QLatin1Char('+')));
        if (!usage)
            continue;
        if (std::optional<QList<unsigned char>> rest = splitKeys(parts, to)) {
            rest->prepend(usage);
            return rest;
        }
    }
    return std::nullopt;
}

std::optional<KeyCode> keysCode(const QString& text, const KeyboardLayout& layout) {
    if (const std::optional<KeyboardLayout::Key> source = layout.find(text))
        return layout.factoryCode(source->matrix);
    const std::optional<QList<unsigned char>> keys = splitKeys(text.split(QLatin1Char('+')), 0);
    if (!keys || keys->size() > maxComboKeys)
        return std::nullopt;
    if (keys->size() == 1)
        return KeyCodes::singleKey(keys->first());
    return KeyCode{KeyCodes::keyKind, keys->value(0), keys->value(1), keys->value(2)};
}

} // namespace

std::optional<KeyAssignment> KeyAssignment::parse(const QString& text, const KeyboardLayout& layout,
                                                  QString* error) {
    if (text.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0)
        return KeyAssignment{Kind::Default, {}, QString()};
    if (text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return KeyAssignment{Kind::Code, {}, QString()};
    if (text.startsWith(macroPrefix, Qt::CaseInsensitive))
        return KeyAssignment{Kind::Macro, {}, text.mid(macroPrefix.size())};
    if (const MediaFunction* media = findMediaFunction(text))
        return KeyAssignment{Kind::Code, KeyCodes::media(media->usage), QString()};
    if (const std::optional<KeyCode> code = keysCode(text, layout))
        return KeyAssignment{Kind::Code, *code, QString()};
    *error =
        QStringLiteral("'%1' is no assignment; valid: a key name, up to three key names joined "
                       "by + (Ctrl+C), a media function (MUTE, VOLUME UP …), macro:<name>, "
                       "default or none; korvanectl key --list names them")
            .arg(text);
    return std::nullopt;
}

QString keyDisplayName(unsigned char usage, const QString& label) {
    for (const KeyNameEntry& entry : keyNameEntries()) {
        if (entry.id == usage && usage != 0)
            return entry.name;
    }
    return label;
}
