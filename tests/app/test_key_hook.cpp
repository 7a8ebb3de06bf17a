// The hook procedure with its two key tables and its two corrections, fed with event records as
// the listeners build them.
#include "key_report_recorder.h"
#include "keys/key_hook.h"

#include "../device/message_capture.h"

#include <QRegularExpression>
#include <QTest>

#include <memory>

namespace {

// Table A with the usage that table B gives each of its keys: scan code, "e" for the extended
// flag or "-", usage id.
const char* const scanCodeTable = R"(
01 - 29  02 - 1E  03 - 1F  04 - 20  05 - 21  06 - 22  07 - 23
08 - 24  09 - 25  0A - 26  0B - 27  0C - 2D  0D - 2E  0E - 2A
0F - 2B  10 - 14  11 - 1A  12 - 08  13 - 15  14 - 17  15 - 1C
16 - 18  17 - 0C  18 - 12  19 - 13  1A - 2F  1B - 30  1C - 28
1C e 58  1D - E0  1D e E4  1E - 04  1F - 16  20 - 07  21 - 09
22 - 0A  23 - 0B  24 - 0D  25 - 0E  26 - 0F  27 - 33  28 - 34
29 - 35  2A - E1  2B - 31  2C - 1D  2D - 1B  2E - 06  2F - 19
30 - 05  31 - 11  32 - 10  33 - 36  34 - 37  35 - 38  35 e 54
36 e E5  37 - 55  37 e 46  38 - E2  38 e E6  39 - 2C  3A - 39
3B - 3A  3C - 3B  3D - 3C  3E - 3D  3F - 3E  40 - 3F  41 - 40
42 - 41  43 - 42  44 - 43  45 - 48  45 e 53  46 - 47  47 - 5F
47 e 4A  48 - 60  48 e 52  49 - 61  49 e 4B  4A - 56  4B - 5C
4B e 50  4C - 5D  4D - 5E  4D e 4F  4E - 57  4F - 59  4F e 4D
50 - 5A  50 e 51  51 - 5B  51 e 4E  52 - 62  52 e 49  53 - 63
53 e 4C  56 - 64  57 - 44  58 - 45  5B e E3  5D e 65  6E - 72
)";

// The virtual keys that only table B knows, with their usage ids.
const char* const extraVirtualKeyTable =
    "5C E7  7C 68  7D 69  7E 6A  7F 6B  80 6C  81 6D  82 6E  83 6F  84 70  85 71  87 73  C1 87 "
    "C2 85  EB 8B  FF 66";

using Report = KeyReportRecorder::Report;

// The one report of a key going down or up; no report at all for usage 0.
QList<Report> reported(bool isDown, int usage) {
    return usage ? QList<Report>{{isDown, usage}} : QList<Report>{};
}

uint hex(const QString& text) {
    return text.toUInt(nullptr, 16);
}

} // namespace

class TestKeyHook : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingTool> tool;

    QList<Report> feed(int code, uint message, quint32 scanCode, quint32 flags) {
        tool->recorder.clear();
        const KeyEventRecord record{scanCode, flags};
        keyboardHookProc(code, message, &record);
        return tool->recorder.reports();
    }

