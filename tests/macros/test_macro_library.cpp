#include "macro_folder.h"
#include "macros/key_name_table.h"
#include "macros/macro_encoder.h"
#include "macros/macro_library.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QTest>

namespace {

const QString press = QStringLiteral("    [Down]");
const QString release = QStringLiteral("      [Up]");

QStringList lineKeys(const QString& filePath) {
    QSettings settings(filePath, QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("macro"));
    return settings.childKeys();
}

} // namespace

class TestMacroLibrary : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MacroFolder> folder;
    MacroLibrary library;

private slots:
    void init() { folder = std::make_unique<MacroFolder>(); }
    void cleanup() { folder.reset(); }

    void createTakesTheLowestFreeNumber_data() {
        QTest::addColumn<QList<int>>("existing");
        QTest::addColumn<QString>("expected");
        QList<int> upTo999;
        for (int n = 1; n <= 999; ++n)
            upTo999.append(n);
        QTest::newRow("empty folder") << QList<int>{} << "Macro. 001";
        QTest::newRow("gap at 2") << QList<int>{1, 3} << "Macro. 002";
        QTest::newRow("after 999") << upTo999 << "Macro. 1000";
    }

    void createTakesTheLowestFreeNumber() {
        QFETCH(QList<int>, existing);
        QFETCH(QString, expected);
        for (int n : existing)
            QVERIFY(folder->write(
                QStringLiteral("modules/macro/Macro. %1.bin").arg(n, 3, 10, QLatin1Char('0')),
                "[config]\ntotal=0\n"));
        QCOMPARE(library.create(), expected);
        QVERIFY(QFileInfo(folder->macroPath(expected + ".bin")).isFile());
    }

    void createWritesOnlyTheDefaultConfiguration() {
        const QString name = library.create();
        QSettings settings(folder->macroPath(name + ".bin"), QSettings::IniFormat);
        QCOMPARE(settings.allKeys(),
                 (QStringList{"config/index", "config/repeat", "config/total"}));
        QCOMPARE(settings.value("config/index").toInt(), -1);
        QCOMPARE(settings.value("config/total").toInt(), 0);
        QCOMPARE(settings.value("config/repeat").toInt(), 1);
    }

    void createMakesAMissingFolderAndPassesDanglingLinks() {
        QVERIFY(QDir(folder->path("modules/macro")).removeRecursively());
        QCOMPARE(library.create(), QStringLiteral("Macro. 001"));
        QVERIFY(QFile::link(folder->path("nowhere.bin"), folder->macroPath("Macro. 002.bin")));
        QCOMPARE(library.create(), QStringLiteral("Macro. 003"));
        QVERIFY(!QFileInfo::exists(folder->path("nowhere.bin")));
    }

    void fileNamesAreBinEntriesSortedIgnoringCase() {
        const QStringList files{"Macro. 101.bin", "Macro. 1000.bin", "Macro. 100.bin",
                                "Banana.bin",     "apple.bin",       "notes.txt",
                                "upper.BIN",      "old.bin.bak"};
        for (const QString& file : files)
            QVERIFY(folder->write("modules/macro/" + file, ""));
        QCOMPARE(library.fileNames(), (QStringList{"apple.bin", "Banana.bin", "Macro. 100.bin",
                                                   "Macro. 1000.bin", "Macro. 101.bin"}));
        QVERIFY(QDir(folder->path("modules/macro")).removeRecursively());
        QCOMPARE(library.fileNames(), QStringList{});
    }

    void saveReplacesEveryLine() {
        const QString name = library.create();
        const QStringList five{"A" + press, "A" + release, "B" + press, "B" + release,
                               "9   [Delay]"};
        const QStringList three{"C" + press, "10   [Delay]", "C" + release};
        QVERIFY(library.saveLines(name, five));
        QVERIFY(library.saveLines(name, three));
        QCOMPARE(library.lines(name), three);
        QCOMPARE(lineKeys(folder->macroPath(name + ".bin")), (QStringList{"0", "1", "2"}));
        QCOMPARE(QSettings(folder->macroPath(name + ".bin"), QSettings::IniFormat)
                     .value("config/total")
                     .toInt(),
                 3);
        QVERIFY(library.saveLines(name, {}));
        QCOMPARE(library.lines(name), QStringList{});
        QCOMPARE(lineKeys(folder->macroPath(name + ".bin")), QStringList{});
    }

    void saveNeverCreatesAMacro() {
        QVERIFY(!library.saveLines(QStringLiteral("Macro. 001"), {"A" + press}));
        QVERIFY(QDir(folder->path("modules/macro")).isEmpty());
    }

    void awkwardLinesSurviveSaveAndLoad() {
        const QString name = library.create();
        const QStringList lines{"; :" + press,
                                ", <" + release,
                                "= +" + press,
                                "' \"" + release,
                                "\\ |" + press,
                                "[ {" + press,
                                "KP 7 " + press,
                                "►" + press,
                                "◄" + release,
                                "▼" + press,
                                "▲" + release,
                                "a;b,c=d\"e\"#f[g]",
                                "  blanks around  ",
                                "",
                                "0",
                                "x\ny\tz"};
        QVERIFY(library.saveLines(name, lines));
        QCOMPARE(MacroLibrary().lines(name), lines);
    }

    void everyKeyNameComesBackAndEncodes() {
        fillKeyNameMap();
        const QString name = library.create();
        QStringList lines;
        QList<uchar> expected{0x00, 0x01};
        for (const KeyNameEntry& entry : keyNameEntries()) {
            lines << entry.name + press;
            expected << 0x01 << entry.id;
        }
        expected << 0x00 << 0x00;
        QVERIFY(library.saveLines(name, lines));
        QCOMPARE(encodeMacroLines(library.lines(name)), expected);
    }

    void loadFollowsTheStoredTotal_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing line reads 0")
            << QByteArray("[config]\ntotal=2\n[macro]\n0=A    [Down]\n")
            << QStringList{"A    [Down]", "0"};
        QTest::newRow("extra lines ignored")
            << QByteArray("[config]\ntotal=1\n[macro]\n0=x\n1=y\n") << QStringList{"x"};
        QTest::newRow("no total") << QByteArray("[macro]\n0=x\n") << QStringList{};
        QTest::newRow("total not a number")
            << QByteArray("[config]\ntotal=many\n[macro]\n0=x\n") << QStringList{};
        QTest::newRow("negative total") << QByteArray("[config]\ntotal=-4\n") << QStringList{};
        QTest::newRow("not an INI file at all")
            << QByteArray("\x00\xff\xfe garbage", 12) << QStringList{};
    }

    void loadFollowsTheStoredTotal() {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, expected);
        QVERIFY(folder->write("modules/macro/m.bin", content));
        QCOMPARE(library.lines("m"), expected);
    }

    void hugeStoredTotalIsBounded() {
        QVERIFY(folder->write("modules/macro/m.bin", "[config]\ntotal=2000000000\n"));
        const QStringList lines = library.lines("m");
        QCOMPARE(lines.size(), 65536);
        QCOMPARE(lines.last(), QStringLiteral("0"));
    }

    void configReadsDefaultsAndStoresValues() {
        const QString name = library.create();
        QCOMPARE(library.config(name)->index, -1);
        QCOMPARE(library.config(name)->repeat, 1);
        library.setConfig(name, 7, 1);
        QCOMPARE(library.config(name)->index, 7);
        library.setConfig(name, -1, 3);
        QCOMPARE(library.config(name)->index, -1);
        QCOMPARE(library.config(name)->repeat, 3);
        QVERIFY(!library.config("Macro. 999"));
        library.setConfig("Macro. 999", 7, 1);
        QVERIFY(!QFileInfo::exists(folder->macroPath("Macro. 999.bin")));
    }

    void damagedConfigReadsAsDefaults() {
        QVERIFY(folder->write("modules/macro/m.bin", "[config]\nindex=abc\n"));
        QCOMPARE(library.config("m")->index, -1);
        QCOMPARE(library.config("m")->repeat, 1);
    }

    void removeDeletesOnlyExistingMacros() {
        const QString name = library.create();
        QVERIFY(library.remove(name));
        QVERIFY(!QFileInfo::exists(folder->macroPath(name + ".bin")));
        QVERIFY(!library.remove(name));
    }

    void namesThatLeaveTheFolderAreMissing_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent") << "../outside";
        QTest::newRow("subfolder") << "sub/inner";
        QTest::newRow("backslash") << "sub\\inner";
        QTest::newRow("dot dot") << "..";
        QTest::newRow("dot") << ".";
        QTest::newRow("empty") << "";
        QTest::newRow("embedded null") << QStringLiteral("inside") + QChar::Null + "x";
        QTest::newRow("link out of the folder") << "link";
        QTest::newRow("folder named like a macro") << "dir";
    }

    void namesThatLeaveTheFolderAreMissing() {
        QFETCH(QString, name);
        const QByteArray content("[config]\nindex=5\ntotal=1\n[macro]\n0=A    [Down]\n");
        const QStringList guarded{"modules/outside.bin", "modules/macro/sub/inner.bin",
                                  "outside.bin",         "modules/macro/inside.bin",
                                  "modules/macro/..bin", "modules/macro/...bin"};
        QVERIFY(QDir(folder->path("modules/macro")).mkpath("sub"));
        QVERIFY(QDir(folder->path("modules/macro")).mkpath("dir.bin"));
        for (const QString& file : guarded)
            QVERIFY(folder->write(file, content));
        QVERIFY(QFile::link(folder->path("modules/outside.bin"), folder->macroPath("link.bin")));

        QCOMPARE(library.lines(name), QStringList{});
        QVERIFY(!library.saveLines(name, {"B" + press}));
        QVERIFY(!library.config(name));
        library.setConfig(name, 9, 9);
        QVERIFY(!library.remove(name));

        for (const QString& file : guarded)
            QCOMPARE(folder->read(file), content);
        QVERIFY(QFileInfo(folder->macroPath("link.bin")).isSymLink());
        QVERIFY(QFileInfo(folder->macroPath("dir.bin")).isDir());
    }
};

QTEST_APPLESS_MAIN(TestMacroLibrary)
#include "test_macro_library.moc"
