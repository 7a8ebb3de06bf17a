// hidapi's hidraw code reached from the device link's three threads at once, against the
// virtual Z9 behind umockdev's fake device nodes: the listener, a set command's transfer and the
// GUI thread's scans and get commands, just after the keyboard was unplugged. Built under
// ThreadSanitizer as well. (Unplugging in the middle of a payload is left out: umockdev's preload
// library aborts the process when a node goes while a write to it is under way.)
#include "umockdev_preload.h"
#include "umockdev_z9.h"
#include "virtual_link.h"

#include <QTest>

class TestHidrawThreads : public QObject {
    Q_OBJECT

private:
    std::shared_ptr<VirtualKeyboard> keyboard = std::make_shared<VirtualKeyboard>();
    std::unique_ptr<UmockdevZ9> testbed;
    std::unique_ptr<Hid_Thread> hid;

    QList<DevFound> scan() { return scanAndListen(*hid); }

private slots:
    void listenerTransferAndScansMeetAnUnplug() {
        testbed = std::make_unique<UmockdevZ9>(keyboard);
        hid = std::make_unique<Hid_Thread>(); // the hidapi backend
        QByteArray picture = pattern(512, 3);
        for (int round = 0; round < 6; ++round) {
            if (round > 0)
                testbed->plug();
            QCOMPARE(scan().size(), 1);
            // Gone while the listener waits on its node and the link still holds both paths:
            // the transfer's open fails on its pool thread, the listener's on its own, while the
            // GUI thread enumerates and opens for a get command.
            testbed->unplug();
            hid->hid_12H_SetUserPicture(uchar(round), 0, bytesOf(picture));
            for (int pass = 0; pass < 5; ++pass) {
                QString version;
                hid->hid_80H_GetFWVersion(version);
                scan();
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

int main(int argc, char** argv) {
    runUnderUmockdevPreload(argv);
    QCoreApplication app(argc, argv);
    TestHidrawThreads test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_hidraw_threads.moc"
