#include "focus/script_focus_watcher.h"

#include <QHash>

namespace {

const QHash<QString, QString> scriptNames{
    {QStringLiteral("kwin"), QStringLiteral("KWin script")},
    {QStringLiteral("gnome-shell"), QStringLiteral("GNOME Shell extension")},
};

} // namespace

QString ScriptFocusWatcher::problem() const {
    if (!reporter.isEmpty())
        return QString();
    return QStringLiteral("no report from the Korvane KWin script or GNOME Shell extension; on "
                          "KDE Plasma or GNOME on Wayland, enable it and log in again");
}

bool ScriptFocusWatcher::report(const QString& desktop, const QString& appId) {
    const auto name = scriptNames.constFind(desktop);
    if (name == scriptNames.constEnd())
        return false;
    reporter = *name;
    emit applicationFocused(appId);
    return true;
}
