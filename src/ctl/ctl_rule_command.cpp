// korvanectl rule: the per-application profiles that the background service follows.
#include "ctl/ctl_command.h"
#include "ctl/focus_status_source.h"
#include "focus/focus_rules.h"
#include "settings/settings_paths.h"

#include <QJsonArray>
#include <QJsonObject>

namespace {

const QStringList actions{QStringLiteral("list"),   QStringLiteral("add"),
                          QStringLiteral("remove"), QStringLiteral("default"),
                          QStringLiteral("status"), QStringLiteral("on"),
                          QStringLiteral("off")};
const QString leaveWord = QStringLiteral("leave");

QString profileText(int profile) {
    return profile == FocusRules::leaveProfile ? QStringLiteral("leave the profile as it is")
                                               : QStringLiteral("profile %1").arg(profile);
}

QJsonObject rulesJson(const FocusRules& rules) {
    QJsonArray list;
    for (const FocusRules::Rule& rule : rules.rules)
        list.append(QJsonObject{{QStringLiteral("application"), rule.application},
                                {QStringLiteral("profile"), rule.profile}});
    return {{QStringLiteral("enabled"), rules.enabled},
            {QStringLiteral("default"), rules.defaultProfile},
            {QStringLiteral("rules"), list}};
}

CtlResult listRules(const FocusRules& rules) {
    QStringList lines{
        QStringLiteral("following the focus: %1").arg(rules.enabled ? "on" : "off"),
        QStringLiteral("any other application: %1").arg(profileText(rules.defaultProfile))};
    for (int i = 0; i < rules.rules.size(); ++i)
        lines.append(QStringLiteral("%1. %2  profile %3")
                         .arg(i + 1)
                         .arg(rules.rules[i].application)
                         .arg(rules.rules[i].profile));
    return CtlResult::ok(lines.join(QLatin1Char('\n')), rulesJson(rules));
}

CtlResult statusOfFollowing() {
    const std::optional<FocusStatus> status = FocusStatusSource::current();
    if (!status)
        return CtlResult::ok(
            QStringLiteral("not following the focus: no background service runs (korvane-service "
                           "follows it; a D-Bus call or 'Start at login' starts it)"),
            QJsonObject{{QStringLiteral("service"), false}});
    const QString way = status->problem.isEmpty()
                            ? QStringLiteral("following the focus through ") + status->backend
                            : QStringLiteral("not following the focus: ") + status->problem;
    return CtlResult::ok(way + QStringLiteral("\nfocused application: ") +
                             (status->focusedApplication.isEmpty() ? QStringLiteral("none seen yet")
                                                                   : status->focusedApplication),
                         QJsonObject{{QStringLiteral("service"), true},
                                     {QStringLiteral("backend"), status->backend},
                                     {QStringLiteral("problem"), status->problem},
                                     {QStringLiteral("focused"), status->focusedApplication},
                                     {QStringLiteral("recent"),
                                      QJsonArray::fromStringList(status->recentApplications)}});
}

qsizetype ruleIndex(const FocusRules& rules, const QString& application) {
    for (qsizetype i = 0; i < rules.rules.size(); ++i) {
        if (rules.rules[i].application.compare(application, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// Changes the rules as `action` and its words say; an error text when they do not fit.
QString change(FocusRules& rules, const QString& action, const QStringList& words) {
    if (action == QLatin1String("on") || action == QLatin1String("off")) {
        rules.enabled = action == QLatin1String("on");
        return QString();
    }
    if (action == QLatin1String("default")) {
        const std::optional<int> profile =
            words.value(0) == leaveWord
                ? FocusRules::leaveProfile
                : parseNumber(words.value(0), FocusRules::firstProfile, FocusRules::lastProfile);
        if (words.size() != 1 || !profile)
            return QStringLiteral("rule: usage: korvanectl rule default <1-6|leave>");
        rules.defaultProfile = *profile;
        return QString();
    }
    const QString application = words.value(0);
    const qsizetype index = ruleIndex(rules, application);
    if (action == QLatin1String("remove")) {
        if (words.size() != 1 || index < 0)
            return QStringLiteral("rule: no rule for '%1'; see korvanectl rule list")
                .arg(application);
        rules.rules.removeAt(index);
        return QString();
    }
    const std::optional<int> profile =
        parseNumber(words.value(1), FocusRules::firstProfile, FocusRules::lastProfile);
    if (words.size() != 2 || !profile)
        return QStringLiteral("rule: usage: korvanectl rule add <application> <1-6>");
    if (!FocusRules::isValidApplication(application))
        return QStringLiteral("rule: '%1' is no application id").arg(application);
    // The same application again changes its rule where it stands, so the order stays.
    if (index >= 0)
        rules.rules[index].profile = *profile;
    else
        rules.rules.append({application, *profile});
    return QString();
}

CtlResult runRule(CtlContext&, const CtlArguments& arguments) {
    const QString action = arguments.positional.value(0);
    if (!actions.contains(action))
        return CtlResult::badArgument(
            QStringLiteral("rule: '%1' is no action; valid: %2").arg(action, actions.join(", ")));
    if (action == QLatin1String("status"))
        return statusOfFollowing();
    const QString file = SettingsPaths::focusRulesFile();
    FocusRules::Reading reading = FocusRules::Reading::Fine;
    FocusRules rules = FocusRules::read(file, &reading);
    if (action == QLatin1String("list"))
        return listRules(rules);
    // A damaged file is the user's to mend; writing over it would lose what it held.
    if (reading == FocusRules::Reading::Damaged)
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("rule: the rules file %1 is damaged; mend or remove it first")
                .arg(file));
    const QString error = change(rules, action, arguments.positional.mid(1));
    if (!error.isEmpty())
        return CtlResult::badArgument(error);
    if (!rules.write(file))
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("rule: cannot write %1; it is kept as it was").arg(file));
    return listRules(rules);
}

QStringList completeRule(const QStringList& words) {
    if (words.size() == 1)
        return completionsFor(actions, words.last());
    if (words.size() == 2 && words[0] == QLatin1String("default"))
        return completionsFor(numberWords(1, 6) << leaveWord, words.last());
    if (words.size() == 2 && words[0] == QLatin1String("remove")) {
        QStringList applications;
        for (const FocusRules::Rule& rule : FocusRules::read(SettingsPaths::focusRulesFile()).rules)
            applications.append(rule.application);
        return completionsFor(applications, words.last());
    }
    if (words.size() == 3 && words[0] == QLatin1String("add"))
        return completionsFor(numberWords(1, 6), words.last());
    return {};
}

} // namespace

const CtlCommand& ruleCommand() {
    static const CtlCommand command{
        QStringLiteral("rule"),
        QStringLiteral("rule list | add <application> <1-6> | remove <application> | "
                       "default <1-6|leave> | on | off | status"),
        QStringLiteral("per-application profiles: which profile a focused application gets"),
        QStringLiteral(
            "While the background service runs, the keyboard switches to a rule's profile when "
            "its application gets the focus, and to the default profile (or leaves the profile as "
            "it is) for any other. An application is its Wayland app id or X11 window class, "
            "ignoring case, with * and ? as wildcards; the first matching rule wins. add appends "
            "a rule (or changes the profile of that application's rule); on and off switch the "
            "following; status tells how the service follows the focus, or why it cannot."),
        {},
        &runRule,
        &completeRule};
    return command;
}
