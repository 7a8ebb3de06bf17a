#include "focus/profile_follower.h"

#include "focus/focus_watcher.h"

#include <QLoggingCategory>

namespace {
// Off by default; QT_LOGGING_RULES="korvane.focus.debug=true" tells where the focus settled and
// what that switched, once any switch is done.
Q_LOGGING_CATEGORY(focusLog, "korvane.focus", QtInfoMsg)
} // namespace

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
    if (latestApplication == settledApplication) {
        qCDebug(focusLog).noquote()
            << "the focus settled on"
            << latestApplication + QStringLiteral(" again: nothing switched");
        return;
    }
    settledApplication = latestApplication;
    if (!rules.enabled) {
        qCDebug(focusLog).noquote()
            << "the focus settled on" << settledApplication + QStringLiteral(": rules are off");
        return;
    }
    const int profile = rules.profileFor(settledApplication);
    const bool switching = profile != FocusRules::leaveProfile && profile != currentProfile();
    if (switching)
        switchProfile(profile);
    qCDebug(focusLog).noquote()
        << "the focus settled on"
        << settledApplication + (switching ? QStringLiteral(": switched to profile %1").arg(profile)
                                           : QStringLiteral(": nothing switched"));
    emit settled(settledApplication, profile);
}
