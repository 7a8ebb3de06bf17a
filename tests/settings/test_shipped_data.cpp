// The data shipped beside the program: it parses, it is consistent, and the generators in tools/
// reproduce it.
#include "settings/app_config.h"
#include "settings/hardware_definition.h"
#include "settings/language_files.h"
#include "settings/settings_paths.h"

#include <QDirIterator>
#include <QFontDatabase>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Run from bin/, where the build puts its copy of the modules tree.
const QString settingDir = QStringLiteral("./modules/setting/");

const QStringList builtInEnglish = {"OPTIONS",
                                    "LOOP",
                                    "SPEED",
                                    "BRIGHTNESS",
                                    "DIRECTION",
                                    "PAINTING",
                                    "EFFECTS",
                                    "USER DEFINE 1",
                                    "USER DEFINE 2",
                                    "USER DEFINE 3",
                                    "USER DEFINE 4",
                                    "USER DEFINE 5",
                                    "STATIC",
                                    "BREATHING",
                                    "WAVE",
                                    "INDUCTION DARKEN",
                                    "MARQUEE",
                                    "RIPPLE",
                                    "INDUCTION BRIGHTEN",
                                    "NEON",
                                    "MARQUEE COLORFUL",
                                    "RAINING",
                                    "MARQUEE CIRCLE",
                                    "SPOTLIGHT",
                                    "ROTATION",
                                    "SKIN",
                                    "SOUND",
                                    "ANIMATED",
                                    "LANGUAGE",
                                    "BACKGROUND",
                                    "ON",
                                    "OFF",
                                    "TEXT",
                                    "SIZE",
                                    "COLOR",
                                    "BRIGHTNESS",
                                    "NORMAL",
                                    "LARGER",
                                    "SKIN 1",
                                    "SKIN 2",
                                    "SKIN 3",
                                    "SKIN 4",
                                    "SKIN 5",
                                    "MACRO",
                                    "ACTION",
                                    "KEYBOARD",
                                    "MOUSE",
                                    "MEDIA",
                                    "COMBO KEY",
                                    "MACRO",
                                    "LEFT",
                                    "RIGHT",
                                    "MIDDLE",
                                    "B4",
                                    "B5",
                                    "NEXT TRACK",
                                    "PREVIOUS TRACK",
                                    "STOP",
                                    "PLAY / PAUSE",
                                    "MUTE",
                                    "VOLUME UP",
                                    "VOLUME DOWN",
                                    "MEDIA SELECT",
                                    "MAIL",
                                    "CALCULATOR",
                                    "MY COMPUTER",
                                    "WWW SEARCH",
                                    "WWW HOME",
                                    "WWW BACK",
                                    "WWW FORWARD",
                                    "WWW STOP",
                                    "WWW REFRESH",
                                    "WWW FAVORITES",
                                    "KEY",
                                    "MACRO",
                                    "COLOR",
                                    "RESET",
                                    "CANCEL",
                                    "GAMING MODE",
                                    "DELETE",
                                    "CUT",
                                    "PASTE",
                                    "COPY",
                                    "LOAD",
                                    "SAVE",
                                    "BACKLIGHTING",
                                    "RENDERING",
                                    "STATIC",
                                    "TWINKLING",
                                    "MARQUEE",
                                    "BREATHING",
                                    "COLOR"};

QList<int> toInts(const QVariant& value) {
    QList<int> ints;
    for (const QVariant& element : value.toList())
        ints.append(element.toInt());
    return ints;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct HardwareKey {
    int x, y, type, slot;
    QString label;
    quint32 code;
};

QList<HardwareKey> hardwareKeys() {
    QList<HardwareKey> keys;
    for (const QVariant& entry :
         loadHardwareDefinition(SettingsPaths::hardwareDefinitionFile())[2].toList()) {
        const QStringList f = entry.toStringList();
        if (f.size() != 7)
            return {};
        keys.append({f[1].toInt(), f[2].toInt(), f[3].toInt(), f[5].toInt(), f[4],
                     f[6].toUInt(nullptr, 16)});
    }
    return keys;
}

} // namespace

class TestShippedData : public QObject {
    Q_OBJECT

private slots:
    void hardwareDefinitionDescribesTheVisibleKeys() {
        const QVariantList definition =
            loadHardwareDefinition(SettingsPaths::hardwareDefinitionFile());
        QCOMPARE(definition[0].toInt(), 104);
        QCOMPARE(definition[1].toInt(), 126);
        const QList<HardwareKey> keys = hardwareKeys();
        QCOMPARE(keys.size(), 104);

        QSet<int> matrixSlots;
        const QList<int> rows{0, 39, 70, 101, 132, 163};
        for (const HardwareKey& key : keys) {
            QVERIFY(key.slot >= 0 && key.slot < 126);
            matrixSlots.insert(key.slot);
            QVERIFY2(rows.contains(key.y), qPrintable(key.label));
        }
        QCOMPARE(matrixSlots.size(), 104);
    }

