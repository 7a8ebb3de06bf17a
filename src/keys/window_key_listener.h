#pragma once

#include "keys/key_listener.h"

#include <QSet>

class QEvent;

// The keys typed into the tool's own windows, which is what a Wayland session gives every
// program: read from the key events the application receives, before any item takes them, and
// never held back. A key still down when the application loses the focus counts as released
// then, since its release goes to another window.
class WindowKeyListener : public KeyListener {
    Q_OBJECT

public:
    using KeyListener::KeyListener;

    bool start() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void releaseAll();

    QSet<int> down;
};
