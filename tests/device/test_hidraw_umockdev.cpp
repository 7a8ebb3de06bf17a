// hidapi's own hidraw code against the virtual Z9, through umockdev's fake device nodes.
#include "message_capture.h"
#include "platform/device_transfer_lock.h"
#include "platform/hidapi_backend.h"
#include "platform/instance_guard.h"
#include "umockdev_preload.h"
#include "umockdev_z9.h"
#include "virtual_link.h"

#include <QTest>

class TestHidrawUmockdev : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<VirtualKeyboard> keyboard;
    std::unique_ptr<UmockdevZ9> testbed;
    std::shared_ptr<CountingBackend<HidapiBackend>> backend;
    std::unique_ptr<Hid_Thread> hid;

    QList<DevFound> scan() { return scanAndListen(*hid); }

private slots:
    void init() {
        keyboard = std::make_shared<VirtualKeyboard>();
        testbed = std::make_unique<UmockdevZ9>(keyboard);
        backend = std::make_shared<CountingBackend<HidapiBackend>>();
        hid = std::make_unique<Hid_Thread>(backend);
    }

    void cleanup() {
        hid.reset();
        backend.reset();
        testbed.reset();
    }

    void discoveryFindsBothInterfacesByTheirUsagePairs() {
        const QList<DevFound> found = scan();
        QCOMPARE(found.size(), 1);
        QVERIFY(hid->isConnected);
        QVERIFY(hid->commandPath().startsWith(QStringLiteral("/dev/hidraw")));
        QVERIFY(hid->notificationPath().startsWith(QStringLiteral("/dev/hidraw")));
        QVERIFY(hid->commandPath() != hid->notificationPath());
    }

    void setCommandWithPayloadIsAcknowledged() {
        scan();
        QByteArray picture = pattern(512, 6);
        hid->hid_12H_SetUserPicture(3, 0, bytesOf(picture));
        QVERIFY(hid->waitUntilIdle(60000));
        // Both acknowledgements came through the notification node.
        QTRY_COMPARE(backend->acknowledgementsRead(), 2);

        const QList<WireReport> wire = keyboard->record();
        QCOMPARE(wire.first(), featureOut("00 12 00 03 08 00 00 00 E2"));
        QCOMPARE(wire.mid(2, 8), outputReports(picture));
        QCOMPARE(keyboard->state().profiles[0].pictures[3][511], uchar(picture[511]));
    }

    void getCommandReadsItsPayload() {
        VirtualKeyboardState state;
        std::copy_n(pattern(192, 4).constData(), 192, state.macros[7].begin());
        keyboard->setState(state);
        scan();
        QByteArray macro(192, '\0');
        hid->hid_91H_GetMacroKey(7, bytesOf(macro));
        QCOMPARE(macro, pattern(192, 4));
        QString version;
        hid->hid_80H_GetFWVersion(version);
        QCOMPARE(version, QStringLiteral(" 1.05"));
    }

    void unplugEndsTheListenerAndTheNextScanFindsNothing() {
        scan();
        MessageCapture messages;
        testbed->unplug();
        QTRY_VERIFY_WITH_TIMEOUT(hid->notificationPath().isEmpty(), 3000);
        QVERIFY(messages.captured().contains(QStringLiteral("Device removed")));
        uchar rate = 0x42;
        hid->hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x42));
        QVERIFY(scan().isEmpty());
        QVERIFY(!hid->isConnected);
    }
    // Another program's transfer on the same keyboard holds its lock: a command waits for it
    // and, when it is held too long, sends nothing and says the keyboard was busy.
    void anotherProgramsLockKeepsTransfersOut() {
        scan();
        keyboard->clearRecord();
        const QString path = hid->commandPath();
        QVERIFY(
            DeviceTransferLock::lockFilePath(path).startsWith(InstanceGuard::privateDirectory()));
        {
            DeviceTransferLock other(path);
            QVERIFY(other.acquire(0));
            DeviceTransferLock second(path);
            QVERIFY(!second.acquire(20));

            uchar rate = 0x42;
            hid->hid_81H_GetReportRate(rate);
            QCOMPARE(rate, uchar(0x42));
            QCOMPARE(hid->takeTransferFailure(), TransferOutcome::Busy);
            QVERIFY(keyboard->record().isEmpty());
        }
        hid->hid_01H_SetReportRate(3);
        QVERIFY(hid->waitUntilIdle(3000));
        QCOMPARE(hid->takeTransferFailure(), TransferOutcome::Done);
        QCOMPARE(keyboard->state().reportRate, 3);
    }
};

int main(int argc, char** argv) {
    runUnderUmockdevPreload(argv);
    QCoreApplication app(argc, argv);
    TestHidrawUmockdev test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidraw_umockdev.moc"
