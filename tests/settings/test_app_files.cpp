// Application configuration, hardware definition, language files and the custom image path.
#include "device/lang_file_valid.h"
#include "settings/language_checksum.h"
#include "settings/language_files.h"
#include "settings_sandbox.h"
#include "view_under_test.h"

#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray languageFile(const QStringList& strings, const QByteArray& checksum,
                        const QByteArray& family = "Arial") {
    QByteArray text = "[font]\nfamily=" + family + "\ntotal=" + QByteArray::number(strings.size()) +
                      "\ncs=" + checksum + "\n\n[strings]\n";
    for (int n = 0; n < strings.size(); ++n)
        text += QByteArray::number(n + 1) + '=' + strings[n].toUtf8() + '\n';
    return text + "\n[msg]\n0=not counted\n";
}

} // namespace

class TestAppFiles : public QObject {
    Q_OBJECT

private slots:
    void missingConfigurationFilesReadEmpty() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        QCOMPARE(view->loadApConfig(), QVariantList());
        QCOMPARE(view->loadApConfig(true), QVariantList());
        QCOMPARE(view->loadHWDef(), (QVariantList{0, 0, QVariantList()}));
    }

    void shorterSaveLeavesOldEntriesUnread() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        QVariantList thirty;
        for (int i = 0; i < 30; ++i)
            thirty.append(i * 2);
        view->saveApConfig(thirty);
        QCOMPARE(view->loadApConfig(), thirty);
        view->saveApConfig(thirty.mid(0, 10));
        QCOMPARE(view->loadApConfig(), thirty.mid(0, 10));
        view->apConfigSettings->sync();
        const QByteArray onDisk = sandbox.read(QStringLiteral("modules/setting/apConfig.bin"));
        QVERIFY(onDisk.contains("total=10"));
        QVERIFY(onDisk.contains("29=58"));
    }

    void entriesKeepTheirKindInTheSameRun() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        const QVariantList entries{QStringLiteral("3.1.0817"), 1, true, QString()};
        view->saveApConfig(entries);
        QCOMPARE(view->loadApConfig(), entries);
    }

    void missingEntriesReadAsZero() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/apConfigD.bin"),
                      "[common]\ntotal=3\n0=first\n");
        ViewUnderTest view;
        QCOMPARE(view->loadApConfig(true), (QVariantList{QStringLiteral("first"), 0, 0}));
        QCOMPARE(view->loadApConfig(), QVariantList());
    }

    void hardwareDefinitionStopsAtItsCount() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/HWDef.bin"),
                      "[Z9]\ntotal_HW=2\ntotal_FW=126\n1=1, 0, 0, 1, Esc, 4, 00002900\n"
                      "2=1, 62, 0, 1, F1, 17, 00003A00\n3=1, 93, 0, 1, F2, 23, 00003B00\n");
        ViewUnderTest view;
        const QVariantList definition = view->loadHWDef();
        QCOMPARE(definition.size(), 3);
        QCOMPARE(definition[0].toInt(), 2);
        QCOMPARE(definition[1].toInt(), 126);
        const QVariantList entries = definition[2].toList();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries[1].toStringList(),
                 (QStringList{"1", "62", "0", "1", "F1", "17", "00003A00"}));
    }

    void hardwareDefinitionLeavesMissingEntriesEmpty() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/HWDef.bin"),
                      "[Z9]\ntotal_HW=2\n2=1, 62, 0, 1, F1, 17, 00003A00\n");
        ViewUnderTest view;
        const QVariantList entries = view->loadHWDef()[2].toList();
        QCOMPARE(entries.size(), 2);
        QVERIFY(!entries[0].isValid());
        QCOMPARE(entries[1].toList().size(), 7);
    }

    void checksumOfKnownLengths_data() {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("checksum");
        QTest::newRow("no strings") << qint64(0) << QStringLiteral("7418700");
        QTest::newRow("abc") << qint64(3) << QStringLiteral("771902100");
        QTest::newRow("two code units") << qint64(2) << QStringLiteral("761891400");
        QTest::newRow("past one byte") << qint64(694) << QStringLiteral("01131969");
    }

    void checksumOfKnownLengths() {
        QFETCH(qint64, length);
        QFETCH(QString, checksum);
        QCOMPARE(languageChecksum(length), checksum);
    }

    void languageMapIsSortedByDisplayName() {
        SettingsSandbox sandbox;
        for (const char* name : {"lang_031000.ini", "lang_025208.ini", "lang_025044.ini"})
            sandbox.write(QStringLiteral("modules/i18n/") + QLatin1String(name), "[font]\n");
        ViewUnderTest view;
        const QVariantMap languages = view->chkLanguages();
        QCOMPARE(languages.keys(), (QStringList{"CHINESE (CN)", "CHINESE (TW)", "ENGLISH"}));
        QCOMPARE(languages.values(), (QVariantList{"025044", "025208", "031000"}));
    }

    void oneEntryPerDisplayNameTheLastFileWins() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/i18n/lang_042081.ini"), "");
        sandbox.write(QStringLiteral("modules/i18n/lang_042014.ini"), "");
        sandbox.write(QStringLiteral("modules/i18n/notes.ini"), "");
        ViewUnderTest view;
        QCOMPARE(view->chkLanguages(), (QVariantMap{{"GERMAN", "042081"}}));
    }

    void noLanguageDirectoryGivesNoLanguages() {
        SettingsSandbox sandbox;
        QDir(sandbox.path(QStringLiteral("modules"))).rmdir(QStringLiteral("i18n"));
        ViewUnderTest view;
        QVERIFY(view->chkLanguages().isEmpty());
    }

    void stringsComeInOrderAfterTheFontFamily() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/i18n/lang_031000.ini"),
                      languageFile({"abc"}, "771902100", "Noto Sans"));
        ViewUnderTest view;
        QCOMPARE(view->getGlobalStrings(QStringLiteral("031000")),
                 (QStringList{"Noto Sans", "abc"}));
    }

    void checksumCountsUtf16CodeUnits_data() {
        QTest::addColumn<QStringList>("strings");
        QTest::addColumn<QByteArray>("checksum");
        QTest::addColumn<bool>("valid");
        QTest::newRow("matching") << QStringList{"abc"} << QByteArray("771902100") << true;
        QTest::newRow("no strings") << QStringList{} << QByteArray("7418700") << true;
        QTest::newRow("two Chinese characters")
            << QStringList{QStringLiteral("宏键")} << QByteArray("761891400") << true;
        QTest::newRow("same length, other text")
            << QStringList{"abd"} << QByteArray("771902100") << true;
        QTest::newRow("one character more")
            << QStringList{"abcd"} << QByteArray("771902100") << false;
        QTest::newRow("one character less")
            << QStringList{"ab"} << QByteArray("771902100") << false;
        QTest::newRow("empty check text") << QStringList{"abc"} << QByteArray() << false;
    }

    void checksumCountsUtf16CodeUnits() {
        QFETCH(QStringList, strings);
        QFETCH(QByteArray, checksum);
        QFETCH(bool, valid);
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/i18n/lang_025044.ini"),
                      languageFile(strings, checksum));
        const LanguageFiles::Strings read =
            LanguageFiles::read(sandbox.path(QStringLiteral("modules/i18n/lang_025044.ini")));
        QCOMPARE(read.strings.mid(1), strings);
        QCOMPARE(read.checksumValid, valid);
    }

    // A file of an older release lacks the later texts: it stays valid and gives only what it has.
    void sceneTextsStayOutsideTheChecksum_data() {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QVariantMap>("texts");
        QTest::newRow("older file") << QByteArray() << QVariantMap{};
        QTest::newRow("some texts") << QByteArray("\n[scene]\naskApply=应用\nunknown=x\n")
                                    << QVariantMap{{"askApply", QStringLiteral("应用")}};
        QTest::newRow("all texts")
            << QByteArray(
                   "\n[scene]\naskTitle=T\naskText=X\naskApply=A\naskDiscard=D\naskCancel=C\n")
            << QVariantMap{{"askTitle", "T"},
                           {"askText", "X"},
                           {"askApply", "A"},
                           {"askDiscard", "D"},
                           {"askCancel", "C"}};
    }

    void sceneTextsStayOutsideTheChecksum() {
        QFETCH(QByteArray, section);
        QFETCH(QVariantMap, texts);
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/i18n/lang_025044.ini"),
                      languageFile({"abc"}, "771902100") + section);
        ViewUnderTest view;
        QCOMPARE(view->getSceneTexts(QStringLiteral("025044")), texts);
        QCOMPARE(view->getGlobalStrings(QStringLiteral("025044")), (QStringList{"Arial", "abc"}));
        QVERIFY(isLangFileValid);
        QCOMPARE(view->getSceneTexts(QStringLiteral("../../etc/passwd")), QVariantMap{});
    }

    void missingLanguageFileGivesAnEmptyFontFamilyOnly() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        QCOMPARE(view->getGlobalStrings(QStringLiteral("099000")), QStringList{QString()});
        QCOMPARE(view->getGlobalStrings(QStringLiteral("../../etc/passwd")),
                 QStringList{QString()});
    }

    void customImageDialogAndItsOutcomes() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("not-really.png"), "plain text, not an image");
        QDir(sandbox.path(QString())).mkdir(QStringLiteral("folder.png"));
        QVERIFY(mkfifo(QFile::encodeName(sandbox.path(QStringLiteral("pipe.png"))).constData(),
                       0600) == 0);
        ViewUnderTest view;

        QCOMPARE(view->getCustomFilePath(), QString());
        QCOMPARE(view.dialogs->fileDialogs.size(), 1);
        const auto& shown = view.dialogs->fileDialogs[0];
        QCOMPARE(shown.kind, QStringLiteral("open"));
        QCOMPARE(shown.caption, QStringLiteral("Open File"));
        QCOMPARE(shown.filter, QStringLiteral("Image Files(*.png)"));
        QCOMPARE(shown.dir, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
        QVERIFY(view.dialogs->warnings.isEmpty());

        const QString accepted = sandbox.path(QStringLiteral("not-really.png"));
        view.dialogs->answer = accepted;
        QCOMPARE(view->getCustomFilePath(), accepted);
        QVERIFY(view.dialogs->warnings.isEmpty());

        for (const QString name : {"folder.png", "pipe.png", "missing.png"}) {
            const QString refused = sandbox.path(name);
            view.dialogs->answer = refused;
            QCOMPARE(view->getCustomFilePath(), QString());
            QCOMPARE(view.dialogs->warnings.last(),
                     (QStringList{"Read File", QStringLiteral("Cannot open file:\n") + refused}));
        }
        QCOMPARE(view.dialogs->warnings.size(), 3);
    }
};

QTEST_MAIN(TestAppFiles)
#include "test_app_files.moc"
