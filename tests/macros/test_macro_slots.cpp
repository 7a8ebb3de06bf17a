#include "../device/virtual_link.h"
#include "controller/myqquickview.h"
#include "macro_folder.h"
#include "macros/key_name_table.h"
#include "macros/macro_overflow_warning.h"

#include <QSettings>
#include <QTest>

namespace {

// Reports of one macro command: frame, acknowledgement, three payload reports, acknowledgement.
constexpr int macroCommandReports = 6;

QStringList keystrokes(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("A    [Down]") << QStringLiteral("A      [Up]");
    return lines;
}

std::array<uchar, 192> blockOf(const QByteArray& bytes) {
    std::array<uchar, 192> block{};
    std::copy_n(bytes.constData(), std::min<qsizetype>(bytes.size(), 192), block.begin());
    return block;
}

QByteArray keystrokeBytes(int count) {
    return hex("01048104").repeated(count);
}

// The frame of command 11H for a slot, with its checksum.
QByteArray macroFrame(uchar slot) {
    QByteArray frame = hex("001100000300000000");
    frame[3] = char(slot);
    uchar sum = 0;
    for (int i = 1; i <= 7; ++i)
        sum += uchar(frame[i]);
    frame[8] = char(~sum);
    return frame;
}

} // namespace

class TestMacroSlots : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MacroFolder> folder;
    std::unique_ptr<VirtualLink> link;
    std::unique_ptr<myQQuickView> view;
    MacroOverflowWarning::Presenter boxPresenter;
    // For each warning: how many reports the keyboard had seen when it was shown.
    QList<qsizetype> warnings;

    // Creates a macro holding `lines` without sending it anywhere.
    QString macroWith(const QStringList& lines) {
        const QString name = view->createMacroIni().toString();
        view->saveMacroIni(name, lines);
        return name;
    }

    bool waitForMacroCommand() { return link->keyboard->waitForRecord(macroCommandReports, 5000); }

