// hidapi's hidraw code reached from the device link's three threads at once, against the
// virtual Z9 behind umockdev's fake device nodes: the listener, a set command's transfer and the
// GUI thread's scans and get commands, while the keyboard is unplugged. Built under
// ThreadSanitizer as well.
#include "umockdev_z9.h"
#include "virtual_link.h"

#include <QTest>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

class TestHidrawThreads : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<VirtualKeyboard> keyboard = std::make_shared<VirtualKeyboard>();
    std::unique_ptr<UmockdevZ9> testbed;
    std::unique_ptr<Hid_Thread> hid;

    QList<DevFound> scan() {
        QList<DevInfo> table = readDeviceTable(deviceTableFile);
        QList<DevFound> found = findDevices(hid.get(), table);
        hid->startListen();
        return found;
    }

private slots:
    void listenerTransferAndScansMeetAnUnplug() {
        testbed = std::make_unique<UmockdevZ9>(keyboard);
        hid = std::make_unique<Hid_Thread>(); // the hidapi backend
        QByteArray picture = pattern(512, 3);
        for (int round = 0; round < 4; ++round) {
            if (round > 0)
                testbed->plug();
            QCOMPARE(scan().size(), 1);
            // The transfer opens, writes and closes on its pool thread while the listener opens
            // and closes the notification node on its own and the GUI thread enumerates.
            hid->hid_12H_SetUserPicture(uchar(round), 0, bytesOf(picture));
            scan();
            testbed->unplug();
            for (int pass = 0; pass < 5; ++pass) {
                scan();
                QString version;
                hid->hid_80H_GetFWVersion(version);
            }
            QVERIFY(hid->waitUntilIdle(3000));
            QTRY_VERIFY_WITH_TIMEOUT(hid->notificationPath().isEmpty(), 3000);
            QVERIFY(scan().isEmpty());
            QVERIFY(!hid->isConnected);
        }
        hid.reset();
        testbed.reset();
    }
};

// The fake device nodes need umockdev's preload library in this very process: start again
// with it when it is missing.
int main(int argc, char** argv) {
    if (!qgetenv("LD_PRELOAD").contains("libumockdev-preload")) {
        setenv("LD_PRELOAD", "libumockdev-preload.so.0", 1);
        const QByteArray asan = qgetenv("ASAN_OPTIONS");
        setenv("ASAN_OPTIONS", (asan + ":verify_asan_link_order=0").constData(), 1);
        execv("/proc/self/exe", argv);
        return 1;
    }
    // Removing a node hangs up its terminal, which would end a session leader.
    std::signal(SIGHUP, SIG_IGN);
    QCoreApplication app(argc, argv);
    TestHidrawThreads test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidraw_threads.moc"
