#include "macros/key_name_table.h"

#include <QSet>
#include <QTest>

namespace {

// The table as the keyboard's usage ids lay it out: runs of letters, digits and function keys,
// and the named keys one by one.
QList<KeyNameEntry> expectedEntries() {
    QList<KeyNameEntry> entries;
    const auto run = [&entries](uchar firstId, const QStringList& names) {
        for (qsizetype i = 0; i < names.size(); ++i)
            entries.append({names[i], uchar(firstId + i)});
    };
    const auto functionKeys = [](int first, int last) {
        QStringList names;
        for (int n = first; n <= last; ++n)
            names.append(QStringLiteral("F%1").arg(n));
        return names;
    };
    QStringList letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        letters.append(QString(QLatin1Char(letter)));
    run(0x04, letters);
    run(0x1E, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"});
    run(0x28, {"Enter", "Esc", "Back", "Tab", "Space", "- _", "= +", "[ {", "] }"});
    run(0x32, {"\\ |", "; :", "' \"", "` ~", ", <", ". >", "/ ?", "Caps"});
    run(0x3A, functionKeys(1, 12));
    run(0x46, {"Prt", "Scr", "Pau", "Ins", "Hom", "PgU", "Del", "End", "PgD"});
    run(0x4F, {"►", "◄", "▼", "▲"});
    run(0x53, {"Num",  "KP /", "KP *", "KP -",  "KP +", "KP Enter", "KP 1",
               "KP 2", "KP 3", "KP 4", "KP 5",  "KP 6", "KP 7 ",    "KP 8",
               "KP 9", "KP 0", "KP .", "Eur 2", "App",  "Power",    "KP ="});
    run(0x68, functionKeys(13, 24));
    run(0x85, {"Keypad"});
    run(0x87, {"Int'l 1", "Intl'2", "Int'l 2", "Int'l 4", "Int'l 5"});
    run(0x90, {"Lang 1", "Lang 2"});
    run(0xE0, {"L Ctrl", "L Shift", "L Alt", "L GUI", "R Ctrl", "R Shift", "R Alt", "R GUI"});
    return entries;
}

QString describe(const KeyNameEntry& entry) {
    return QStringLiteral("\"%1\" = 0x%2").arg(entry.name).arg(entry.id, 2, 16, QLatin1Char('0'));
}

} // namespace

class TestKeyNameTable : public QObject {
    Q_OBJECT

private slots:
    void init() { fillKeyNameMap(); }

    void entriesAreTheKeyboardLayoutInRisingIdOrder() {
        const QList<KeyNameEntry>& actual = keyNameEntries();
        const QList<KeyNameEntry> expected = expectedEntries();
        QCOMPARE(actual.size(), 127);
        QCOMPARE(expected.size(), 127);
        for (qsizetype i = 0; i < expected.size(); ++i)
            QCOMPARE(describe(actual[i]), describe(expected[i]));
    }

    void namesAndIdsAreUniqueAndNoKeyTakesZeroOr0x31() {
        QSet<QString> names;
        QSet<uchar> ids;
        for (const KeyNameEntry& entry : keyNameEntries()) {
            names.insert(entry.name);
            ids.insert(entry.id);
        }
        QCOMPARE(names.size(), 127);
        QCOMPARE(ids.size(), 127);
        QVERIFY(!ids.contains(0x00));
        QVERIFY(!ids.contains(0x31));
    }

    void everyNameLooksUpItsId() {
        QCOMPARE(keyNameMap.size(), 127);
        for (const KeyNameEntry& entry : keyNameEntries())
            QCOMPARE(int(keyIdForName(entry.name)), int(entry.id));
    }

    void lookup_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::newRow("KP 7 with its blank") << "KP 7 " << 0x5F;
        QTest::newRow("KP 7 without its blank") << "KP 7" << 0;
        QTest::newRow("capital A") << "A" << 0x04;
        QTest::newRow("lower-case a") << "a" << 0;
        QTest::newRow("Intl'2") << "Intl'2" << 0x88;
        QTest::newRow("Int'l 2") << "Int'l 2" << 0x89;
        QTest::newRow("Int'l 3 is no key") << "Int'l 3" << 0;
        QTest::newRow("backslash bar") << "\\ |" << 0x32;
        QTest::newRow("apostrophe blank quote") << "' \"" << 0x34;
        QTest::newRow("right arrow") << "►" << 0x4F;
        QTest::newRow("left arrow") << "◄" << 0x50;
        QTest::newRow("down arrow") << "▼" << 0x51;
        QTest::newRow("up arrow") << "▲" << 0x52;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("trailing blank on another name") << "A " << 0;
    }

    void lookup() {
        QFETCH(QString, name);
        QFETCH(int, id);
        QCOMPARE(int(keyIdForName(name)), id);
    }

    void fillingStartsOverFromAnEmptyMap() {
        const QMap<QString, uchar> first = keyNameMap;
        keyNameMap.insert(QStringLiteral("Stray"), 0x31);
        keyNameMap[QStringLiteral("A")] = 0x05;
        fillKeyNameMap();
        QCOMPARE(keyNameMap, first);
        QCOMPARE(int(keyIdForName(QStringLiteral("Stray"))), 0);
    }
};

QTEST_APPLESS_MAIN(TestKeyNameTable)
#include "test_key_name_table.moc"
