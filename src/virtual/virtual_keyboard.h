#pragma once

#include "platform/hid_backend.h"
#include "virtual/virtual_keyboard_state.h"
#include "virtual/wire_report.h"

#include <QByteArray>
#include <QList>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

// Faults that the virtual keyboard injects on request. The defaults make a well-behaved keyboard.
struct VirtualKeyboardFaults {
    // false: the keyboard never acknowledges.
    bool acknowledge = true;
    // Acknowledgements reach the notification interface this late.
    int ackDelayMs = 0;
    // A get command's payload stops after this many input reports (-1: all of them).
    int payloadReportLimit = -1;
    // Every feature report, sent or fetched, fails.
    bool failFeatureReports = false;
    // Feature replies carry this code instead of the request's (-1: the request's).
    int replyCode = -1;
    // The keyboard takes this long to accept each feature or output report.
    int reportDelayMs = 0;
};

// A Z9 keyboard as seen from its side of the wire, for trying and testing the tool without the
// hardware. It keeps the state that the set commands write, answers the get commands with a
// feature reply and the payload as 64-byte input reports, and puts the acknowledgement
// 04 04 00 00 on its notification interface after the frame and after the payload of commands
// that wait for it. Every report it receives or sends is recorded in order, and logged in hex on
// the logging category "korvane.virtualkeyboard" (debug level, off by default:
// QT_LOGGING_RULES="korvane.virtualkeyboard.debug=true").
//
//     auto keyboard = std::make_shared<VirtualKeyboard>();             // plugged in, firmware 1.05
//     Hid_Thread hid(std::make_shared<VirtualHidBackend>(keyboard));   // or Widget(nullptr, ...)
//     keyboard->unplug(); keyboard->plug();                            // new interface paths
//     keyboard->setFaults({.acknowledge = false});
//     QList<WireReport> wire = keyboard->record();
//
// All operations are thread-safe.
class VirtualKeyboard {
public:
    struct Interface {
        unsigned short usagePage = 0;
        unsigned short usage = 0;
        int number = 0;
    };
    // What enumeration shows of the keyboard. The command interface is the one numbered 1, the
    // notification interface the one numbered 2.
    struct Identity {
        unsigned short vendorId = 0x04D9;
        unsigned short productId = 0x5E01;
        QList<Interface> interfaces{{0x0001, 0x0006, 0}, {0xFF01, 0x0001, 1}, {0xFF02, 0x0001, 2}};
    };
    static constexpr int commandInterface = 1;
    static constexpr int notificationInterface = 2;

    // A Z9, plugged in, in its factory state.
    VirtualKeyboard();
    explicit VirtualKeyboard(Identity identity);

    const Identity& identity() const { return id; }

    // Unplugging fails every open handle and empties the queues; plugging in again gives the
    // interfaces new paths, as the system does.
    void plug();
    void unplug();
    bool isPlugged() const;

    VirtualKeyboardState state() const;
    void setState(const VirtualKeyboardState& newState);

    VirtualKeyboardFaults faults() const;
    void setFaults(const VirtualKeyboardFaults& newFaults);

    // Every report in wire order since construction or the last clearRecord().
    QList<WireReport> record() const;
    void clearRecord();
    // Waits until the record holds at least `count` reports; false when the time ran out.
    bool waitForRecord(int count, int timeoutMs) const;

    // Puts any 4-byte report on the notification interface, as the keyboard would send it.
    void sendNotification(const QByteArray& report);

    // The wire, as the virtual HID backend uses it. Results follow hidapi: below zero a failure,
    // otherwise the number of bytes; reading gives 0 when the time-out passes (-1 waits for ever).
    struct Connection {
        int interfaceNumber = -1;
        quint64 plugCount = 0;
    };
    QList<HidInterfaceInfo> listInterfaces() const;
    std::optional<Connection> connect(const QByteArray& path) const;
    int takeFeatureReport(const Connection& connection, const unsigned char* data, size_t length);
    int giveFeatureReport(const Connection& connection, unsigned char* data, size_t length);
    int takeOutputReport(const Connection& connection, const unsigned char* data, size_t length);
    int giveInputReport(const Connection& connection, unsigned char* data, size_t length,
                        int timeoutMs);

private:
    using Clock = std::chrono::steady_clock;
    struct PendingReport {
        QByteArray bytes;
        Clock::time_point due;
    };
    struct ExpectedPayload {
        unsigned char code = 0;
        unsigned char index = 0;
        int length = 0;
        bool acknowledge = false;
        QByteArray received;
    };

    bool isAttached(const Connection& connection) const;
    void pauseForReport() const;
    void handleFrame(const QByteArray& frame);
    void storePayload(const ExpectedPayload& payload);
    void acknowledge();
    void put(std::deque<PendingReport>& queue, WireReport::Kind kind, const QByteArray& bytes,
             Clock::time_point due);
    void note(WireReport::Kind kind, const QByteArray& bytes);
    QByteArray interfacePath(int number) const;

    const Identity id;
    const int serial;
    mutable std::mutex lock;
    mutable std::condition_variable changed;
    bool plugged = true;
    quint64 plugCount = 1;
    VirtualKeyboardState settings;
    VirtualKeyboardFaults injected;
    QList<WireReport> wire;
    QByteArray reply;
    QByteArray payloadToSend;
    std::optional<ExpectedPayload> expected;
    std::deque<PendingReport> inputQueue;
    std::deque<PendingReport> notificationQueue;
};
