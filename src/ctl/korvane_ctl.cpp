#include "ctl/korvane_ctl.h"

#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "ctl/demo_keyboard.h"
#include "macros/key_name_table.h"
#include "macros/macro_overflow_warning.h"
#include "virtual/virtual_hid_backend.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString programName = QStringLiteral("korvanectl");
const QString completeCommand = QStringLiteral("__complete");
const QStringList globalFlags{QStringLiteral("--demo"), QStringLiteral("--json"),
                              QStringLiteral("--help")};

struct GlobalFlags {
    bool demo = false;
    bool json = false;
    bool help = false;
};

// Takes the program-wide flags out of the words, wherever they stand before a "--".
GlobalFlags takeGlobalFlags(QStringList& words) {
    GlobalFlags flags;
    QStringList rest;
    bool optionsEnded = false;
    for (const QString& word : words) {
        optionsEnded = optionsEnded || word == QLatin1String("--");
        if (!optionsEnded && word == QLatin1String("--demo"))
            flags.demo = true;
        else if (!optionsEnded && word == QLatin1String("--json"))
            flags.json = true;
        else if (!optionsEnded && (word == QLatin1String("--help") || word == QLatin1String("-h")))
            flags.help = true;
        else
            rest.append(word);
    }
    words = rest;
    return flags;
}

QStringList commandNames() {
    QStringList names;
    for (const CtlCommand& command : ctlCommands())
        names.append(command.name);
    return names;
}

QString overview() {
    QStringList lines{
        QStringLiteral("Usage: korvanectl [--demo] [--json] <command> [arguments]"), QString(),
        QStringLiteral(
            "The Z9 keyboard from the command line. Commands change the keyboard and the "
            "profile files exactly as the window's pages do."),
        QString(), QStringLiteral("Commands:")};
    for (const CtlCommand& command : ctlCommands())
        lines.append(QStringLiteral("  %1%2").arg(command.name, -12).arg(command.summary));
    lines << QString() << QStringLiteral("Options:")
          << QStringLiteral(
                 "  --demo      use a virtual Z9 keyboard, which keeps its settings between runs")
          << QStringLiteral("  --json      print the result as JSON")
          << QStringLiteral("  --version   print the version")
          << QStringLiteral("  --help      this text; korvanectl <command> --help for a command")
          << QString()
          << QStringLiteral("Exit status: 0 done, 1 the keyboard did not take a command or a file "
                            "could not be written, 2 bad argument, 3 no keyboard, 4 no permission "
                            "to open the keyboard, 5 device busy, 6 the background service did "
                            "not answer in time.")
          << QStringLiteral(
                 "While korvane-service runs, korvanectl hands each command to it; otherwise "
                 "the window and korvanectl take turns on the keyboard. A service that does not "
                 "answer a ping within 2 s is passed by: korvanectl works with the keyboard "
                 "itself and says so (with --demo, whose keyboard the service holds, it stops "
                 "with status 6). A command handed over gets 10 s to end, or 60 s for lighting, "
                 "keys, macros, import and reset; then korvanectl stops with status 6.");
    return lines.join(QLatin1Char('\n'));
}

QString commandHelp(const CtlCommand& command) {
    QStringList lines{QStringLiteral("Usage: korvanectl %1").arg(command.usage), QString(),
                      command.details};
    if (!command.options.isEmpty()) {
        lines << QString() << QStringLiteral("Options:");
        for (const CtlOption& option : command.options) {
            const QString left = option.valueName.isEmpty()
                                     ? QStringLiteral("--") + option.name
                                     : QStringLiteral("--%1 %2").arg(option.name, option.valueName);
            lines.append(QStringLiteral("  %1%2").arg(left, -24).arg(option.help));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// A word as the shell hands it over while it is typed: without quotes and escapes.
QString unquoted(QString word) {
    word.remove(QLatin1Char('\''));
    word.remove(QLatin1Char('"'));
    QString plain;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] == QLatin1Char('\\') && i + 1 < word.size())
            ++i;
        plain.append(word[i]);
    }
    return plain;
}

// The words after "__complete", the last one unfinished: one candidate per line.
QStringList completions(QStringList words) {
    for (QString& word : words)
        word = unquoted(word);
    if (words.isEmpty())
        words.append(QString());
    const QString last = words.takeLast();
    takeGlobalFlags(words);
    words.append(last);
    if (words.size() == 1)
        return completionsFor(commandNames() + globalFlags, last);
    const CtlCommand* command = findCtlCommand(words.first());
    if (!command)
        return {};
    QStringList candidates = command->complete(words.mid(1));
    if (last.startsWith(QLatin1Char('-')))
        candidates += completionsFor(globalFlags, last);
    return candidates;
}