private slots:
    void init() {
        folder = std::make_unique<MacroFolder>();
        link = std::make_unique<VirtualLink>();
        link->keyboard->clearRecord();
        view = std::make_unique<myQQuickView>();
        view->hidThread = &link->hid;
        warnings.clear();
        boxPresenter = MacroOverflowWarning::replacePresenter(
            [this] { warnings.append(link->keyboard->record().size()); });
    }

    void cleanup() {
        MacroOverflowWarning::replacePresenter(boxPresenter);
        view.reset();
        link.reset();
        folder.reset();
    }

    void constructionFillsTheKeyNameTable() {
        view.reset();
        keyNameMap.clear();
        view = std::make_unique<myQQuickView>();
        QCOMPARE(keyNameMap.size(), 127);
        QCOMPARE(int(keyNameMap.value(QStringLiteral("KP 7 "))), 0x5F);
    }

    void libraryRoundTripThroughTheScenesValues() {
        const QVariant name = view->createMacroIni();
        QCOMPARE(name.toString(), QStringLiteral("Macro. 001"));
        QCOMPARE(view->getMacroIniNames(), QStringList{"Macro. 001.bin"});
        QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{-1, 1}));
        const QStringList lines{"A    [Down]", "A      [Up]"};
        QCOMPARE(view->saveMacroIni(name, lines), QVariant(true));
        QCOMPARE(view->loadMacroIni(name), lines);
        QCOMPARE(view->macroIncode(view->loadMacroIni(name)),
                 (QList<uchar>{0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00}));
        QCOMPARE(view->deleteMacroIni(name), QVariant(true));
        QCOMPARE(view->deleteMacroIni(name), QVariant(false));
        QCOMPARE(view->loadMacroIniConfig(name), QVariantList{});
        QCOMPARE(view->saveMacroIni(name, lines), QVariant(false));
        // A macro made again under a deleted one's name starts empty.
        QCOMPARE(view->createMacroIni(), name);
        QCOMPARE(view->loadMacroIni(name), QStringList{});
        const QSettings file(folder->macroPath("Macro. 001.bin"), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList{"config"});
    }

    void configNeedsBothValues() {
        const QVariant name = view->createMacroIni();
        view->setMacroIniConfig(name, {12, 1});
        QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{12, 1}));
        view->setMacroIniConfig(name, {5});
        view->setMacroIniConfig(name, {});
        QCOMPARE(view->loadMacroIniConfig(name), (QVariantList{12, 1}));
    }

    void savingAMacroWithASlotSendsIt() {
        const QString name = macroWith({});
        view->setMacroIniConfig(name, {7, 1});
        const QStringList lines{"B    [Down]", "100   [Delay]", "B      [Up]"};
        QCOMPARE(view->saveMacroIni(name, lines), QVariant(true));
        QVERIFY(waitForMacroCommand());

        const QByteArray block = hex("0001 0105 7F000064 8105 0000") + QByteArray(180, '\0');
        QList<WireReport> expected{featureOut("00 11 00 07 03 00 00 00 E4"), ackNotification};
        expected += outputReports(block);
        expected += ackNotification;
        QCOMPARE(link->keyboard->record(), expected);
        QCOMPARE(link->keyboard->state().macros[7], blockOf(block));
        QVERIFY(warnings.isEmpty());
    }

    void savingAMacroWithoutASlotSendsNothing() {
        const QString name = macroWith({});
        QCOMPARE(view->saveMacroIni(name, {"B    [Down]"}), QVariant(true));
        QVERIFY(!link->keyboard->waitForRecord(1, 300));
    }

    void sendingFitsTheMacroIntoItsSlot_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<bool>("warns");
        const QByteArray start = hex("0001");
        const QByteArray end = hex("0000");
        const QByteArray emptyBlock = start + end + QByteArray(188, '\0');
        QTest::newRow("missing macro") << QStringList{} << "Macro. 404" << 3 << emptyBlock << false;
        QTest::newRow("name outside the folder")
            << QStringList{} << "../outside" << 3 << emptyBlock << false;
        QTest::newRow("47 keystrokes fit exactly")
            << keystrokes(47) << "" << 34 << start + keystrokeBytes(47) + end << false;
        QTest::newRow("48 keystrokes are cut after the 48th press")
            << keystrokes(48) << "" << 0 << start + keystrokeBytes(47) + hex("0104") << true;
    }

    void sendingFitsTheMacroIntoItsSlot() {
        QFETCH(QStringList, lines);
        QFETCH(QString, name);
        QFETCH(int, slot);
        QFETCH(QByteArray, block);
        QFETCH(bool, warns);
        QVERIFY(
            folder->write("modules/outside.bin", "[config]\ntotal=1\n[macro]\n0=A    [Down]\n"));
        if (name.isEmpty())
            name = macroWith(lines);

        view->ui_11H_SetMacroKey(slot, name);
        QVERIFY(waitForMacroCommand());

        const QList<WireReport> wire = link->keyboard->record();
        QCOMPARE(wire.first(), WireReport({WireReport::Kind::FeatureOut, macroFrame(uchar(slot))}));
        QCOMPARE(link->keyboard->state().macros[slot], blockOf(block));
        // The box is shown, and closed, before anything reaches the keyboard.
        QCOMPARE(warnings, warns ? QList<qsizetype>{0} : QList<qsizetype>{});
    }

    void slotNumberKeepsItsLow8Bits() {
        view->ui_11H_SetMacroKey(300, macroWith({"A    [Down]"}));
        QVERIFY(waitForMacroCommand());
        QCOMPARE(link->keyboard->record().first(),
                 WireReport({WireReport::Kind::FeatureOut, macroFrame(44)}));
    }
};

QTEST_MAIN(TestMacroSlots)
#include "test_macro_slots.moc"
