#pragma once

#include <QObject>

// Watches the key presses and releases of the whole session, without holding any key back:
// every key still reaches the application it was typed into.
class KeyListener : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Starts listening; false when this source cannot see the session's keys.
    virtual bool start() = 0;

signals:
    // One key went down (again, when it repeats) or up; the key is named by its Linux input code.
    void keyEvent(int linuxCode, bool isDown);
};