void printResult(const CtlResult& result, bool json, QTextStream& out) {
    if (json) {
        const QJsonDocument document = result.json.isArray()
                                           ? QJsonDocument(result.json.toArray())
                                           : QJsonDocument(result.json.toObject());
        out << document.toJson(QJsonDocument::Compact) << '\n';
    } else if (!result.text.isEmpty()) {
        out << result.text << '\n';
    }
}

// Runs the command on the context that `run` makes for it.
using ContextRun = std::function<CtlResult(const CtlCommand&, const CtlArguments&)>;

int runCommand(const CtlCommand& command, const QStringList& words, const ContextRun& run,
               bool json, QTextStream& out, QTextStream& err) {
    QString error;
    const std::optional<CtlArguments> arguments = command.parseArguments(words, &error);
    if (!arguments) {
        err << programName << ": " << error << '\n';
        return int(ExitStatus::BadArgument);
    }
    // A macro too long for its slot is reported here instead of in a message box.
    const MacroOverflowWarning::Presenter previous = MacroOverflowWarning::replacePresenter([&err] {
        err << programName
            << ": warning: the macro is longer than a keyboard slot holds; it was cut\n";
    });
    const CtlResult result = run(command, *arguments);
    MacroOverflowWarning::replacePresenter(previous);
    if (!result.isOk()) {
        err << programName << ": " << result.error << '\n';
        return int(result.status);
    }
    printResult(result, json, out);
    return int(ExitStatus::Ok);
}

// Everything but running a command: completion, help and the command's name. `run` is called
// with the command found and the flags, after `enterDataDirectory`.
int dispatch(
    const QStringList& arguments, QTextStream& out, QTextStream& err,
    const std::function<void(bool demo)>& enterDataDirectory,
    const std::function<int(const CtlCommand&, const QStringList&, const GlobalFlags&)>& run) {
    fillKeyNameMap();
    QStringList words = arguments;
    if (!words.isEmpty() && words.first() == completeCommand) {
        if (enterDataDirectory)
            enterDataDirectory(words.contains(QStringLiteral("--demo")));
        for (const QString& candidate : completions(words.mid(1)))
            out << candidate << '\n';
        return int(ExitStatus::Ok);
    }
    const GlobalFlags flags = takeGlobalFlags(words);
    if (words.isEmpty()) {
        if (flags.help) {
            out << overview() << '\n';
            return int(ExitStatus::Ok);
        }
        err << programName
            << ": name a command; valid: " << commandNames().join(QStringLiteral(", ")) << '\n';
        return int(ExitStatus::BadArgument);
    }
    const CtlCommand* command = findCtlCommand(words.first());
    if (!command) {
        err << programName << ": unknown command '" << words.first()
            << "'; valid: " << commandNames().join(QStringLiteral(", ")) << '\n';
        return int(ExitStatus::BadArgument);
    }
    if (flags.help) {
        out << commandHelp(*command) << '\n';
        return int(ExitStatus::Ok);
    }
    if (enterDataDirectory)
        enterDataDirectory(flags.demo);
    return run(*command, words.mid(1), flags);
}

} // namespace

int runKorvaneCtl(const QStringList& arguments, std::shared_ptr<HidBackend> backend,
                  const QString& userDirectory, QTextStream& out, QTextStream& err,
                  const std::function<void(bool demo)>& enterDataDirectory) {
    return dispatch(
        arguments, out, err, enterDataDirectory,
        [&](const CtlCommand& command, const QStringList& words, const GlobalFlags& flags) {
            const ContextRun run = [&](const CtlCommand& chosen, const CtlArguments& parsed) {
                std::optional<DemoKeyboard> demo;
                if (flags.demo)
                    backend = std::make_shared<VirtualHidBackend>(demo.emplace().keyboard());
                CtlContext context(std::move(backend), userDirectory);
                return chosen.run(context, parsed);
            };
            return runCommand(command, words, run, flags.json, out, err);
        });
}

int runKorvaneCtlOnLink(const QStringList& arguments, Hid_Thread& link,
                        const QString& userDirectory, QTextStream& out, QTextStream& err,
                        const std::function<void(CtlContext&, const CtlResult&)>& finished) {
    return dispatch(
        arguments, out, err, nullptr,
        [&](const CtlCommand& command, const QStringList& words, const GlobalFlags& flags) {
            const ContextRun run = [&](const CtlCommand& chosen, const CtlArguments& parsed) {
                CtlContext context(link, userDirectory);
                const CtlResult result = chosen.run(context, parsed);
                if (finished)
                    finished(context, result);
                return result;
            };
            return runCommand(command, words, run, flags.json, out, err);
        });
}

bool wantsDemoKeyboard(const QStringList& arguments) {
    QStringList words = arguments;
    return takeGlobalFlags(words).demo;
}
