#pragma once

#include "focus/focus_rules.h"
#include "focus/focus_status.h"
#include "focus/profile_follower.h"
#include "focus/script_focus_watcher.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>

#include <memory>

class KeyboardService;

// Per-application profiles in the background service: follows the focus with the way the
// session offers (X11, a wlroots compositor, or the KWin script / GNOME Shell extension that
// report to the service), reads the rules file again whenever it changes (inotify, no polling)
// and switches the keyboard's profile by them, as the service's own switch does.
class FocusHost : public QObject {
    Q_OBJECT

public:
    // `rulesFile` relative paths resolve against the working directory.
    FocusHost(KeyboardService& service, QString rulesFile, QObject* parent = nullptr);
    ~FocusHost() override;

    // Starts the watcher that the session offers (WAYLAND_DISPLAY, DISPLAY) and reads the rules.
    void start();
    FocusStatus status() const;
    // A report of the KWin script or the GNOME Shell extension; false for an unknown desktop.
    bool reportFocus(const QString& desktop, const QString& appId);

signals:
    void statusChanged();

private:
    void readRules();
    void remember(const QString& appId);

    KeyboardService& service;
    QString rulesFile;
    ProfileFollower follower;
    std::unique_ptr<FocusWatcher> sessionWatcher;
    ScriptFocusWatcher scriptWatcher;
    QFileSystemWatcher rulesWatch;
    QStringList recent;
    // A damaged file is told once, not at every change of its folder.
    bool toldDamaged = false;
};
