// hidapi's own hidraw code against the virtual Z9, through umockdev's fake device nodes.
#include "device/device_access.h"
#include "message_capture.h"
#include "platform/device_transfer_lock.h"
#include "platform/hidapi_backend.h"
#include "platform/instance_guard.h"
#include "umockdev_preload.h"
#include "umockdev_z9.h"
#include "virtual_link.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Runs a program and gives its standard output; empty when it did not run to a clean end.
QByteArray outputOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return process.readAllStandardOutput();
}

// What udev makes of the package's rule for one node: `udevadm test` with the rule in a private
// /run/udev/rules.d (a mount namespace of its own, so the host's udev sees nothing of it). udev
// runs the helper without this process's environment, so the rule names it with the preload
// that shows it the testbed's sysfs. Empty when the namespace cannot be made.
QByteArray udevTest(const QByteArray& syspath) {
    QFile rule(QStringLiteral(KORVANE_SOURCE_DIR "/packaging/70-korvane-z9.rules.in"));
    if (!rule.open(QIODevice::ReadOnly))
        return {};
    const QByteArray helper = "/usr/bin/env LD_PRELOAD=" + qgetenv("LD_PRELOAD") +
                              " UMOCKDEV_DIR=" + qgetenv("UMOCKDEV_DIR") +
                              " ASAN_OPTIONS=verify_asan_link_order=0 " KORVANE_HIDRAW_CHECK;
    QTemporaryDir dir;
    QFile copy(dir.filePath(QStringLiteral("70-korvane-z9.rules")));
    if (!copy.open(QIODevice::WriteOnly) ||
        copy.write(rule.readAll().replace("@KORVANE_HIDRAW_CHECK@", helper)) < 0)
        return {};
    copy.close();
    const QString script = QStringLiteral(
        "mount -t tmpfs korvane-test /run && mkdir -p /run/udev/rules.d && cp \"$1\" "
        "/run/udev/rules.d/ && udevadm test --action=add \"$2\" 2>/dev/null");
    return outputOf(QStringLiteral("unshare"),
                    {QStringLiteral("--mount"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                     QStringLiteral("sh"), copy.fileName(), QString::fromLatin1(syspath)});
}

bool taggedForTheUser(const QByteArray& udevOutput) {
    for (const QByteArray& line : udevOutput.split('\n')) {
        if (line.startsWith("CURRENT_TAGS="))
            return line.contains(":uaccess:");
    }
    return false;
}

} // namespace

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
    // The helper that the udev rule runs, on each of the keyboard's hidraw nodes as sysfs shows
    // them, and the rule itself under udev: only the two vendor interfaces are opened up.
    void theRuleOpensExactlyTheTwoVendorNodes() {
        const QList<UmockdevZ9::HidrawNode> nodes = testbed->hidrawNodes();
        QCOMPARE(nodes.size(), 3);
        const QList<bool> vendor{false, true, true};
        for (int i = 0; i < nodes.size(); ++i) {
            const QByteArray property = outputOf(QStringLiteral(KORVANE_HIDRAW_CHECK),
                                                 {QString::fromLatin1(nodes[i].syspath)});
            QCOMPARE(property,
                     "ID_KORVANE_VENDOR_INTERFACE=" + QByteArray(vendor[i] ? "1" : "0") + "\n");
        }
        QList<QByteArray> udev;
        for (const UmockdevZ9::HidrawNode& node : nodes)
            udev.append(udevTest(node.syspath));
        if (udev.contains(QByteArray()))
            QSKIP("udevadm test needs a mount namespace of its own (root); the helper was run");
        for (int i = 0; i < nodes.size(); ++i) {
            QVERIFY2(udev[i].contains("ID_KORVANE_VENDOR_INTERFACE=" +
                                      QByteArray(vendor[i] ? "1" : "0")),
                     udev[i].constData());
            QCOMPARE(taggedForTheUser(udev[i]), vendor[i]);
        }
    }

    // Discovery, the access check, commands and the listener never open the boot keyboard's
    // node, whose reports are the keys typed: a watch on the node's file in the testbed sees
    // every open, the tool's (redirected there by the preload) included.
    void theBootKeyboardNodeIsNeverOpened() {
        const QByteArray file = testbed->fileOf(testbed->hidrawNodes().first().devnode);
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        QVERIFY(watch >= 0);
        QVERIFY(inotify_add_watch(watch, file.constData(), IN_OPEN) >= 0);

        QCOMPARE(scan().size(), 1);
        DeviceAccess access;
        hid->hid_01H_SetReportRate(2);
        QVERIFY(hid->waitUntilIdle(3000));
        QVERIFY(!access.refusedNewly(*hid, hid->commandPath()));
        QString version;
        hid->hid_80H_GetFWVersion(version);
        QCOMPARE(version, QStringLiteral(" 1.05"));
        QCOMPARE(keyboard->state().reportRate, 2);
        char events[4096];
        QCOMPARE(::read(watch, events, sizeof events), ssize_t(-1));

        // The watch does see an open of the node.
        QFile node(QString::fromLatin1(file));
        QVERIFY(node.open(QIODevice::ReadOnly));
        QVERIFY(::read(watch, events, sizeof events) > 0);
        ::close(watch);
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
