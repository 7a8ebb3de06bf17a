#include "focus/profile_follower.h"

#include "focus/focus_watcher.h"

ProfileFollower::ProfileFollower(std::function<int()> current, std::function<void(int)> switcher,
                                 QObject* parent)
    : QObject(parent), currentProfile(std::move(current)), switchProfile(std::move(switcher)) {
    settleTimer.setSingleShot(true);
    settleTimer.setInterval(settleMs);
    connect(&settleTimer, &QTimer::timeout, this, &ProfileFollower::settle);
}

void ProfileFollower::setRules(const FocusRules& newRules) {
    rules = newRules;
}

void ProfileFollower::follow(FocusWatcher* watcher) {
    connect(watcher, &FocusWatcher::applicationFocused, this, &ProfileFollower::applicationFocused);
}

void ProfileFollower::applicationFocused(const QString& appId) {
    latestApplication = appId;
    settleTimer.start();
}

void ProfileFollower::settle() {
    // The same application again (another of its windows, or a burst that came back) leaves a
    // profile chosen by hand alone.
    if (latestApplication == settledApplication)
        return;
    settledApplication = latestApplication;
    if (!rules.enabled)
        return;
    const int profile = rules.profileFor(settledApplication);
    if (profile != FocusRules::leaveProfile && profile != currentProfile())
        switchProfile(profile);
    emit settled(settledApplication, profile);
}
