#pragma once

#include <QEvent>

// Custom event that the widget posts to itself; the tag says what to do when it arrives.
class UserEvent : public QEvent {
public:
    static constexpr QEvent::Type eventType = QEvent::User; // 1000
    static constexpr int runSceneTag = 2177;

    explicit UserEvent(int tag) : QEvent(eventType), userType(tag) {}

    int userType;
};
