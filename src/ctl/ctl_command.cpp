#include "ctl/ctl_command.h"

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
        lightingCommand(), backlightCommand(), keyCommand(),    macroCommand(),
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
