#pragma once

#include "keys/key_listener.h"

struct xcb_connection_t;
class QSocketNotifier;

// The raw key events of every master keyboard of the X display, read on a connection of its own.
// Raw events go to the root window whichever application has the focus, and selecting them
// takes nothing away from that application. A connection that breaks only ends the listening.
class XInputKeyListener : public KeyListener {
    Q_OBJECT

public:
    explicit XInputKeyListener(QObject* parent = nullptr);
    ~XInputKeyListener() override;

    bool start() override;
    bool isListening() const { return notifier != nullptr; }

private:
    bool selectRawKeyEvents();
    void drain();
    void close();

    xcb_connection_t* connection = nullptr;
    QSocketNotifier* notifier = nullptr;
    quint8 inputOpcode = 0;
};
