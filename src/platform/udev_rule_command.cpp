#include "platform/udev_rule_command.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString ruleName = QStringLiteral("70-korvane-z9.rules");

bool isReadByUdev() {
    for (const char* dir : {"/etc/udev/rules.d/", "/usr/lib/udev/rules.d/", "/lib/udev/rules.d/"}) {
        if (QFileInfo::exists(QLatin1String(dir) + ruleName))
            return true;
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

} // namespace

namespace UdevRuleCommand {

QString forExecutableDir(const QString& executableDir) {
    const QString apply = QStringLiteral(
        "sudo udevadm control --reload && sudo udevadm trigger --subsystem-match=hidraw");
    if (isReadByUdev())
        return apply;
    const QString shipped = QDir::cleanPath(
        executableDir + QStringLiteral("/" KORVANE_UDEV_RULES_FROM_BIN "/") + ruleName);
    return QStringLiteral("sudo install -m 644 ") + shellQuoted(shipped) +
           QStringLiteral(" /etc/udev/rules.d/ && ") + apply;
}

} // namespace UdevRuleCommand
