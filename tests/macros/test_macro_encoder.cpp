#include "macros/key_name_table.h"
#include "macros/macro_encoder.h"

#include <QTest>

namespace {

const QString press = QStringLiteral("    [Down]");
const QString release = QStringLiteral("      [Up]");
const QString delay = QStringLiteral("   [Delay]");

QStringList keystrokes(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << "A" + press << "A" + release;
    return lines;
}

QList<uchar> bytes(std::initializer_list<int> values) {
    QList<uchar> out;
    for (int value : values)
        out.append(uchar(value));
    return out;
}

QList<uchar> repeated(const QList<uchar>& unit, int count) {
    QList<uchar> out;
    for (int i = 0; i < count; ++i)
        out += unit;
    return out;
}

} // namespace

class TestMacroEncoder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { fillKeyNameMap(); }

    void encodesLines_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<uchar>>("expected");
        const QList<uchar> start = bytes({0x00, 0x01});
        const QList<uchar> end = bytes({0x00, 0x00});
        const QList<uchar> empty = start + end;

        QTest::newRow("no lines") << QStringList{} << empty;
        QTest::newRow("A press and release") << QStringList{"A" + press, "A" + release}
                                             << bytes({0, 1, 0x01, 0x04, 0x81, 0x04, 0, 0});
        QTest::newRow("pauses 1000, 65535, 1")
            << QStringList{"1000" + delay, "65535" + delay, "1" + delay}
            << start + bytes({0x7F, 0, 0x03, 0xE8, 0x7F, 0, 0xFF, 0xFF, 0x7F, 0, 0x00, 0x01}) + end;
        QTest::newRow("pause with blanks around")
            << QStringList{" 20 " + delay} << start + bytes({0x7F, 0, 0x00, 0x14}) + end;
        QTest::newRow("pause above 16 bits keeps the low ones")
            << QStringList{"65537" + delay, "65536" + delay}
            << start + bytes({0x7F, 0, 0x00, 0x01, 0x7F, 0, 0x00, 0x00}) + end;
        QTest::newRow("pause of 0") << QStringList{"0" + delay} << empty;
        QTest::newRow("pause of text")
            << QStringList{"abc" + delay, "12ms" + delay, delay} << empty;
        QTest::newRow("negative pause") << QStringList{"-5" + delay} << empty;
        QTest::newRow("10-character line") << QStringList{"A   [Down]"} << empty;
        QTest::newRow("bare command") << QStringList{press, release} << empty;
        QTest::newRow("KP 7 with its blank")
            << QStringList{"KP 7 " + press} << start + bytes({0x01, 0x5F}) + end;
        QTest::newRow("KP 7 without its blank") << QStringList{"KP 7" + press} << empty;
        QTest::newRow("right arrow")
            << QStringList{"►" + press} << start + bytes({0x01, 0x4F}) + end;
        QTest::newRow("commands are case-sensitive")
            << QStringList{"A    [down]", "a" + press, "A     [UP]"} << empty;
        QTest::newRow("unknown lines are skipped, the others kept")
            << QStringList{"Nope" + press, "Esc" + press, "", "0", "Esc" + release}
            << start + bytes({0x01, 0x29, 0x81, 0x29}) + end;
        QTest::newRow("47 keystrokes fill the block exactly")
            << keystrokes(47) << start + repeated(bytes({0x01, 0x04, 0x81, 0x04}), 47) + end;
        QTest::newRow("48 keystrokes are not cut here")
            << keystrokes(48) << start + repeated(bytes({0x01, 0x04, 0x81, 0x04}), 48) + end;
    }

    void encodesLines() {
        QFETCH(QStringList, lines);
        QFETCH(QList<uchar>, expected);
        QCOMPARE(encodeMacroLines(lines), expected);
    }

    void fitsTheDeviceBlock_data() {
        QTest::addColumn<QList<uchar>>("encoded");
        QTest::addColumn<QList<uchar>>("expectedBlock");
        QTest::newRow("empty macro is zero-filled")
            << bytes({0, 1, 0, 0}) << bytes({0, 1, 0, 0}) + QList<uchar>(188, 0);
        const QList<uchar> full = encodeMacroLines(keystrokes(47));
        QTest::newRow("exactly 192 bytes") << full << full;
        const QList<uchar> over = encodeMacroLines(keystrokes(48));
        QTest::newRow("48 keystrokes end on the 48th press")
            << over
            << bytes({0x00, 0x01}) + repeated(bytes({1, 4, 0x81, 4}), 47) + bytes({0x01, 0x04});
    }

    void fitsTheDeviceBlock() {
        QFETCH(QList<uchar>, encoded);
        QFETCH(QList<uchar>, expectedBlock);
        const MacroBlock block = fitMacroBlock(encoded);
        QCOMPARE(QList<uchar>(block.begin(), block.end()), expectedBlock);
    }
};

QTEST_APPLESS_MAIN(TestMacroEncoder)
#include "test_macro_encoder.moc"
