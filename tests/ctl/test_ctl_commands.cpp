// korvanectl against the virtual Z9, command by command: the same test data drives the window's
// controller (its slots called in the order the page calls them) and korvanectl, and both must
// leave the same set traffic on the wire and the same profile and macro files.
#include "ctl_world.h"
#include "variant_lists.h"

#include <QSettings>
#include <QTest>

namespace {

using Window = std::function<void(myQQuickView&, FakeSettingsDialogs&)>;

struct Case {
    const char* name;
    CtlWorld::Files seed;
    QStringList ctl;
    Window window;
    // Keyboard profile at the start.
    int profile = 0;
};

// The factory palette, as the key lighting page holds it when the profile stores none.
const int factoryPalette[7][3] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0},    {0, 255, 255},
                                  {0, 0, 255}, {255, 0, 255}, {255, 255, 255}};

void sendPalette(myQQuickView& view, int customSlot = -1, std::array<int, 3> custom = {}) {
    for (int i = 0; i < 7; ++i) {
        const int* rgb = i == customSlot ? custom.data() : factoryPalette[i];
        view.ui_14H_SetColor(uchar(i), uchar(rgb[0]), uchar(rgb[1]), uchar(rgb[2]));
    }
}

// A picture whose every value differs from its neighbours'.
QVariantList picture(int seed) {
    QVariantList values;
    for (int i = 0; i < 512; ++i)
        values.append((seed + 3 * i) % 256);
    return values;
}

QByteArray listText(const QVariantList& values) {
    QStringList texts;
    for (const QVariant& value : values)
        texts.append(value.toString());
    return texts.join(QStringLiteral(", ")).toLatin1();
}

QString shippedFolder;

