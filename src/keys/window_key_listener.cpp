#include "keys/window_key_listener.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickWindow>

#include <utility>

namespace {

// Wayland and X11 number keys as XKB does: the Linux input code plus 8.
constexpr quint32 xkbOffset = 8;

} // namespace

bool WindowKeyListener::start() {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application)
        return false;
    application->installEventFilter(this);
    connect(application, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state != Qt::ApplicationActive)
                    releaseAll();
            });
    return true;
}

// A key event reaches the platform window first; the scene's own window only gets it passed on
// from there, so it is left out to see each key once.
bool WindowKeyListener::eventFilter(QObject* watched, QEvent* event) {
    const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!isKey || !watched->isWindowType() || qobject_cast<QQuickWindow*>(watched))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->nativeScanCode() <= xkbOffset)
        return false;
    const int linuxCode = int(key->nativeScanCode() - xkbOffset);
    const bool isDown = event->type() == QEvent::KeyPress;
    if (isDown)
        down.insert(linuxCode);
    else
        down.remove(linuxCode);
    emit keyEvent(linuxCode, isDown);
    return false;
}

void WindowKeyListener::releaseAll() {
    const QSet<int> held = std::exchange(down, {});
    for (int linuxCode : held)
        emit keyEvent(linuxCode, false);
}