    void keysOfARowDoNotOverlap() {
        const QList<HardwareKey> keys = hardwareKeys();
        for (int i = 1; i < keys.size(); ++i) {
            if (keys[i].y == keys[i - 1].y)
                QVERIFY2(keys[i].x - keys[i - 1].x >= 31, qPrintable(keys[i].label));
        }
    }

    void factoryCodesAndKeyTypesMatchTheMatrix() {
        QSettings defaults(settingDir + QStringLiteral("pD.bin"), QSettings::IniFormat);
        QHash<int, HardwareKey> bySlot;
        for (const HardwareKey& key : hardwareKeys()) {
            bySlot.insert(key.slot, key);
            const QList<int> code =
                toInts(defaults.value(QStringLiteral("keydefine/%1").arg(key.slot)));
            QCOMPARE(code.size(), 4);
            QCOMPARE(quint32(code[0] << 24 | code[1] << 16 | code[2] << 8 | code[3]), key.code);
        }
        QCOMPARE(bySlot[8].label, QStringLiteral("A"));
        QCOMPARE(bySlot[8].code, 0x00000400u);
        QCOMPARE((bySlot[8].code >> 8) & 0xFF, 0x04u);
        QCOMPARE(bySlot[60].code, 0x02000000u);
        QCOMPARE(bySlot[84].label, QStringLiteral("◄"));
        QCOMPARE(bySlot[81].label, QStringLiteral("\\"));
        QCOMPARE(bySlot[49].label, QStringLiteral(","));

        const QList<std::pair<int, int>> types{{3, 2},    {2, 3},    {1, 4},    {73, 7},  {0, 5},
                                               {6, 5},    {12, 5},   {54, 5},   {60, 5},  {66, 5},
                                               {78, 5},   {30, 6},   {82, 9},   {80, 81}, {81, 12},
                                               {102, 10}, {120, 11}, {122, 11}, {8, 1},   {17, 1}};
        for (const auto& [slot, type] : types)
            QCOMPARE(bySlot[slot].type, type);
        // Hidden positions have no key cap.
        for (int hidden : {11, 18, 24, 36, 85, 107, 113, 125})
            QVERIFY(!bySlot.contains(hidden));
    }

    void defaultProfileHoldsEveryKeyThePaletteLightingAndBlankPictures() {
        QSettings defaults(settingDir + QStringLiteral("pD.bin"), QSettings::IniFormat);
        for (int n = 0; n < 126; ++n)
            QCOMPARE(toInts(defaults.value(QStringLiteral("keydefine/%1").arg(n))).size(), 4);
        QVERIFY(!defaults.contains(QStringLiteral("keydefine/126")));
        QCOMPARE(toInts(defaults.value(QStringLiteral("keydefine/113"))),
                 (QList<int>{3, 0, 0x83, 1}));
        const QList<QList<int>> palette{{255, 0, 0}, {255, 255, 0}, {0, 255, 0},    {0, 255, 255},
                                        {0, 0, 255}, {255, 0, 255}, {255, 255, 255}};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(toInts(defaults.value(QStringLiteral("color/%1").arg(i))), palette[i]);
        QCOMPARE(toInts(defaults.value(QStringLiteral("color/ledType"))),
                 (QList<int>{3, 6, 49, 1, 1}));
        QCOMPARE(toInts(defaults.value(QStringLiteral("color/backLedType"))),
                 (QList<int>{1, 5, 49, 7, 0}));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(toInts(defaults.value(QStringLiteral("userPicture/%1").arg(i))),
                     QList<int>(512, 0));
    }

    void generatorReproducesTheShippedFiles() {
        QTemporaryDir output;
        QProcess generator;
        generator.start(QStringLiteral(KORVANE_DATAGEN),
                        {QStringLiteral(KORVANE_TOOLS_DATA), output.path()});
        QVERIFY(generator.waitForFinished(30000));
        QCOMPARE(generator.exitCode(), 0);
        for (const char* name : {"HWDef.bin", "pD.bin"}) {
            const QString file = QLatin1String(name);
            QCOMPARE(fileBytes(output.filePath(file)), fileBytes(settingDir + file));
        }
        // The key definition picture's table travels inside the program with the scene.
        QCOMPARE(fileBytes(output.filePath(QStringLiteral("KeyLayout_Z9.js"))),
                 fileBytes(QStringLiteral(":/modules/qml/Z9/KeyLayout_Z9.js")));
    }

