#include "device/hid_thread.h"

#include "device/lang_file_valid.h"
#include "device/link_timing.h"
#include "platform/device_transfer_lock.h"
#include "platform/hidapi_backend.h"

#include <QDebug>
#include <QtConcurrent/QtConcurrent>

#include <algorithm>
#include <chrono>
#include <optional>

Hid_Thread::Hid_Thread(std::shared_ptr<HidBackend> hidBackend)
    : backend(hidBackend ? std::move(hidBackend) : std::make_shared<HidapiBackend>()) {
    listenPool.setMaxThreadCount(1);
    transferPool.setMaxThreadCount(1);
}

Hid_Thread::~Hid_Thread() {
    // Nothing may still be using the interfaces or the buffers when they go.
    stopListen();
    waitForTransfers();
}

void Hid_Thread::setDevicePaths(const QString& path, const QString& path2) {
    std::lock_guard lock(pathLock);
    devPath = path;
    devPath2 = path2;
}

QString Hid_Thread::commandPath() const {
    std::lock_guard lock(pathLock);
    return devPath;
}

QString Hid_Thread::notificationPath() const {
    std::lock_guard lock(pathLock);
    return devPath2;
}

HidHandle* Hid_Thread::openInterface(QString& path, HidHandle*& handle, HidOpenError* error) {
    QString tried;
    {
        std::lock_guard lock(pathLock);
        // A copy with data of its own: shared text data is released inside the toolkit's library,
        // where ThreadSanitizer cannot see the atomic count that orders a scan's release of the
        // old path after this thread's.
        tried = QString(path.constData(), path.size());
    }
    if (tried.isEmpty())
        return nullptr;
    if (handle)
        return handle;
    HidOpenError failure = HidOpenError::None;
    handle = backend->open(tried.toLocal8Bit(), failure);
    if (error)
        *error = failure;
    if (!handle) {
        // A scan may have found the device anew meanwhile; its path stays.
        std::lock_guard lock(pathLock);
        if (path == tried)
            path.clear();
        return nullptr;
    }
    backend->setNonblocking(handle, 0);
    return handle;
}

void Hid_Thread::closeInterface(HidHandle*& handle) {
    if (!handle)
        return;
    backend->close(handle);
    handle = nullptr;
}

HidHandle* Hid_Thread::openDevice() {
    return openInterface(devPath, devHandle);
}

void Hid_Thread::closeDevice() {
    closeInterface(devHandle);
}

HidHandle* Hid_Thread::openDevice2() {
    return openInterface(devPath2, devHandle2);
}

void Hid_Thread::closeDevice2() {
    closeInterface(devHandle2);
}

uchar Hid_Thread::hidCS(uchar* cmd) {
    return frameChecksum(cmd);
}

// Waiting on a condition rather than polling claims the channel the moment the previous transfer
// frees it; the bound stays that of 256 polls 8 ms apart.
bool Hid_Thread::waitIdle() {
    std::unique_lock lock(idleLock);
    if (!idleChanged.wait_for(
            lock, std::chrono::milliseconds(LinkTiming::channelPolls * LinkTiming::channelPollMs),
            [this] { return isIdle.load(std::memory_order_acquire); }))
        return false;
    isIdle.store(false, std::memory_order_relaxed);
    return true;
}

bool Hid_Thread::waitUntilIdle(int milliseconds) {
    std::unique_lock lock(idleLock);
    return idleChanged.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                [this] { return isIdle.load(std::memory_order_acquire); });
}

void Hid_Thread::releaseChannel() {
    std::lock_guard lock(idleLock);
    isIdle.store(true, std::memory_order_release);
    idleChanged.notify_all();
}

// Every transfer frees the channel as its last access to this object, and nothing claims it
// while the owner shuts down.
void Hid_Thread::waitForTransfers() {
    std::unique_lock lock(idleLock);
    idleChanged.wait(lock, [this] { return isIdle.load(std::memory_order_acquire); });
}

