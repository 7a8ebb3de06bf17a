#include "virtual/virtual_keyboard.h"

#include "device/device_command.h"
#include "device/link_timing.h"
#include "virtual/setting_place.h"

#include <QLoggingCategory>

#include <algorithm>
#include <atomic>
#include <thread>

Q_LOGGING_CATEGORY(lcVirtualKeyboard, "korvane.virtualkeyboard", QtInfoMsg)

namespace {

constexpr int inputReportLength = payloadPieceLength;

std::atomic<int> keyboardCount{0};

QByteArray bytesOf(const unsigned char* data, size_t length) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(length));
}

int copyOut(const QByteArray& bytes, unsigned char* data, size_t length) {
    const size_t n = std::min(length, size_t(bytes.size()));
    std::copy_n(bytes.constData(), n, reinterpret_cast<char*>(data));
    return int(n);
}

} // namespace

VirtualKeyboard::VirtualKeyboard() : VirtualKeyboard(Identity{}) {}

VirtualKeyboard::VirtualKeyboard(Identity identity)
    : id(std::move(identity)), serial(++keyboardCount) {}

void VirtualKeyboard::plug() {
    std::lock_guard guard(lock);
    if (plugged)
        return;
    plugged = true;
    ++plugCount;
}

void VirtualKeyboard::unplug() {
    {
        std::lock_guard guard(lock);
        plugged = false;
        inputQueue.clear();
        notificationQueue.clear();
        expected.reset();
        payloadToSend.clear();
    }
    changed.notify_all();
}

bool VirtualKeyboard::isPlugged() const {
    std::lock_guard guard(lock);
    return plugged;
}

VirtualKeyboardState VirtualKeyboard::state() const {
    std::lock_guard guard(lock);
    return settings;
}

void VirtualKeyboard::setState(const VirtualKeyboardState& newState) {
    std::lock_guard guard(lock);
    settings = newState;
}

VirtualKeyboardFaults VirtualKeyboard::faults() const {
    std::lock_guard guard(lock);
    return injected;
}

void VirtualKeyboard::setFaults(const VirtualKeyboardFaults& newFaults) {
    std::lock_guard guard(lock);
    injected = newFaults;
}

QList<WireReport> VirtualKeyboard::record() const {
    std::lock_guard guard(lock);
    return wire;
}

void VirtualKeyboard::clearRecord() {
    std::lock_guard guard(lock);
    wire.clear();
}

bool VirtualKeyboard::waitForRecord(int count, int timeoutMs) const {
    std::unique_lock guard(lock);
    return changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                            [&] { return wire.size() >= count; });
}

void VirtualKeyboard::sendNotification(const QByteArray& report) {
    {
        std::lock_guard guard(lock);
        if (!plugged)
            return;
        put(notificationQueue, WireReport::Kind::Notification, report, Clock::now());
    }
    changed.notify_all();
}

QByteArray VirtualKeyboard::interfacePath(int number) const {
    return QStringLiteral("virtual:%1:%2/%3").arg(serial).arg(plugCount).arg(number).toLatin1();
}

QList<HidInterfaceInfo> VirtualKeyboard::listInterfaces() const {
    std::lock_guard guard(lock);
    QList<HidInterfaceInfo> result;
    if (!plugged)
        return result;
    for (const Interface& interface : id.interfaces)
        result.append({interfacePath(interface.number), interface.usagePage, interface.usage,
                       interface.number});
    return result;
}

std::optional<VirtualKeyboard::Connection> VirtualKeyboard::connect(const QByteArray& path) const {
    std::lock_guard guard(lock);
    if (!plugged)
        return std::nullopt;
    for (const Interface& interface : id.interfaces) {
        if (interfacePath(interface.number) == path)
            return Connection{interface.number, plugCount};
    }
    return std::nullopt;
}

bool VirtualKeyboard::isAttached(const Connection& connection) const {
    return plugged && connection.plugCount == plugCount;
}