private slots:
    void initTestCase() { tool = std::make_unique<RecordingTool>(); }
    void cleanupTestCase() { tool.reset(); }

    void tablesHoldEveryKey() {
        QCOMPARE(scanToVk.size(), 105);
        QCOMPARE(vkToUsage.size(), 121);
    }

    void everyKeyOfTableAIsReportedByItsUsage_data() {
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("usage");
        const QStringList words = QString::fromLatin1(scanCodeTable)
                                      .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 105 * 3);
        for (qsizetype i = 0; i < words.size(); i += 3) {
            const uint flags = words[i + 1] == QLatin1String("e") ? KeyHookCodes::extendedFlag : 0;
            QTest::addRow("%s %s", qPrintable(words[i]), qPrintable(words[i + 1]))
                << hex(words[i]) << flags << int(hex(words[i + 2]));
        }
    }

    void everyKeyOfTableAIsReportedByItsUsage() {
        QFETCH(uint, scanCode);
        QFETCH(uint, flags);
        QFETCH(int, usage);
        QCOMPARE(feed(0, KeyHookCodes::wmKeyDown, scanCode, flags), reported(true, usage));
        QCOMPARE(feed(0, KeyHookCodes::wmKeyUp, scanCode, flags), reported(false, usage));
    }

    void tableBKnowsTheKeysThatTableANeverGives() {
        const QStringList words = QString::fromLatin1(extraVirtualKeyTable)
                                      .split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
        QCOMPARE(words.size(), 16 * 2);
        for (qsizetype i = 0; i < words.size(); i += 2) {
            QCOMPARE(int(vkToUsage.value(uchar(hex(words[i])), 0)), int(hex(words[i + 1])));
            QVERIFY(!scanToVk.values().contains(uchar(hex(words[i]))));
        }
    }

    void correctionsAndKeysOutsideTheTables_data() {
        QTest::addColumn<uint>("scanCode");
        QTest::addColumn<uint>("flags");
        QTest::addColumn<int>("usage"); // 0: nothing is reported
        const uint extended = KeyHookCodes::extendedFlag;
        const uint alt = KeyHookCodes::altDownFlag;
        QTest::newRow("Control + Pause is Pause") << 0x46u << extended << 0x48;
        QTest::newRow("Scroll Lock") << 0x46u << 0u << 0x47;
        QTest::newRow("Alt + Print Screen is Print Screen") << 0x54u << alt << 0x46;
        QTest::newRow("0x54 without Alt") << 0x54u << 0u << 0;
        QTest::newRow("Print Screen with Alt flag") << 0x37u << (extended | alt) << 0x46;
        QTest::newRow("scan code above 0xFF reads as 0") << 0x11Eu << 0u << 0;
        QTest::newRow("Right Shift without the flag") << 0x36u << 0u << 0;
        QTest::newRow("Right GUI") << 0x5Cu << extended << 0;
        QTest::newRow("F13") << 0x64u << 0u << 0;
        QTest::newRow("A with other flag bits") << 0x1Eu << 0x90u << 0x04;
    }

    void correctionsAndKeysOutsideTheTables() {
        QFETCH(uint, scanCode);
        QFETCH(uint, flags);
        QFETCH(int, usage);
        QCOMPARE(feed(0, KeyHookCodes::wmSysKeyDown, scanCode, flags), reported(true, usage));
        QCOMPARE(feed(0, KeyHookCodes::wmSysKeyDown | 1, scanCode, flags), reported(false, usage));
    }

    void onlyKeyDownMessagesWithActionCodeArePresses_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<uint>("message");
        QTest::addColumn<bool>("isDown");
        QTest::newRow("key down") << 0 << 0x0100u << true;
        QTest::newRow("system key down") << 0 << 0x0104u << true;
        QTest::newRow("key up") << 0 << 0x0101u << false;
        QTest::newRow("character message") << 0 << 0x0102u << false;
        QTest::newRow("key down, other code") << 3 << 0x0100u << false;
    }

    void onlyKeyDownMessagesWithActionCodeArePresses() {
        QFETCH(int, code);
        QFETCH(uint, message);
        QFETCH(bool, isDown);
        // Z goes down first, so that a release is reported too.
        feed(0, KeyHookCodes::wmKeyDown, 0x2C, 0);
        QCOMPARE(feed(code, message, 0x2C, 0), reported(false, isDown ? 0 : 0x1D));
        feed(0, KeyHookCodes::wmKeyUp, 0x2C, 0);
    }

    void repeatsAndUnseenReleasesAreNotReported() {
        QCOMPARE(feed(0, KeyHookCodes::wmKeyUp, 0x1E, 0), reported(false, 0));
        QCOMPARE(feed(0, KeyHookCodes::wmKeyDown, 0x1E, 0), reported(true, 0x04));
        for (int repeat = 0; repeat < 5; ++repeat)
            QCOMPARE(feed(0, KeyHookCodes::wmKeyDown, 0x1E, 0), reported(false, 0));
        QCOMPARE(feed(0, KeyHookCodes::wmKeyUp, 0x1E, 0), reported(false, 0x04));
        QCOMPARE(feed(0, KeyHookCodes::wmKeyUp, 0x1E, 0), reported(false, 0));
    }

    void withoutAnyKeySourceInstallingFailsAndTheToolRunsOn() {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        MessageCapture messages;
        QVERIFY(!tool->widget->installHOOK());
        qputenv("DISPLAY", display);
        QVERIFY(messages.captured().contains(QStringLiteral("installHOOK() FAIL")));
        QVERIFY(!hookHandle);
        QCOMPARE(feed(0, KeyHookCodes::wmKeyDown, 0x1E, 0), reported(true, 0x04));
        feed(0, KeyHookCodes::wmKeyUp, 0x1E, 0);
    }
};

QTEST_MAIN(TestKeyHook)
#include "test_key_hook.moc"