QByteArray shippedProfile() {
    QFile file(QDir(shippedFolder).filePath(QStringLiteral("modules/setting/pD.bin")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped default profile's key table with some positions changed, as the window's key page
// sends it: 126 codes in matrix order, then 8 zeros.
QVariantList keyTable(const QMap<int, QList<int>>& changed) {
    QSettings defaults(QDir(shippedFolder).filePath(QStringLiteral("modules/setting/pD.bin")),
                       QSettings::IniFormat);
    QVariantList matrix;
    for (int n = 0; n < 126; ++n) {
        const QList<int> code = changed.contains(n) ? changed[n] : [&] {
            QList<int> stored;
            for (const QVariant& v : defaults.value(QStringLiteral("keydefine/%1").arg(n)).toList())
                stored.append(v.toInt());
            return stored;
        }();
        for (int byte : code)
            matrix.append(byte);
    }
    for (int i = 0; i < 8; ++i)
        matrix.append(0);
    return matrix;
}

// A profile file holding the default key table with some codes changed.
QByteArray profileWithKeys(const QMap<int, QList<int>>& changed) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.bin"));
    QFile::copy(QDir(shippedFolder).filePath(QStringLiteral("modules/setting/pD.bin")), path);
    {
        QSettings profile(path, QSettings::IniFormat);
        for (auto code = changed.begin(); code != changed.end(); ++code) {
            QVariantList list;
            for (int byte : code.value())
                list.append(byte);
            profile.setValue(QStringLiteral("keydefine/%1").arg(code.key()), list);
        }
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray macroFile(int index, const QStringList& lines) {
    QByteArray text = "[config]\nindex=" + QByteArray::number(index) +
                      "\nrepeat=1\ntotal=" + QByteArray::number(lines.size()) + "\n\n[macro]\n";
    for (int i = 0; i < lines.size(); ++i)
        text += QByteArray::number(i) + "=" + lines[i].toUtf8() + "\n";
    return text;
}

const QStringList keystrokeA{QStringLiteral("A    [Down]"), QStringLiteral("A      [Up]")};
const QStringList keystrokeB{QStringLiteral("B    [Down]"), QStringLiteral("B      [Up]")};

// Matrix positions of the shipped layout.
constexpr int caps = 2;
constexpr int f1 = 17;
constexpr int f2 = 23;
constexpr int f3 = 29;
constexpr int keyQ = 9;
constexpr int keyW = 15;

QList<Case> cases() {
    const QString macro1 = QStringLiteral("Macro. 001");
    const QString macro2 = QStringLiteral("Macro. 002");
    return {
        {"lighting: breathing, the page's example",
         {},
         {"lighting", "breathing", "--speed", "4", "--brightness", "7", "--color", "red"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_08H_SetLEDType(0x01, 0, 0, 0, 0, 0);
             sendPalette(view);
             view.ui_08H_SetLEDType(0x02, 0x02, 0x06, 49, 1, 1);
         }},
        {"lighting: a user picture, with what the profile stores",
         {{"modules/setting/p1.bin",
           "[color]\nledType=3, 11, 30, 5, 4\n3=1, 2, 3\n\n[userPicture]\n2=" +
               listText(picture(5)) + "\n"}},
         {"lighting", "user", "define", "3", "--color", "loop", "--brightness", "2"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_08H_SetLEDType(0x01, 0, 0, 0, 0, 0);
             sendPalette(view, 3, {1, 2, 3});
             view.ui_12H_SetUserPicture(2, 0, picture(5));
             // Stored speed 0x0B shows as slider 2; the stored direction stays.
             view.ui_08H_SetLEDType(0x02, 0x35, 0x09, 14, 8, 4);
         }},
        {"lighting: wave on profile 2 keeps the stored speed and colour",
         {{"modules/setting/p3.bin", "[color]\nledType=1, 1, 49, 3, 0\n"}},
         {"lighting", "WAVE", "--direction", "left"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_08H_SetLEDType(0x01, 0, 0, 0, 0, 0);
             sendPalette(view);
             view.ui_08H_SetLEDType(0x02, 0x03, 0x01, 49, 3, 2);
         },
         2},
        {"backlight: marquee, the page's example",
         {},
         {"backlight", "marquee", "--speed", "0", "--brightness", "3", "--color", "loop"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_15H_SetBackLEDType(3, 10, 21, 7, 0);
         }},
        {"backlight: the fastest static, from the page's initial values",
         {},
         {"backlight", "static", "--speed", "7"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_15H_SetBackLEDType(1, 1, 49, 7, 0);
         }},
        {"backlight: breathing keeps what the profile stores",
         {{"modules/setting/p1.bin", "[color]\nbackLedType=2, 10, 21, 3, 2\n"}},
         {"backlight", "breathing"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_15H_SetBackLEDType(4, 10, 21, 3, 2);
         }},
        {"profile: switching",
         {},
         {"profile", "4"},
         [](myQQuickView& view, FakeSettingsDialogs&) { view.ui_02H_SetCurrentProfile(3); }},
        {"profile: the current one sends nothing",
         {},
         {"profile", "5"},
         [](myQQuickView& view, FakeSettingsDialogs&) { view.ui_02H_SetCurrentProfile(4); },
         4},
        {"key: another key",
         {{"modules/setting/p1.bin", shippedProfile()}},
         {"key", "Caps", "A"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_0DH_SetKeyMatrix(keyTable({{caps, {0, 0, 0x04, 0}}}));
         }},
        {"key: a combination",
         {{"modules/setting/p1.bin", shippedProfile()}},
         {"key", "caps", "Ctrl+C"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_0DH_SetKeyMatrix(keyTable({{caps, {0, 0xE0, 0x06, 0}}}));
         }},
        {"key: a media function",
         {{"modules/setting/p1.bin", shippedProfile()}},
         {"key", "F1", "VOLUME UP"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_0DH_SetKeyMatrix(keyTable({{f1, {3, 0, 0xE9, 0}}}));
         }},
        {"key: back to its factory function",
         {{"modules/setting/p1.bin", profileWithKeys({{f1, {3, 0, 0xE2, 0}}})}},
         {"key", "F1", "default"},
         [](myQQuickView& view, FakeSettingsDialogs&) { view.ui_0DH_SetKeyMatrix(keyTable({})); }},
        {"key: a macro gets the lowest slot no key uses and is sent there",
         {{"modules/setting/p1.bin", profileWithKeys({{keyQ, {4, 1, 0, 0}}, {keyW, {4, 1, 2, 0}}})},
          {"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)}},
         {"key", "F2", "macro:Macro. 001"},
         [macro1](myQQuickView& view, FakeSettingsDialogs&) {
             view.setMacroIniConfig(macro1, numbers({1, 1}));
             view.ui_11H_SetMacroKey(1, macro1);
             view.ui_0DH_SetKeyMatrix(
                 keyTable({{keyQ, {4, 1, 0, 0}}, {keyW, {4, 1, 2, 0}}, {f2, {4, 1, 1, 0}}}));
         }},
        {"key: a macro key turned media gives its slot up",
         {{"modules/setting/p1.bin", profileWithKeys({{f3, {4, 1, 5, 0}}})},
          {"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)},
          {"modules/macro/Macro. 002.bin", macroFile(5, keystrokeB)}},
         {"key", "F3", "MUTE"},
         [macro1, macro2](myQQuickView& view, FakeSettingsDialogs&) {
             view.setMacroIniConfig(macro1, numbers({-1, 1}));
             view.setMacroIniConfig(macro2, numbers({-1, 1}));
             view.ui_0DH_SetKeyMatrix(keyTable({{f3, {3, 0, 0xE2, 0}}}));
         }},
        {"key: two keys share a slot; one of them released keeps it",
         {{"modules/setting/p1.bin", profileWithKeys({{f3, {4, 1, 5, 0}}, {keyQ, {4, 1, 5, 0}}})},
          {"modules/macro/Macro. 002.bin", macroFile(5, keystrokeB)}},
         {"key", "F3", "none"},
         [](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_0DH_SetKeyMatrix(keyTable({{f3, {0, 0, 0, 0}}, {keyQ, {4, 1, 5, 0}}}));
         }},
        {"macro: load into a chosen slot",
         {{"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)}},
         {"macro", "load", "Macro. 001", "--slot", "4"},
         [macro1](myQQuickView& view, FakeSettingsDialogs&) {
             view.setMacroIniConfig(macro1, numbers({4, 1}));
             view.ui_11H_SetMacroKey(4, macro1);
         }},
        {"macro: load into its own slot",
         {{"modules/macro/Macro. 002.bin", macroFile(5, keystrokeB)}},
         {"macro", "load", "Macro. 002"},
         [macro2](myQQuickView& view, FakeSettingsDialogs&) {
             view.ui_11H_SetMacroKey(5, macro2);
         }},
        {"reset",
         {{"modules/setting/p2.bin", "[color]\nledType=1, 2, 3, 4, 5\n"}},
         {"reset", "2"},
         [](myQQuickView& view, FakeSettingsDialogs&) { view.resetProfile(1); }},
    };
}

} // namespace

class TestCtlCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        shippedFolder = QDir::currentPath();
        QVERIFY(QFile::exists(QStringLiteral("modules/setting/HWDef.bin")));
    }

    void cleanup() { QDir::setCurrent(shippedFolder); }

    void ctlDoesWhatTheWindowDoes() {
        for (const Case& c : cases()) {
            CtlWorld window(shippedFolder, c.seed);
            CtlWorld ctl(shippedFolder, c.seed);
            for (CtlWorld* world : {&window, &ctl}) {
                VirtualKeyboardState state;
                state.currentProfile = uchar(c.profile);
                world->keyboard->setState(state);
            }
            window.runWindow(c.window);
            const CtlWorld::CtlRun run = ctl.runCtl(c.ctl);
            QVERIFY2(run.status == 0,
                     qPrintable(QLatin1String(c.name) + QLatin1String(": ") + run.err));
            QVERIFY2(run.err.isEmpty(), c.name);
            QVERIFY2(!run.out.isEmpty(), c.name);
            QVERIFY2(ctl.setTraffic() == window.setTraffic(), c.name);
            const CtlWorld::Files files = ctl.settingsFiles();
            QVERIFY2(files == window.settingsFiles(), c.name);
            QVERIFY2(!files.isEmpty() || c.ctl.first() == QLatin1String("profile"), c.name);
        }
    }

    // The profile files as the menu's load and save move them, with the same file on both sides.
    void importAndExportMoveTheSameFiles() {
        const CtlWorld::Files seed{{"modules/setting/p3.bin", "[color]\n0=9, 9, 9\n"}};
        CtlWorld window(shippedFolder, seed);
        CtlWorld ctl(shippedFolder, seed);
        for (CtlWorld* world : {&window, &ctl})
            world->sandbox.write(QStringLiteral("in.pf"), "[color]\nbackLedType=4, 5, 6, 7, 0\n");
        window.runWindow([&](myQQuickView& view, FakeSettingsDialogs& dialogs) {
            dialogs.answer = window.sandbox.path(QStringLiteral("in.pf"));
            view.loadProfile(4);
            dialogs.answer = window.sandbox.path(QStringLiteral("out.pf"));
            view.saveProfile(2);
        });
        // People count the profiles from 1: profile 5 is index 4.
        QCOMPARE(ctl.runCtl({"import", "5", "in.pf"}).status, 0);
        QCOMPARE(ctl.runCtl({"export", "3", "out.pf"}).status, 0);
        QCOMPARE(ctl.settingsFiles(), window.settingsFiles());
        QCOMPARE(ctl.sandbox.read(QStringLiteral("out.pf")),
                 window.sandbox.read(QStringLiteral("out.pf")));
        QVERIFY(ctl.sandbox.read(QStringLiteral("out.pf")).contains("0=9, 9, 9"));
        QVERIFY(ctl.keyboard->record().isEmpty());

        const CtlWorld::CtlRun again = ctl.runCtl({"export", "3", "out.pf"});
        QCOMPARE(again.status, 2);
        QVERIFY(again.err.contains(QStringLiteral("exists")));
    }

    void statusReadsTheKeyboard() {
        CtlWorld ctl(shippedFolder, {});
        VirtualKeyboardState state;
        state.currentProfile = 3;
        state.reportRate = 2;
        state.mode = 1;
        ctl.keyboard->setState(state);
        const CtlWorld::CtlRun run = ctl.runCtl({"--json", "status"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.trimmed(),
                 QStringLiteral("{\"connected\":true,\"firmware\":\"1.05\",\"keyboards\":[{"
                                "\"command\":\"%1\",\"notification\":\"%2\"}],\"mode\":\"gaming\","
                                "\"profile\":4,\"reportRate\":2}")
                     .arg(QString::fromLatin1(ctl.keyboard->listInterfaces()[1].path),
                          QString::fromLatin1(ctl.keyboard->listInterfaces()[2].path)));
        QVERIFY(ctl.setTraffic().isEmpty());
    }

    // A profile that korvanectl changed is what the window shows at its next profile load, and
    // what the window stores afterwards keeps korvanectl's change.
    void theWindowSeesAScriptsChangeAtItsNextProfileLoad() {
        CtlWorld world(shippedFolder, {});
        world.runWindow([&](myQQuickView& view, FakeSettingsDialogs&) {
            QCOMPARE(view.ui_95H_GetBackLEDType(), QVariantList());
            view.ui_14H_SetColor(0, 1, 2, 3);
            QCOMPARE(world.runCtl({"backlight", "twinkling", "--speed", "7"}).status, 0);
            world.enter();
            QVERIFY(view.profileSettings[0]->sync());
            const QByteArray stored = world.sandbox.read(QStringLiteral("modules/setting/p1.bin"));
            QVERIFY2(stored.contains("backLedType=2, 1, 49, 7, 0") && stored.contains("0=1, 2, 3"),
                     stored.constData());

            QCOMPARE(world.runCtl({"backlight", "marquee"}).status, 0);
            world.enter();
            QCOMPARE(view.ui_95H_GetBackLEDType(), numbers({2, 1, 49, 7, 0}));
            view.ui_02H_SetCurrentProfile(0);
            QCOMPARE(view.ui_95H_GetBackLEDType(), numbers({3, 1, 49, 7, 0}));
        });
    }

    void badArgumentsNameTheValidOnesAndSendNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << "name a command; valid: status, profile";
        QTest::newRow("unknown command")
            << QStringList{"blink"} << "valid: status, profile, export";
        QTest::newRow("unknown effect") << QStringList{"lighting", "sparkle"}
                                        << "unknown effect 'sparkle'; valid: STATIC, BREATHING";
        QTest::newRow("control the effect lacks")
            << QStringList{"lighting", "static", "--speed", "3"}
            << "STATIC takes no --speed; it takes --brightness, --color";
        QTest::newRow("slider out of range") << QStringList{"lighting", "wave", "--speed", "8"}
                                             << "--speed and --brightness take 0 to 7";
        QTest::newRow("colour") << QStringList{"backlight", "static", "--color", "pink"}
                                << "unknown color 'pink'; valid: 0 to 7 or red";
        QTest::newRow("option of another command")
            << QStringList{"backlight", "static", "--direction", "1"}
            << "unknown option --direction; valid: --speed, --brightness, --color, --list";
        QTest::newRow("value missing")
            << QStringList{"lighting", "wave", "--speed"} << "--speed needs a value";
        QTest::newRow("profile") << QStringList{"profile", "7"}
                                 << "'7' is no profile; valid: 1 to 6";
        QTest::newRow("profile 0, the keyboard's count")
            << QStringList{"profile", "0"} << "'0' is no profile; valid: 1 to 6";
        QTest::newRow("export of profile 0")
            << QStringList{"export", "0", "out.pf"} << "'0' is no profile; valid: 1 to 6";
        QTest::newRow("key") << QStringList{"key", "F25", "A"} << "no key 'F25' on the keyboard";
        QTest::newRow("assignment") << QStringList{"key", "Caps", "Ctrl+Nothing"}
                                    << "'Ctrl+Nothing' is no assignment; valid: a key name";
        QTest::newRow("four keys") << QStringList{"key", "Caps", "A+B+C+D"} << "is no assignment";
        QTest::newRow("macro") << QStringList{"key", "Caps", "macro:Nothing"}
                               << "no macro 'Nothing'; valid: Macro. 001";
        QTest::newRow("macro action")
            << QStringList{"macro", "run"} << "'run' is no action; valid: list, show, load";
        QTest::newRow("macro slot")
            << QStringList{"macro", "load", "Macro. 001", "--slot", "35"} << "--slot takes 0 to 34";
        QTest::newRow("slot of another macro")
            << QStringList{"macro", "load", "Macro. 001", "--slot", "5"}
            << "slot 5 holds 'Macro. 002'";
        QTest::newRow("import from nowhere")
            << QStringList{"import", "1", "missing.pf"} << "import: cannot read";
    }

    void badArgumentsNameTheValidOnesAndSendNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        CtlWorld ctl(shippedFolder, {{"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)},
                                     {"modules/macro/Macro. 002.bin", macroFile(5, keystrokeB)}});
        const CtlWorld::Files before = ctl.settingsFiles();
        const CtlWorld::CtlRun run = ctl.runCtl(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.startsWith(QStringLiteral("korvanectl: ")), qPrintable(run.err));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(ctl.setTraffic().isEmpty());
        QCOMPARE(ctl.settingsFiles(), before);
    }

    void aMissingOrForbiddenKeyboardIsReportedAndNothingChanges_data() {
        QTest::addColumn<QStringList>("arguments");
        for (const QStringList& arguments :
             {QStringList{"status"}, QStringList{"profile", "2"},
              QStringList{"lighting", "breathing"}, QStringList{"backlight", "static"},
              QStringList{"key", "Caps", "A"}, QStringList{"macro", "load", "Macro. 001"}})
            QTest::newRow(qPrintable(arguments.join(QLatin1Char(' ')))) << arguments;
    }

    void aMissingOrForbiddenKeyboardIsReportedAndNothingChanges() {
        QFETCH(QStringList, arguments);
        CtlWorld ctl(shippedFolder, {{"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)}});
        const CtlWorld::Files before = ctl.settingsFiles();

        ctl.refuseAccess = true;
        CtlWorld::CtlRun run = ctl.runCtl(arguments);
        QCOMPARE(run.status, 4);
        QVERIFY2(run.err.contains(QStringLiteral("no permission to open virtual:")),
                 qPrintable(run.err));
        QVERIFY(run.err.contains(QStringLiteral("udev")));
        QCOMPARE(run.err.count(QLatin1Char('\n')), 1);

        ctl.refuseAccess = false;
        ctl.keyboard->unplug();
        run = ctl.runCtl(arguments);
        QCOMPARE(run.status, 3);
        QCOMPARE(run.err,
                 QStringLiteral("korvanectl: no Z9 keyboard found (--demo uses a virtual one)\n"));

        QVERIFY(run.out.isEmpty());
        QVERIFY(ctl.keyboard->record().isEmpty());
        QCOMPARE(ctl.settingsFiles(), before);
    }

    void helpForEveryCommand() {
        CtlWorld ctl(shippedFolder, {});
        const CtlWorld::CtlRun overview = ctl.runCtl({"--help"});
        QCOMPARE(overview.status, 0);
        QVERIFY(overview.out.contains(QStringLiteral("5 device busy")));
        for (const char* command : {"status", "profile", "export", "import", "reset", "lighting",
                                    "backlight", "key", "macro"}) {
            const CtlWorld::CtlRun run = ctl.runCtl({QLatin1String(command), "--help"});
            QCOMPARE(run.status, 0);
            QVERIFY2(
                run.out.startsWith(QStringLiteral("Usage: korvanectl ") + QLatin1String(command)),
                command);
        }
        QVERIFY(ctl.keyboard->record().isEmpty());
    }

    void completionOffersWhatTheCommandsTake_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("commands") << QStringList{"ma"} << QStringList{"macro"};
        QTest::newRow("effects") << QStringList{"lighting", "marquee"}
                                 << QStringList{"marquee", "marquee-colorful", "marquee-circle"};
        QTest::newRow("colours") << QStringList{"backlight", "static", "--color", "b"}
                                 << QStringList{"blue"};
        QTest::newRow("a key name with a blank")
            << QStringList{"key", "KP\\ E"} << QStringList{"KP Enter"};
        QTest::newRow("media") << QStringList{"key", "F1", "VOLUME"}
                               << QStringList{"VOLUME UP", "VOLUME DOWN"};
        QTest::newRow("macros") << QStringList{"key", "F1", "macro:"}
                                << QStringList{"macro:Macro. 001"};
        QTest::newRow("profiles") << QStringList{"--json", "profile", ""}
                                  << QStringList{"1", "2", "3", "4", "5", "6"};
    }

    void completionOffersWhatTheCommandsTake() {
        QFETCH(QStringList, words);
        QFETCH(QStringList, expected);
        CtlWorld ctl(shippedFolder, {{"modules/macro/Macro. 001.bin", macroFile(-1, keystrokeA)}});
        const CtlWorld::CtlRun run = ctl.runCtl(QStringList{"__complete"} + words);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
    }
};

QTEST_MAIN(TestCtlCommands)
#include "test_ctl_commands.moc"
