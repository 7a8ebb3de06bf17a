#include "app/window_service_follow.h"

#include "controller/myqquickview.h"
#include "controller/service_silence_notice.h"
#include "device/hid_thread.h"
#include "service/service_error.h"
#include "service/service_names.h"
#include "service/service_route.h"
#include "settings/profile_number.h"
#include "settings/profile_store.h"

#include <QDBusPendingCallWatcher>
#include <QDebug>
#include <QDir>
#include <QQuickItem>
#include <QTimer>

#include <utility>

namespace {

// A passed-by service that comes back within this time answers the switch it was handed (it
// refuses it, being late), which tells the window to follow it again.
constexpr int lateAnswerMs = 60 * 1000;

} // namespace

WindowServiceFollow::WindowServiceFollow(myQQuickView& view, bool virtualKeyboard, QObject* parent)
    : QObject(parent), view(view), virtualKeyboard(virtualKeyboard),
      bus(QDBusConnection::sessionBus()), client(bus),
      watcher(ServiceNames::busName, bus, QDBusServiceWatcher::WatchForOwnerChange) {
    view.profileSwitchHandover = [this](int profile, Done done) {
        handOverProfileSwitch(profile, std::move(done));
    };
    connect(&client, &KeyboardServiceClient::profileSwitched, this, [this](int profile) {
        followAgain();
        showProfile(profile);
    });
    connect(&client, &KeyboardServiceClient::profileFileChanged, this, [this](int profile) {
        followAgain();
        reloadProfile(profile);
    });
    connect(&watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &WindowServiceFollow::ownerChanged);
}

// The same command korvanectl hands over; the service's answer then arrives as a profile that
// the window already shows, so nothing is reloaded twice.
void WindowServiceFollow::handOverProfileSwitch(int profile, Done done) {
    if (!client.isServiceRunning()) {
        done(false);
        return;
    }
    if (passingBy) {
        askWhetherBack();
        done(false);
        return;
    }
    QStringList words{QStringLiteral("profile"),
                      QString::number(ProfileNumber::fromIndex(profile))};
    if (virtualKeyboard)
        words.prepend(QStringLiteral("--demo"));
    auto* call = new QDBusPendingCallWatcher(
        bus.asyncCall(ServiceRoute::commandLineCall(words, QDir::currentPath(), handoverBoundMs),
                      lateAnswerMs),
        this);
    auto pending = std::make_shared<Done>(std::move(done));
    auto* bound = new QTimer(call);
    bound->setSingleShot(true);
    // Never early: the bound is what the window promises the service.
    bound->setTimerType(Qt::PreciseTimer);
    connect(bound, &QTimer::timeout, this, [this, pending] {
        passBy();
        std::exchange(*pending, nullptr)(false);
    });
    connect(call, &QDBusPendingCallWatcher::finished, this, [this, call, pending] {
        call->deleteLater();
        const QDBusMessage reply = call->reply();
        if (*pending)
            takeAnswer(reply, *pending);
        else if (!ServiceRoute::isUnanswered(reply))
            followAgain();
    });
    bound->start(handoverBoundMs);
}

void WindowServiceFollow::takeAnswer(const QDBusMessage& reply, Done& done) {
    const Done finish = std::exchange(done, nullptr);
    if (reply.type() != QDBusMessage::ErrorMessage) {
        if (reply.arguments().value(0).toInt() != 0)
            qWarning().noquote() << "The background service could not switch the profile:"
                                 << reply.arguments().value(2).toString();
        finish(true);
        return;
    }
    // The service went while it had the switch: the window makes it.
    if (ServiceRoute::isUnanswered(reply))
        passBy();
    else if (!ServiceError::nothingRan(reply))
        qWarning().noquote() << "The background service did not take the profile switch:"
                             << reply.errorMessage();
    finish(false);
}

void WindowServiceFollow::passBy() {
    if (passingBy)
        return;
    passingBy = true;
    view.serviceSilenceNotice->tell();
    emit passingByChanged();
}

void WindowServiceFollow::followAgain() {
    if (!passingBy)
        return;
    passingBy = false;
    emit passingByChanged();
}

// One question at a time: it waits as long as a late answer may come.
void WindowServiceFollow::askWhetherBack() {
    if (asking)
        return;
    asking = true;
    auto* ping =
        new QDBusPendingCallWatcher(bus.asyncCall(ServiceRoute::pingCall(), lateAnswerMs), this);
    connect(ping, &QDBusPendingCallWatcher::finished, this, [this, ping] {
        ping->deleteLater();
        asking = false;
        if (!ping->isError())
            followAgain();
    });
}

// A service that starts (again) is followed; one that leaves may have switched the keyboard
// without telling, so the keyboard is asked, after the window's own commands.
void WindowServiceFollow::ownerChanged(const QString&, const QString&, const QString& newOwner) {
    if (!newOwner.isEmpty())
        followAgain();
    else
        view.deviceCommands.run([this] { followKeyboard(); });
}

void WindowServiceFollow::followKeyboard() {
    if (!view.hidThread)
        return;
    // Kept when the keyboard does not answer.
    uchar profile = 0xFF;
    view.hidThread->hid_82H_GetCurrentProfile(profile);
    if (ProfileStore::isProfileIndex(profile))
        showProfile(profile);
}

// The controller learns the profile first, so that the menu's switch only reloads the pages.
void WindowServiceFollow::showProfile(int profile) {
    view.currentProfile = profile;
    QObject* menu = profileMenu();
    if (!menu || menu->property("currentIndex").toInt() == profile)
        return;
    menu->setProperty("currentIndex", profile);
    QMetaObject::invokeMethod(menu, "profileSelected", Q_ARG(int, profile));
}

void WindowServiceFollow::reloadProfile(int profile) {
    QObject* menu = profileMenu();
    if (menu && profile == view.currentProfile)
        QMetaObject::invokeMethod(menu, "profileReloaded", Q_ARG(int, profile));
}

QObject* WindowServiceFollow::profileMenu() const {
    QQuickItem* root = view.rootObject();
    return root ? root->findChild<QObject*>(QStringLiteral("menuProf")) : nullptr;
}
