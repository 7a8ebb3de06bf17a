#pragma once

#include <QString>
#include <QStringList>

// How the focus is followed now, as the rules panel and `korvanectl rule status` tell it.
struct FocusStatus {
    // The way the focus is followed ("X11", "wlroots", "KWin script", "GNOME Shell extension");
    // empty while none works.
    QString backend;
    // Why the focus is not followed; empty while it is.
    QString problem;
    QString focusedApplication;
    // The applications that had the focus lately, the latest first, for picking one in a rule.
    QStringList recentApplications;
};
