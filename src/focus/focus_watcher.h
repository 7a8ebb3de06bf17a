#pragma once

#include <QObject>
#include <QString>

// Follows which application has the keyboard focus on the desktop, as far as the desktop lets a
// program see it. One kind per desktop: X11 window managers, wlroots compositors, and desktops
// whose own script reports the focus over D-Bus.
class FocusWatcher : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts following the focus and reports the application that has it now, if any.
    virtual void start() = 0;
    // A short name of the way the focus is followed, for the rules panel and korvanectl.
    virtual QString backendName() const = 0;
    // Empty while the focus is followed; otherwise why it cannot be.
    virtual QString problem() const = 0;

signals:
    // A window got the focus; `appId` is its application's Wayland app id or X11 window class,
    // as the desktop gives it (the same application may be reported again for another window).
    void applicationFocused(const QString& appId);
};
