#pragma once

#include "focus/focus_watcher.h"

// The desktops that show a program no other window's focus (KWin and GNOME Shell on Wayland)
// run a small script of ours inside their shell, which reports each focused window's application
// over D-Bus. This watcher is fed those reports; it works once the first one arrives.
class ScriptFocusWatcher : public FocusWatcher {
    Q_OBJECT

public:
    using FocusWatcher::FocusWatcher;

    void start() override {}
    QString backendName() const override { return reporter; }
    QString problem() const override;

    // One report: `desktop` names the script ("kwin" or "gnome-shell"); false for an unknown one.
    bool report(const QString& desktop, const QString& appId);

private:
    QString reporter;
};
