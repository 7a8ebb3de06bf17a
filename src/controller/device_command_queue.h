#pragma once

#include <deque>
#include <functional>
#include <memory>

// The window's commands to the keyboard, in the order the scene gives them. A profile switch
// handed to another program (the background service) holds the commands given after it until
// that program has answered, so that none of them lands in the profile the keyboard leaves; the
// window goes on meanwhile. Without a handover under way a command runs at once.
class DeviceCommandQueue {
public:
    DeviceCommandQueue() = default;
    DeviceCommandQueue(const DeviceCommandQueue&) = delete;
    DeviceCommandQueue& operator=(const DeviceCommandQueue&) = delete;

    using Command = std::function<void()>;
    // Starts a handover; calls its argument once, later or at once, with whether the other
    // program took it.
    using Handover = std::function<void(std::function<void(bool handedOver)> done)>;

    void run(Command command);
    // `instead` runs in the handover's place when the other program does not take it.
    void handOver(Handover handover, Command instead);
    bool isWaiting() const { return waiting; }

private:
    struct Step {
        Handover handover;
        Command command;
    };

    void next();

    std::deque<Step> steps;
    bool waiting = false;
    // An answer that comes after the queue has gone finds nothing to run.
    std::shared_ptr<DeviceCommandQueue*> self = std::make_shared<DeviceCommandQueue*>(this);
};