void Hid_Thread::runPendingTransfer() {
    Transfer transfer;
    {
        std::lock_guard lock(idleLock);
        transfer = pendingTransfer;
    }
    hid_Write(transfer.len, transfer.isWaitAck);
}

TransferOutcome Hid_Thread::takeTransferFailure() {
    return transferFailure.exchange(TransferOutcome::Done);
}

void Hid_Thread::noteOutcome(TransferOutcome outcome) {
    TransferOutcome none = TransferOutcome::Done;
    if (outcome != TransferOutcome::Done)
        transferFailure.compare_exchange_strong(none, outcome);
}

bool Hid_Thread::hid_Write(int len, bool isWaitAck) {
    const TransferOutcome outcome =
        transfer([&](HidHandle* handle) { return writeReports(handle, len, isWaitAck); });
    releaseChannel();
    return outcome == TransferOutcome::Done;
}

bool Hid_Thread::hid_Read(int len) {
    const TransferOutcome outcome =
        transfer([&](HidHandle* handle) { return readReports(handle, len); });
    releaseChannel();
    return outcome == TransferOutcome::Done;
}

TransferOutcome Hid_Thread::transfer(const Exchange& exchange) {
    TransferOutcome outcome = TransferOutcome::Refused;
    if (isLangFileValid.load()) {
        const QString path = commandPath();
        outcome = path.isEmpty() ? TransferOutcome::NoDevice : lockedTransfer(path, exchange);
    }
    noteOutcome(outcome);
    return outcome;
}

// Other programs of the user may talk to the same keyboard: the interface is opened, used and
// closed under the keyboard's lock.
TransferOutcome Hid_Thread::lockedTransfer(const QString& path, const Exchange& exchange) {
    std::optional<DeviceTransferLock> lock;
    if (DeviceTransferLock::isShareable(path) &&
        !lock.emplace(path).acquire(LinkTiming::transferLockMs))
        return TransferOutcome::Busy;
    HidOpenError error = HidOpenError::None;
    HidHandle* handle = openInterface(devPath, devHandle, &error);
    commandAccessRefused.store(error == HidOpenError::PermissionDenied);
    if (!handle)
        return error == HidOpenError::PermissionDenied ? TransferOutcome::PermissionDenied
                                                       : TransferOutcome::NoDevice;
    const bool exchanged = exchange(handle);
    closeDevice();
    return exchanged ? TransferOutcome::Done : TransferOutcome::Failed;
}

// The acknowledgement flag is cleared before the report that the keyboard acknowledges goes
// out, so that an acknowledgement arriving at once is not missed.
bool Hid_Thread::writeReports(HidHandle* handle, int len, bool isWaitAck) {
    if (isWaitAck)
        isAcked.store(false);
    if (backend->sendFeatureReport(handle, cmdBuf.data(), cmdBuf.size()) < 0)
        return false;
    if (isWaitAck)
        waitAck();
    if (len == 0)
        return true;

    const int piece = std::min(len, payloadPieceLength);
    std::array<uchar, payloadPieceLength + 1> report{};
    if (isWaitAck)
        isAcked.store(false);
    for (int offset = 0; offset < len; offset += piece) {
        report[0] = 0x00;
        std::copy_n(dataBuf.begin() + offset, piece, report.begin() + 1);
        if (backend->write(handle, report.data(), piece + 1) < 0)
            return false;
        QThread::msleep(LinkTiming::reportPauseMs);
    }
    if (isWaitAck)
        waitAck();
    return true;
}

bool Hid_Thread::readReports(HidHandle* handle, int len) {
    if (backend->sendFeatureReport(handle, cmdBuf.data(), cmdBuf.size()) < 0 ||
        backend->getFeatureReport(handle, rspBuf.data(), rspBuf.size()) < 0)
        return false;

    const int piece = std::min(len, payloadPieceLength);
    std::array<uchar, payloadPieceLength + 1> report{};
    for (int offset = 0; offset < len; offset += piece) {
        // A keyboard that sends fewer reports than asked fails the exchange instead of hanging.
        const int delivered =
            backend->readTimeout(handle, report.data(), piece + 1, LinkTiming::payloadReportMs);
        if (delivered <= 0)
            return false;
        std::copy_n(report.begin(), std::min(delivered, piece), dataBuf.begin() + offset);
    }
    return true;
}

