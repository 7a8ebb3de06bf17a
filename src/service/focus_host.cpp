#include "service/focus_host.h"

#include "ctl/ctl_command.h"
#include "ctl/focus_status_source.h"
#include "focus/wlr_focus_watcher.h"
#include "focus/x11_focus_watcher.h"
#include "service/keyboard_service.h"
#include "settings/profile_number.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

// Enough to pick the game that was just left, not a history.
constexpr int mostRecent = 20;

// A Wayland session first: there an X11 watcher would see only the programs under XWayland.
std::unique_ptr<FocusWatcher> watcherOfTheSession() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::make_unique<WlrFocusWatcher>();
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        return std::make_unique<X11FocusWatcher>();
    return nullptr;
}

} // namespace

FocusHost::FocusHost(KeyboardService& service, QString rulesFile, QObject* parent)
    : QObject(parent), service(service), rulesFile(std::move(rulesFile)),
      follower(
          [&service] {
              const KeyboardState& state = service.state();
              return state.connected ? ProfileNumber::fromIndex(state.profile) : 0;
          },
          [&service](int profile) {
              if (service.state().connected)
                  service.run(profileCommand(), {{QString::number(profile)}, {}}, QDir::rootPath());
          }) {
    follower.follow(&scriptWatcher);
    connect(&follower, &ProfileFollower::settled, this,
            [this](const QString& appId) { remember(appId); });
    connect(&rulesWatch, &QFileSystemWatcher::directoryChanged, this, &FocusHost::readRules);
    FocusStatusSource::set([this] { return status(); });
}

FocusHost::~FocusHost() {
    FocusStatusSource::set(nullptr);
}

void FocusHost::start() {
    sessionWatcher = watcherOfTheSession();
    if (sessionWatcher) {
        follower.follow(sessionWatcher.get());
        sessionWatcher->start();
    }
    // The folder, not the file: the file is replaced whole on every write, and may not exist yet.
    QDir().mkpath(QFileInfo(rulesFile).absolutePath());
    rulesWatch.addPath(QFileInfo(rulesFile).absolutePath());
    readRules();
    const FocusStatus now = status();
    if (now.problem.isEmpty())
        qInfo().noquote() << "korvane-service: following the focus through" << now.backend;
    else
        qInfo().noquote() << "korvane-service: not following the focus yet:" << now.problem;
}

FocusStatus FocusHost::status() const {
    FocusStatus now;
    now.focusedApplication = follower.focusedApplication();
    now.recentApplications = recent;
    if (!scriptWatcher.backendName().isEmpty()) {
        now.backend = scriptWatcher.backendName();
    } else if (sessionWatcher && sessionWatcher->problem().isEmpty()) {
        now.backend = sessionWatcher->backendName();
    } else {
        const QString session =
            sessionWatcher
                ? sessionWatcher->backendName() + QStringLiteral(": ") + sessionWatcher->problem()
                : QStringLiteral("the service sees no X11 or Wayland display");
        now.problem = session + QStringLiteral("; ") + scriptWatcher.problem();
    }
    return now;
}

bool FocusHost::reportFocus(const QString& desktop, const QString& appId) {
    const bool first = scriptWatcher.backendName().isEmpty();
    if (!scriptWatcher.report(desktop, appId))
        return false;
    if (first) {
        qInfo().noquote() << "korvane-service: following the focus through"
                          << scriptWatcher.backendName();
        emit statusChanged();
    }
    return true;
}

void FocusHost::readRules() {
    FocusRules::Reading reading = FocusRules::Reading::Fine;
    const FocusRules rules = FocusRules::read(rulesFile, &reading);
    if (reading == FocusRules::Reading::Damaged && !toldDamaged)
        qWarning().noquote() << "korvane-service: the rules file" << QFileInfo(rulesFile).filePath()
                             << "is damaged and reads as no rules";
    toldDamaged = reading == FocusRules::Reading::Damaged;
    follower.setRules(rules);
}

void FocusHost::remember(const QString& appId) {
    recent.removeAll(appId);
    recent.prepend(appId);
    while (recent.size() > mostRecent)
        recent.removeLast();
    emit statusChanged();
}
