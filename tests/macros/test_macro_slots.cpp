#include "app/myqquickview.h"
#include "macro_folder.h"
#include "macros/key_name_table.h"

#include <QSettings>
#include <QTest>

class TestMacroSlots : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MacroFolder> folder;
    std::unique_ptr<myQQuickView> view;

private slots:
    void init() {
        folder = std::make_unique<MacroFolder>();
        view = std::make_unique<myQQuickView>();
    }

    void cleanup() {
        view.reset();
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
};

QTEST_MAIN(TestMacroSlots)
#include "test_macro_slots.moc"
