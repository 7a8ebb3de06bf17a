// The report transport: acknowledgement waits, the command channel, and a keyboard that answers
// badly or goes away.
#include "device/firmware_version.h"
#include "device/lang_file_valid.h"
#include "message_capture.h"
#include "virtual_link.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// Bounds only a hang: how long a transfer takes depends on the machine's load.
constexpr int hangBoundMs = 60000;

} // namespace

class TestDeviceTransport : public QObject {
    Q_OBJECT

private slots:
    void ackWaitLastsOneOrTwoPeriods_data() {
        QTest::addColumn<VirtualKeyboardFaults>("faults");
        QTest::addColumn<QByteArray>("otherReport");
        QTest::addColumn<int>("expectedMs");
        QTest::addColumn<int>("acks");
        QTest::newRow("acknowledged at once") << VirtualKeyboardFaults{} << QByteArray() << 64 << 1;
        QTest::newRow("never acknowledged")
            << VirtualKeyboardFaults{.acknowledge = false} << QByteArray() << 128 << 0;
        QTest::newRow("acknowledged after the first period")
            << VirtualKeyboardFaults{.ackDelayMs = 90} << QByteArray() << 64 << 1;
        QTest::newRow("another 4-byte report is no acknowledgement")
            << VirtualKeyboardFaults{.acknowledge = false} << hex("04040001") << 128 << 0;
    }

    // The wait lasts at least one period, and two without an acknowledgement; the listener
    // takes what the keyboard acknowledged. How much sooner an acknowledgement ends the wait
    // depends on the machine's load and is left to the device benchmark.
    void ackWaitLastsOneOrTwoPeriods() {
        QFETCH(VirtualKeyboardFaults, faults);
        QFETCH(QByteArray, otherReport);
        QFETCH(int, expectedMs);
        QFETCH(int, acks);
        VirtualLink link;
        link.keyboard->setFaults(faults);
        if (!otherReport.isEmpty()) {
            // Sent while the transfer waits in its first period.
            QTimer::singleShot(10, [&] { link.keyboard->sendNotification(otherReport); });
        }
        QElapsedTimer clock;
        clock.start();
        link.hid.hid_01H_SetReportRate(3);
        if (!otherReport.isEmpty())
            QTest::qWait(20);
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        QVERIFY2(clock.elapsed() >= expectedMs, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(link.backend->acknowledgementsRead(), acks);
        if (!otherReport.isEmpty())
            QVERIFY(link.keyboard->record().contains(
                WireReport{WireReport::Kind::Notification, otherReport}));
    }

    void payloadCommandWaitsBeforeAndAfterThePayload() {
        VirtualLink link;
        QByteArray matrix = pattern(512, 1);
        QElapsedTimer clock;
        clock.start();
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        // Two acknowledgement periods and eight 8 ms pauses at the least, both acknowledged.
        QVERIFY2(clock.elapsed() >= 192, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(link.backend->acknowledgementsRead(), 2);
    }

    void backToBackCommandsRunOneAfterTheOther() {
        VirtualLink link;
        QByteArray first = pattern(512, 1);
        QByteArray second = pattern(512, 2);
        QElapsedTimer clock;
        clock.start();
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(first));
        link.hid.hid_12H_SetUserPicture(1, 0, bytesOf(second));
        // The second call waited for the first transfer to free the channel.
        QVERIFY2(clock.elapsed() >= 190, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));

        const QList<WireReport> wire = link.keyboard->record();
        QCOMPARE(wire.size(), 2 * (1 + 1 + 8 + 1));
        QCOMPARE(wire[0].bytes[1], '\x0D');
        QCOMPARE(wire[10], ackNotification);
        QCOMPARE(wire[11].bytes[1], '\x12');
        QCOMPARE(link.keyboard->state().profiles[0].pictures[1][0], uchar(second[0]));
    }

    void commandGivesUpWhenTheChannelStaysBusy_data() {
        QTest::addColumn<bool>("isGet");
        QTest::addColumn<QString>("message");
        QTest::newRow("set") << false << QStringLiteral("cmd Failed 01");
        QTest::newRow("get") << true << QStringLiteral("cmd Failed");
    }