void Hid_Thread::waitAck() {
    QThread::msleep(LinkTiming::ackPeriodMs);
    if (isAcked.load())
        return;
    isAcked.store(true);
    QThread::msleep(LinkTiming::ackPeriodMs);
}

void Hid_Thread::listenDevice() {
    if (notificationPath().isEmpty()) {
        isListening.store(false);
        return;
    }
    while (isListening.load()) {
        HidHandle* handle = openDevice2();
        if (!handle) {
            // The failed open has cleared the notification path.
            qDebug("Device removed");
            isListening.store(false);
            return;
        }
        std::array<uchar, ackReport.size()> report{};
        const int delivered =
            backend->readTimeout(handle, report.data(), report.size(), LinkTiming::listenReadMs);
        if (delivered == int(report.size()) && report == ackReport)
            isAcked.store(true);
        closeDevice2();
    }
}

void Hid_Thread::startListen() {
    if (isListening.load())
        return;
    isListening.store(true);
    listenFuture = QtConcurrent::run(&listenPool, &Hid_Thread::listenDevice, this);
}

void Hid_Thread::stopListen() {
    // Also waits for a listener that has just ended by itself.
    isListening.store(false);
    listenFuture.waitForFinished();
}

Hid_Thread::Frame Hid_Thread::buildFrame(const DeviceCommand& command,
                                         std::initializer_list<uchar> arguments) {
    Frame frame{};
    frame[1] = command.code;
    for (size_t i = 0; i < command.parameters.size(); ++i) {
        const FrameByte& byte = command.parameters[i];
        Q_ASSERT(byte.source == FrameByte::Source::Constant || byte.value < arguments.size());
        frame[2 + i] =
            byte.source == FrameByte::Source::Argument ? arguments.begin()[byte.value] : byte.value;
    }
    frame[8] = command.checksum == DeviceCommand::Checksum::Complement ? hidCS(&frame[1]) : 0x00;
    return frame;
}

void Hid_Thread::startSetCommand(const DeviceCommand& command,
                                 std::initializer_list<uchar> arguments, const uchar* payload) {
    if (!waitIdle()) {
        qDebug("%s", command.failureMessage);
        noteOutcome(TransferOutcome::Busy);
        return;
    }
    cmdBuf = buildFrame(command, arguments);
    if (payload)
        std::copy_n(payload, command.payloadLength, dataBuf.begin());
    {
        // Handing the transfer over under the lock also hands over the buffers filled above.
        std::lock_guard lock(idleLock);
        pendingTransfer = {command.payloadLength, command.waitsForAck};
    }
    // Fire and forget: the transfer frees the channel when it ends, and nothing reads its result.
    transferPool.start([this] { runPendingTransfer(); });
}

// Results keep their values when the exchange fails: the reply buffer is preset with them.
Hid_Thread::GetResult Hid_Thread::runGetCommand(const DeviceCommand& command,
                                                std::initializer_list<uchar> arguments,
                                                std::initializer_list<uchar*> results,
                                                uchar* payload) {
    if (!waitIdle()) {
        qDebug("%s", command.failureMessage);
        noteOutcome(TransferOutcome::Busy);
        return GetResult::NotClaimed;
    }
    cmdBuf = buildFrame(command, arguments);
    rspBuf = cmdBuf;
    rspBuf[8] = 0x00;
    int position = command.firstResultByte;
    for (const uchar* result : results)
        rspBuf[position++] = *result;
    if (payload)
        std::copy_n(payload, command.payloadLength, dataBuf.begin());

    const bool received = hid_Read(command.payloadLength);

    position = command.firstResultByte;
    for (uchar* result : results)
        *result = rspBuf[position++];
    if (payload)
        std::copy_n(dataBuf.begin(), command.payloadLength, payload);
    return received ? GetResult::Done : GetResult::Failed;
}