    // Qt takes "name@2x.png" beside "name.png" on a screen that scales by more than 1: every
    // picture of the skin has one, of exactly twice its pixels each way, so nothing is enlarged
    // from the 1x picture and the pictures keep their places and sizes in points.
    void everySkinPictureHasATwiceAsLargeSibling() {
        QDirIterator pictures(QStringLiteral("./modules/img/skin1"), {QStringLiteral("*.png")},
                              QDir::Files, QDirIterator::Subdirectories);
        int count = 0;
        while (pictures.hasNext()) {
            const QString path = pictures.next();
            if (path.endsWith(QLatin1String("@2x.png")))
                continue;
            const QImage single(path);
            const QImage twice(path.chopped(4) + QStringLiteral("@2x.png"));
            QVERIFY2(!single.isNull() && !twice.isNull(), qPrintable(path));
            QCOMPARE(twice.size(), single.size() * 2);
            ++count;
        }
        QCOMPARE(count, 79);
    }

    void defaultConfigurationHasThirtyBuiltInEntries() {
        const QVariantList config = AppConfig::loadFile(SettingsPaths::apConfigDefaultFile());
        QCOMPARE(config.size(), 30);
        QCOMPARE(config[0].toString(), QStringLiteral("3.1.0817"));
        QCOMPARE(config[1].toInt(), 0);
        QCOMPARE(config[2].toInt(), 0);
        const QStringList languages =
            LanguageFiles::list(SettingsPaths::languageDirectory()).keys();
        QCOMPARE(languages.value(config[3].toInt()), QStringLiteral("ENGLISH"));
        QCOMPARE(config[4].toString(), QStringLiteral("false"));
        QCOMPARE(config[5].toString(), QString());
        const QList<int> swatches{255, 255, 255, 255, 200, 150, 255, 180, 0,   200, 200,
                                  100, 200, 170, 255, 255, 180, 180, 160, 190, 160};
        for (int i = 0; i < swatches.size(); ++i)
            QCOMPARE(config[6 + i].toInt(), swatches[i]);
        QCOMPARE(config[27].toInt(), 0);
        QCOMPARE(config[28].toInt(), 7);
        const QString manual = config[29].toString();
        QVERIFY(manual.startsWith(QStringLiteral("file:")));
        QVERIFY(QFile::exists(manual.mid(5)));
    }

    void everyLanguageFileValidatesWithAllStrings() {
        const QVariantMap languages = LanguageFiles::list(SettingsPaths::languageDirectory());
        QCOMPARE(languages.keys(), (QStringList{"CHINESE (CN)", "CHINESE (TW)", "ENGLISH"}));
        const QHash<QString, QString> fonts{
            {"025044", "Noto Sans CJK SC"}, {"025208", "Noto Sans CJK TC"}, {"031000", "Arial"}};
        for (const QVariant& code : languages) {
            const QString path = SettingsPaths::languageFile(code.toString());
            const LanguageFiles::Strings language = LanguageFiles::read(path);
            QVERIFY2(language.checksumValid, qPrintable(path));
            QCOMPARE(language.strings.size(), 93);
            QCOMPARE(language.strings[0], fonts[code.toString()]);
            for (const QString& text : language.strings)
                QVERIFY2(!text.isEmpty(), qPrintable(path));
            QSettings file(path, QSettings::IniFormat);
            for (int n = 0; n < 4; ++n)
                QVERIFY(!file.value(QStringLiteral("msg/%1").arg(n)).toString().isEmpty());
            QCOMPARE(language.sceneTexts.keys().size(), LanguageFiles::sceneTextNames().size());
        }
        QCOMPARE(LanguageFiles::read(SettingsPaths::languageFile(QStringLiteral("031000")))
                     .strings.mid(1),
                 builtInEnglish);
        QCOMPARE(
            QSettings(SettingsPaths::languageFile(QStringLiteral("031000")), QSettings::IniFormat)
                .value(QStringLiteral("msg/3"))
                .toString(),
            QStringLiteral("Out of memory,\nsome command line has been cut."));
    }

    void chineseFontFamiliesAreInstalled() {
        const QStringList families = QFontDatabase::families();
        QVERIFY(families.contains(QStringLiteral("Noto Sans CJK SC")));
        QVERIFY(families.contains(QStringLiteral("Noto Sans CJK TC")));
    }

    void checksumToolStampsAnEditedFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lang_031000.ini"));
        QVERIFY(QFile::copy(SettingsPaths::languageFile(QStringLiteral("031000")), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QByteArray edited = fileBytes(path).replace("1=OPTIONS", "1=SETTINGS");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(edited);
        }
        QVERIFY(!LanguageFiles::read(path).checksumValid);
        QCOMPARE(QProcess::execute(QStringLiteral(KORVANE_LANG_CHECKSUM), {path}), 0);
        QVERIFY(LanguageFiles::read(path).checksumValid);
        // Only the check line changed; comments and order stay as written.
        const QByteArray stamped = fileBytes(path);
        QCOMPARE(stamped.count('\n'), edited.count('\n'));
        QVERIFY(stamped.startsWith("; Korvane Keyboard interface texts"));
    }
};

QTEST_MAIN(TestShippedData)
#include "test_shipped_data.moc"
