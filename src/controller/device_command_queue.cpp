#include "controller/device_command_queue.h"

void DeviceCommandQueue::run(Command command) {
    steps.push_back({nullptr, std::move(command)});
    next();
}

void DeviceCommandQueue::handOver(Handover handover, Command instead) {
    steps.push_back({std::move(handover), std::move(instead)});
    next();
}

void DeviceCommandQueue::next() {
    while (!waiting && !steps.empty()) {
        Step step = std::move(steps.front());
        steps.pop_front();
        if (!step.handover) {
            step.command();
            continue;
        }
        waiting = true;
        step.handover([queue = std::weak_ptr<DeviceCommandQueue*>(self),
                       instead = std::move(step.command)](bool handedOver) {
            const std::shared_ptr<DeviceCommandQueue*> alive = queue.lock();
            if (!alive)
                return;
            if (!handedOver)
                instead();
            (*alive)->waiting = false;
            (*alive)->next();
        });
    }
}
