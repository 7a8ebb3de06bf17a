#include "ctl/ctl_arguments.h"

#include "ctl/ctl_command.h"

namespace {

QString validOptions(const CtlCommand& command) {
    const QStringList names = command.optionWords();
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

std::optional<CtlArguments> parseCtlArguments(const CtlCommand& command, const QStringList& words,
                                              QString* error) {
    CtlArguments arguments;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words[i];
        if (optionsEnded || !word.startsWith(QLatin1String("--")) || word.size() == 2) {
            if (word == QLatin1String("--") && !optionsEnded)
                optionsEnded = true;
            else
                arguments.positional.append(word);
            continue;
        }
        const qsizetype equals = word.indexOf(QLatin1Char('='));
        const QString name = word.mid(2, equals < 0 ? -1 : equals - 2);
        const CtlOption* option = command.option(name);
        if (!option) {
            *error = QStringLiteral("%1: unknown option --%2; valid: %3")
                         .arg(command.name, name, validOptions(command));
            return std::nullopt;
        }
        if (option->valueName.isEmpty()) {
            arguments.options.insert(name, QString());
        } else if (equals >= 0) {
            arguments.options.insert(name, word.mid(equals + 1));
        } else if (i + 1 < words.size()) {
            arguments.options.insert(name, words[++i]);
        } else {
            *error = QStringLiteral("%1: --%2 needs a value (%3)")
                         .arg(command.name, name, option->valueName);
            return std::nullopt;
        }
    }
    return arguments;
}

std::optional<int> parseNumber(const QString& text, int low, int high) {
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    if (!isNumber || value < low || value > high)
        return std::nullopt;
    return value;
}