    void commandGivesUpWhenTheChannelStaysBusy() {
        QFETCH(bool, isGet);
        QFETCH(QString, message);
        VirtualLink link;
        // A keyboard this slow keeps a 512-byte transfer busy for about 2.9 s.
        link.keyboard->setFaults({.reportDelayMs = 300});
        QByteArray matrix = pattern(512, 1);
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));

        MessageCapture messages;
        QElapsedTimer clock;
        clock.start();
        uchar rate = 0x42;
        if (isGet)
            link.hid.hid_81H_GetReportRate(rate);
        else
            link.hid.hid_01H_SetReportRate(3);
        // It gave up after its bound: the first transfer was still running then.
        QVERIFY2(clock.elapsed() >= 2040, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(messages.captured(), QStringList{message});
        QCOMPARE(rate, uchar(0x42));
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        const QList<WireReport> wire = link.keyboard->record();
        QCOMPARE(countFrames(wire, 0x01) + countFrames(wire, 0x81), 0);
        QCOMPARE(wire.size(), 1 + 1 + 8 + 1);
    }

    void invalidLanguageFileKeepsEveryReportFromTheKeyboard() {
        VirtualLink link;
        isLangFileValid = false;
        QByteArray matrix = pattern(512, 1);
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        uchar rate = 0x42;
        link.hid.hid_81H_GetReportRate(rate);
        QString version = QStringLiteral("old");
        link.hid.hid_80H_GetFWVersion(version);
        isLangFileValid = true;

        QVERIFY(link.keyboard->record().isEmpty());
        QVERIFY(link.hid.waitUntilIdle(0));
        QCOMPARE(rate, uchar(0x42));
        QCOMPARE(version, QStringLiteral("unknown"));
        // Traffic resumes with a valid language file.
        link.hid.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x00));
    }

    void withoutKeyboardEveryTransferFailsAndFreesTheChannel() {
        Hid_Thread hid(std::make_shared<VirtualHidBackend>());
        hid.hid_13H_SetRecoveryData();
        QVERIFY(hid.waitUntilIdle(hangBoundMs));
        QString version;
        hid.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QStringLiteral("unknown"));
        QVERIFY(hid.waitUntilIdle(0));
    }

    void fewerPayloadReportsEndTheReadWithinItsBound() {
        VirtualLink link;
        VirtualKeyboardState state;
        std::copy_n(pattern(512, 5).constData(), 512, state.profiles[0].keyMatrix.begin());
        link.keyboard->setState(state);
        link.keyboard->setFaults({.payloadReportLimit = 3});
        QByteArray buffer(512, char(0xEE));

        QElapsedTimer clock;
        clock.start();
        link.hid.hid_8DH_GetKeyMatrix(bytesOf(buffer));

        // The read waited its bound for the fourth report, then gave up.
        QVERIFY2(clock.elapsed() >= 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(buffer.left(192), pattern(512, 5).left(192));
        QCOMPARE(buffer.mid(192), QByteArray(320, char(0xEE)));
        QVERIFY(link.hid.waitUntilIdle(0));
    }

    void failingFeatureReportLeavesResultsAlone() {
        VirtualLink link;
        link.keyboard->setFaults({.failFeatureReports = true});
        uchar r = 1, g = 2, b = 3;
        link.hid.hid_94H_GetColor(0, r, g, b);
        QString version;
        link.hid.hid_80H_GetFWVersion(version);
        link.hid.hid_04H_SetButtonSensitivity(1, 2, 3, 4);
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));

        QCOMPARE((std::array<uchar, 3>{r, g, b}), (std::array<uchar, 3>{1, 2, 3}));
        QCOMPARE(version, QStringLiteral("unknown"));
        QVERIFY(link.keyboard->record().isEmpty());
    }

    void replyWithAnotherCodeIsReadAllTheSame() {
        VirtualLink link;
        VirtualKeyboardState state;
        state.reportRate = 0x07;
        link.keyboard->setState(state);
        link.keyboard->setFaults({.replyCode = 0x55});
        uchar rate = 0;
        link.hid.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x07));
        QCOMPARE(link.keyboard->record().last().bytes[1], '\x55');
    }

    void firmwareVersionText_data() {
        QTest::addColumn<uchar>("major");
        QTest::addColumn<uchar>("minor");
        QTest::addColumn<QString>("text");
        QTest::newRow("1.05") << uchar(0x01) << uchar(0x05) << QStringLiteral(" 1.05");
        QTest::newRow("12.0A") << uchar(0x12) << uchar(0x0A) << QStringLiteral("12.0A");
        QTest::newRow("0.00") << uchar(0x00) << uchar(0x00) << QStringLiteral(" 0.00");
        QTest::newRow("FF.FF") << uchar(0xFF) << uchar(0xFF) << QStringLiteral("FF.FF");
    }

    void firmwareVersionText() {
        QFETCH(uchar, major);
        QFETCH(uchar, minor);
        QFETCH(QString, text);
        VirtualLink link;
        VirtualKeyboardState state;
        state.firmwareVersion = {major, minor};
        link.keyboard->setState(state);
        QString version;
        link.hid.hid_80H_GetFWVersion(version);
        QCOMPARE(version, text);
    }

    void unplugDuringATransferEndsItAndTheListener() {
        VirtualLink link;
        link.keyboard->setFaults({.reportDelayMs = 20});
        MessageCapture messages;
        QByteArray matrix = pattern(512, 1);
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));
        QThread::msleep(120);
        link.keyboard->unplug();

        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        QTRY_VERIFY(link.hid.notificationPath().isEmpty());
        QVERIFY(messages.captured().contains(QStringLiteral("Device removed")));
        const qsizetype seen = link.keyboard->record().size();
        QVERIFY(seen < 1 + 1 + 8 + 1);

        // The next command finds no keyboard, fails at once and frees the channel again.
        link.hid.hid_09H_SetKeyboardMode(1);
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        QVERIFY(link.hid.commandPath().isEmpty());
        QCOMPARE(link.keyboard->record().size(), seen);
        QVERIFY(link.scan().isEmpty());
        QVERIFY(!link.hid.isConnected);

        // Plugged in again, it is found under its new paths.
        link.keyboard->plug();
        QCOMPARE(link.scan().size(), 1);
        QVERIFY(link.hid.isConnected);
        QString version;
        link.hid.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QStringLiteral(" 1.05"));
    }

    void destroyingTheLinkWaitsForItsTransfer() {
        auto link = std::make_unique<VirtualLink>();
        auto keyboard = link->keyboard;
        QByteArray matrix = pattern(512, 1);
        link->hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));
        link.reset();
        QCOMPARE(keyboard->record().size(), 1 + 1 + 8 + 1);
    }
    // What korvanectl reports: the first failure since it last asked, for sets and gets alike.
    void transfersTellHowTheyEnded() {
        VirtualLink link;
        link.hid.hid_01H_SetReportRate(3);
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::Done);

        link.keyboard->setFaults({.failFeatureReports = true});
        uchar rate = 0;
        link.hid.hid_81H_GetReportRate(rate);
        link.keyboard->setFaults({});
        link.hid.hid_81H_GetReportRate(rate);
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::Failed);
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::Done);

        isLangFileValid = false;
        link.hid.hid_81H_GetReportRate(rate);
        isLangFileValid = true;
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::Refused);
    }

    void aDeniedOpenIsToldApartFromAMissingKeyboard() {
        VirtualLink link;
        link.keyboard->clearRecord();
        auto& backend = static_cast<VirtualHidBackend&>(link.hid.hidBackend());
        backend.refuseAccess(true);
        uchar rate = 0;
        link.hid.hid_81H_GetReportRate(rate);
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::PermissionDenied);
        // The failed open forgot the path, as for any failed open.
        link.hid.hid_81H_GetReportRate(rate);
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::NoDevice);
        QVERIFY(link.keyboard->record().isEmpty());

        backend.refuseAccess(false);
        link.keyboard->unplug();
        link.scan();
        link.hid.hid_01H_SetReportRate(1);
        QVERIFY(link.hid.waitUntilIdle(hangBoundMs));
        QCOMPARE(link.hid.takeTransferFailure(), TransferOutcome::NoDevice);
    }
};

QTEST_GUILESS_MAIN(TestDeviceTransport)
#include "test_device_transport.moc"
