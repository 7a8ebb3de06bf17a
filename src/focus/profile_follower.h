#pragma once

#include "focus/focus_rules.h"

#include <QObject>
#include <QTimer>

#include <functional>

class FocusWatcher;

// Switches the keyboard's profile as the focus moves between applications, by the rules. A burst
// of focus changes (alt-tab through windows) is settled first and switches at most once; a burst
// that ends where it began switches nothing. A profile chosen by hand stays until another
// application gets the focus.
class ProfileFollower : public QObject {
    Q_OBJECT

public:
    // Long enough that a few changes within 150 ms count as one, short enough to feel at once.
    static constexpr int settleMs = 400;

    // `currentProfile` answers the keyboard's profile (1-6, or 0 while unknown); `switchProfile`
    // switches it as a click on the profile menu does.
    ProfileFollower(std::function<int()> currentProfile, std::function<void(int)> switchProfile,
                    QObject* parent = nullptr);

    void setRules(const FocusRules& rules);
    const FocusRules& currentRules() const { return rules; }
    void follow(FocusWatcher* watcher);
    // The application that had the focus when it last settled.
    QString focusedApplication() const { return settledApplication; }

public slots:
    void applicationFocused(const QString& appId);

signals:
    // The focus settled on an application and the rules switched (or left) the profile.
    void settled(const QString& appId, int profile);

private:
    void settle();

    std::function<int()> currentProfile;
    std::function<void(int)> switchProfile;
    FocusRules rules;
    QTimer settleTimer;
    QString latestApplication;
    QString settledApplication;
};
