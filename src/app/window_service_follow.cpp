#include "app/window_service_follow.h"

#include "app/myqquickview.h"

#include <QQuickItem>

WindowServiceFollow::WindowServiceFollow(myQQuickView& view, QObject* parent)
    : QObject(parent), view(view) {
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
