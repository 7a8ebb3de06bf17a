#include "app/window_service_follow.h"

#include "controller/myqquickview.h"
#include "service/service_route.h"
#include "settings/profile_number.h"

#include <QDebug>
#include <QDir>
#include <QQuickItem>

WindowServiceFollow::WindowServiceFollow(myQQuickView& view, bool virtualKeyboard, QObject* parent)
    : QObject(parent), view(view), virtualKeyboard(virtualKeyboard) {
    view.profileSwitchHandover = [this](int profile) { return handOverProfileSwitch(profile); };
    connect(&client, &KeyboardServiceClient::profileSwitched, this,
            &WindowServiceFollow::showProfile);
    connect(&client, &KeyboardServiceClient::profileFileChanged, this,
            &WindowServiceFollow::reloadProfile);
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

// The same command korvanectl hands over; the service's answer then arrives as a profile that
// the window already shows, so nothing is reloaded twice.
bool WindowServiceFollow::handOverProfileSwitch(int profile) {
    QStringList words{QStringLiteral("profile"),
                      QString::number(ProfileNumber::fromIndex(profile))};
    if (virtualKeyboard)
        words.prepend(QStringLiteral("--demo"));
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const std::optional<int> status = runThroughService(words, QDir::currentPath(), out, err);
    if (!status)
        return false;
    if (*status != 0)
        qWarning().noquote() << "The background service could not switch the profile:" << errors;
    return true;
}
