// The controller's slots about what the tool may open.
#include "controller/myqquickview.h"

#include "platform/desktop_session.h"
#include "platform/udev_rule_command.h"

#include <QCoreApplication>

QVariantMap myQQuickView::eventNodeRule() {
    return {{QStringLiteral("wayland"), DesktopSession::isWayland()},
            {QStringLiteral("active"), UdevRuleCommand::isOptInActive()},
            {QStringLiteral("enable"),
             UdevRuleCommand::optInEnableCommand(QCoreApplication::applicationDirPath())},
            {QStringLiteral("remove"), UdevRuleCommand::optInRemoveCommand()}};
}