void VirtualKeyboard::pauseForReport() const {
    const int delay = faults().reportDelayMs;
    if (delay > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
}

int VirtualKeyboard::takeFeatureReport(const Connection& connection, const unsigned char* data,
                                       size_t length) {
    pauseForReport();
    {
        std::lock_guard guard(lock);
        if (!isAttached(connection) || connection.interfaceNumber != commandInterface ||
            injected.failFeatureReports || length < size_t(frameLength))
            return -1;
        const QByteArray frame = bytesOf(data, length);
        note(WireReport::Kind::FeatureOut, frame);
        handleFrame(frame);
    }
    changed.notify_all();
    return int(length);
}

int VirtualKeyboard::giveFeatureReport(const Connection& connection, unsigned char* data,
                                       size_t length) {
    int delivered = 0;
    {
        std::lock_guard guard(lock);
        if (!isAttached(connection) || connection.interfaceNumber != commandInterface ||
            injected.failFeatureReports)
            return -1;
        delivered = copyOut(reply, data, length);
        note(WireReport::Kind::FeatureIn, reply);
        const int reports = (payloadToSend.size() + inputReportLength - 1) / inputReportLength;
        const int sent = injected.payloadReportLimit < 0
                             ? reports
                             : std::min(reports, injected.payloadReportLimit);
        for (int n = 0; n < sent; ++n) {
            QByteArray report = payloadToSend.mid(n * inputReportLength, inputReportLength);
            report.resize(inputReportLength, '\0');
            put(inputQueue, WireReport::Kind::Input, report, Clock::now());
        }
        payloadToSend.clear();
    }
    changed.notify_all();
    return delivered;
}

int VirtualKeyboard::takeOutputReport(const Connection& connection, const unsigned char* data,
                                      size_t length) {
    pauseForReport();
    {
        std::lock_guard guard(lock);
        if (!isAttached(connection) || connection.interfaceNumber != commandInterface ||
            length == 0)
            return -1;
        note(WireReport::Kind::Output, bytesOf(data, length));
        if (expected) {
            // Byte 0 is the report id.
            expected->received.append(bytesOf(data + 1, length - 1));
            if (expected->received.size() >= expected->length) {
                storePayload(*expected);
                if (expected->acknowledge)
                    acknowledge();
                expected.reset();
            }
        }
    }
    changed.notify_all();
    return int(length);
}

int VirtualKeyboard::giveInputReport(const Connection& connection, unsigned char* data,
                                     size_t length, int timeoutMs) {
    std::unique_lock guard(lock);
    auto& queue =
        connection.interfaceNumber == notificationInterface ? notificationQueue : inputQueue;
    const auto deadline = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        if (!isAttached(connection))
            return -1;
        const auto now = Clock::now();
        if (!queue.empty() && queue.front().due <= now) {
            const QByteArray report = queue.front().bytes;
            queue.pop_front();
            return copyOut(report, data, length);
        }
        if (timeoutMs >= 0 && now >= deadline)
            return 0;
        auto wake = timeoutMs >= 0 ? deadline : Clock::time_point::max();
        if (!queue.empty())
            wake = std::min(wake, queue.front().due);
        if (wake == Clock::time_point::max())
            changed.wait(guard);
        else
            changed.wait_until(guard, wake);
    }
}

// A new frame ends whatever the previous command left behind.
void VirtualKeyboard::handleFrame(const QByteArray& frame) {
    inputQueue.clear();
    expected.reset();
    payloadToSend.clear();
    reply = frame.left(frameLength);
    reply[frameLength - 1] = 0;

    const auto code = static_cast<unsigned char>(frame[1]);
    const auto index = static_cast<unsigned char>(frame[3]);
    const DeviceCommand* command = findDeviceCommand(code);
    const SettingPlace* place = findSettingPlace(code);
    if (command && !command->isGet()) {
        if (code == recoveryCode)
            settings = VirtualKeyboardState{.firmwareVersion = settings.firmwareVersion};
        else if (place && command->payloadLength > 0)
            expected =
                ExpectedPayload{code, index, command->payloadLength, command->waitsForAck, {}};
        else if (place) {
            const auto bytes = place->bytes(settings, index);
            std::copy_n(frame.constData() + place->firstByte,
                        std::min<size_t>(bytes.size(), frameLength - 1 - place->firstByte),
                        bytes.begin());
        }
        if (command->waitsForAck)
            acknowledge();
    } else if (command && place) {
        const auto bytes = place->bytes(settings, index);
        if (command->payloadLength > 0)
            payloadToSend =
                QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        else
            std::copy_n(bytes.begin(),
                        std::min<size_t>(bytes.size(), frameLength - 1 - place->firstByte),
                        reply.begin() + place->firstByte);
    }
    if (injected.replyCode >= 0)
        reply[1] = char(injected.replyCode);
    reply[frameLength - 1] =
        char(frameChecksum(reinterpret_cast<const unsigned char*>(reply.constData()) + 1));
}

void VirtualKeyboard::storePayload(const ExpectedPayload& payload) {
    const auto bytes = findSettingPlace(payload.code)->bytes(settings, payload.index);
    std::copy_n(payload.received.constData(), std::min<size_t>(bytes.size(), payload.length),
                bytes.begin());
}

void VirtualKeyboard::acknowledge() {
    if (!injected.acknowledge)
        return;
    put(notificationQueue, WireReport::Kind::Notification,
        bytesOf(ackReport.data(), ackReport.size()),
        Clock::now() + std::chrono::milliseconds(injected.ackDelayMs));
}

void VirtualKeyboard::put(std::deque<PendingReport>& queue, WireReport::Kind kind,
                          const QByteArray& bytes, Clock::time_point due) {
    queue.push_back({bytes, due});
    note(kind, bytes);
}

void VirtualKeyboard::note(WireReport::Kind kind, const QByteArray& bytes) {
    wire.append({kind, bytes});
    qCDebug(lcVirtualKeyboard) << wire.last();
}
