#pragma once

#include "ctl/ctl_arguments.h"
#include "ctl/ctl_result.h"

#include <QList>
#include <QString>
#include <QStringList>

class CtlContext;

struct CtlOption {
    QString name;
    // Empty for a flag without a value.
    QString valueName;
    QString help;
};

// One korvanectl command: its name, its help and what it does. `complete` offers the words that
// may follow `words` (the words typed after the command's name, the last one unfinished).
struct CtlCommand {
    QString name;
    QString usage;
    QString summary;
    QString details;
    QList<CtlOption> options;
    CtlResult (*run)(CtlContext& context, const CtlArguments& arguments);
    QStringList (*complete)(const QStringList& words);

    const CtlOption* option(const QString& name) const;
    // Splits `words` by the options this command takes; the error names the valid options.
    std::optional<CtlArguments> parseArguments(const QStringList& words, QString* error) const;
    // The options as they are typed: "--name".
    QStringList optionWords() const;
};

// Every command, in the order the help lists them.
const QList<CtlCommand>& ctlCommands();
const CtlCommand* findCtlCommand(const QString& name);

// The commands, each defined in the file of its concern.
const CtlCommand& statusCommand();
const CtlCommand& profileCommand();
const CtlCommand& exportCommand();
const CtlCommand& importCommand();
const CtlCommand& resetCommand();
const CtlCommand& lightingCommand();
const CtlCommand& backlightCommand();
const CtlCommand& keyCommand();
const CtlCommand& macroCommand();
const CtlCommand& ruleCommand();

// Completion helpers shared by the commands: the candidates among `words` that start with
// `prefix`, ignoring case.
QStringList completionsFor(const QStringList& words, const QString& prefix);
// The numbers low … high as words.
QStringList numberWords(int low, int high);
