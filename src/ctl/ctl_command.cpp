#include "ctl/ctl_command.h"

namespace {

QString validOptions(const CtlCommand& command) {
    const QStringList names = command.optionWords();
    return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

} // namespace

std::optional<CtlArguments> CtlCommand::parseArguments(const QStringList& words,
                                                       QString* error) const {
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
        const QString optionName = word.mid(2, equals < 0 ? -1 : equals - 2);
        const CtlOption* found = option(optionName);
        if (!found) {
            *error = QStringLiteral("%1: unknown option --%2; valid: %3")
                         .arg(name, optionName, validOptions(*this));
            return std::nullopt;
        }
        if (found->valueName.isEmpty()) {
            arguments.options.insert(optionName, QString());
        } else if (equals >= 0) {
            arguments.options.insert(optionName, word.mid(equals + 1));
        } else if (i + 1 < words.size()) {
            arguments.options.insert(optionName, words[++i]);
        } else {
            *error = QStringLiteral("%1: --%2 needs a value (%3)")
                         .arg(name, optionName, found->valueName);
            return std::nullopt;
        }
    }
    return arguments;
}

const CtlOption* CtlCommand::option(const QString& name) const {
    for (const CtlOption& candidate : options) {
        if (candidate.name == name)
            return &candidate;
    }
    return nullptr;
}

QStringList CtlCommand::optionWords() const {
    QStringList words;
    for (const CtlOption& candidate : options)
        words.append(QStringLiteral("--") + candidate.name);
    return words;
}

const QList<CtlCommand>& ctlCommands() {
    static const QList<CtlCommand> commands{
        statusCommand(),   profileCommand(),   exportCommand(), importCommand(), resetCommand(),
        lightingCommand(), backlightCommand(), keyCommand(),    macroCommand(),  ruleCommand(),
    };
    return commands;
}

const CtlCommand* findCtlCommand(const QString& name) {
    for (const CtlCommand& command : ctlCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QStringList completionsFor(const QStringList& words, const QString& prefix) {
    QStringList matching;
    for (const QString& word : words) {
        if (word.startsWith(prefix, Qt::CaseInsensitive))
            matching.append(word);
    }
    return matching;
}

QStringList numberWords(int low, int high) {
    QStringList words;
    for (int n = low; n <= high; ++n)
        words.append(QString::number(n));
    return words;
}
