#include "platform/udev_rule_command.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString localRulesDir = QStringLiteral("/etc/udev/rules.d/");

// Where udev reads rules, first to last: a file of a name hides those of the same name further
// on, and one that is empty or a link to /dev/null masks the rule.
QStringList& rulesDirectories() {
    static QStringList dirs{localRulesDir, QStringLiteral("/run/udev/rules.d/"),
                            QStringLiteral("/usr/lib/udev/rules.d/"),
                            QStringLiteral("/lib/udev/rules.d/")};
    return dirs;
}

bool isReadByUdev(const QString& name) {
    for (const QString& dir : rulesDirectories()) {
        const QFileInfo rule(dir + u'/' + name);
        if (rule.exists() || rule.isSymLink())
            return rule.isFile() && rule.size() > 0;
    }
    return false;
}

QString shellQuoted(const QString& text) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9/._+-]+$"));
    if (plain.match(text).hasMatch())
        return text;
    QString quoted = text;
    return u'\'' + quoted.replace(u'\'', QStringLiteral("'\\''")) + u'\'';
}

QString shipped(const QString& executableDir, const char* fromBin, const QString& name) {
    return QDir::cleanPath(executableDir + u'/' + QLatin1String(fromBin) + u'/' + name);
}

QString installCommand(const QString& file, const QString& target, const char* mode) {
    return QStringLiteral("sudo install -D -m %1 %2 %3")
        .arg(QLatin1String(mode), shellQuoted(file), shellQuoted(target));
}

} // namespace

namespace UdevRuleCommand {

const QString ruleName = QStringLiteral("70-korvane-z9.rules");
const QString optInRuleName = QStringLiteral("71-korvane-z9-event-nodes.rules");

QString forExecutableDir(const QString& executableDir) {
    const QString apply = QStringLiteral(
        "sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=hidraw");
    if (isReadByUdev(ruleName))
        return apply;
    QString command;
    // The rule names its helper by the path of an installation; a build tree's helper is put
    // there first.
    const QString helper = QStringLiteral(KORVANE_HIDRAW_CHECK);
    if (!QFileInfo::exists(helper)) {
        command += installCommand(shipped(executableDir, KORVANE_UDEV_HELPERS_FROM_BIN,
                                          QFileInfo(helper).fileName()),
                                  helper, "755") +
                   QStringLiteral(" && ");
    }
    return command +
           installCommand(shipped(executableDir, KORVANE_UDEV_RULES_FROM_BIN, ruleName),
                          localRulesDir + ruleName, "644") +
           QStringLiteral(" && ") + apply;
}

bool isOptInActive() {
    return isReadByUdev(optInRuleName);
}

void setRulesDirectories(const QStringList& dirs) {
    rulesDirectories() = dirs;
}

QString optInEnableCommand(const QString& executableDir) {
    return installCommand(shipped(executableDir, KORVANE_OPTIN_RULES_FROM_BIN, optInRuleName),
                          localRulesDir + optInRuleName, "644") +
           QStringLiteral(" && sudo udevadm control --reload && sudo udevadm trigger "
                          "--subsystem-match=input --action=change");
}

QString optInRemoveCommand() {
    return QStringLiteral("sudo rm ") + localRulesDir + optInRuleName +
           QStringLiteral(" && sudo udevadm control --reload");
}

} // namespace UdevRuleCommand
