// Every keyboard command, byte for byte as the virtual keyboard saw it on the wire.
#include "virtual_link.h"

#include <QTest>

#include <functional>

namespace {

using Issue = std::function<QVariant(Hid_Thread&)>;

struct CommandCase {
    const char* name;
    Issue issue;
    QList<WireReport> wire;
    QVariant results;
};

// What the keyboard holds before each case, so that every get command has something to return.
VirtualKeyboardState preparedState() {
    VirtualKeyboardState state;
    state.currentProfile = 2;
    state.reportRate = 0x03;
    state.options = {0x01, 0x02, 0x03, 0x04};
    state.sensitivity = {0x05, 0x06, 0x07, 0x08};
    state.mode = 0x01;
    std::copy_n(pattern(192, 50).constData(), 192, state.macros[5].begin());
    auto& profile = state.profiles[2];
    profile.ledType = {0x02, 0x09, 0x0A, 0x0B, 0x0C, 0x0D};
    profile.backLedType = {0x15, 0x16, 0x17, 0x18, 0x19};
    profile.palette[4] = {0x11, 0x22, 0x33};
    std::copy_n(pattern(512, 10).constData(), 512, profile.keyMatrix.begin());
    std::copy_n(pattern(21, 30).constData(), 21, profile.keyOnOff.begin());
    std::copy_n(pattern(512, 70).constData(), 512, profile.pictures[2].begin());
    return state;
}

QList<WireReport> concat(std::initializer_list<QList<WireReport>> parts) {
    QList<WireReport> all;
    for (const auto& part : parts)
        all.append(part);
    return all;
}

QVariant bytesResult(std::initializer_list<uchar> bytes) {
    return QByteArray(reinterpret_cast<const char*>(std::data(bytes)), qsizetype(bytes.size()));
}

// Runs a get command with results preset to 0xEE and returns them.
template <int N, typename Call> QVariant getBytes(Call call) {
    std::array<uchar, N> out;
    out.fill(0xEE);
    call(out);
    return QByteArray(reinterpret_cast<const char*>(out.data()), N);
}

template <int N, typename Call> QVariant getPayload(Call call) {
    QByteArray buffer(N, char(0xEE));
    call(bytesOf(buffer));
    return buffer;
}

QList<CommandCase> commandCases() {
    const QByteArray matrix = pattern(512, 1);
    const QByteArray onOff = pattern(21, 2);
    const QByteArray macro = pattern(192, 3);
    const QByteArray picture = pattern(512, 4);
    return {
        {"01 report rate",
         [](Hid_Thread& h) {
             h.hid_01H_SetReportRate(3);
             return QVariant();
         },
         {featureOut("00 01 03 00 00 00 00 00 FB"), ackNotification},
         {}},
        {"02 current profile",
         [](Hid_Thread& h) {
             h.hid_02H_SetCurrentProfile(2);
             return QVariant();
         },
         {featureOut("00 02 02 00 00 00 00 00 FB")},
         {}},
        {"03 keyboard option",
         [](Hid_Thread& h) {
             h.hid_03H_SetKeyboardoption(1, 2, 3, 4);
             return QVariant();
         },
         {featureOut("00 03 01 02 03 04 00 00 F2")},
         {}},
        {"04 button sensitivity",
         [](Hid_Thread& h) {
             h.hid_04H_SetButtonSensitivity(5, 6, 7, 8);
             return QVariant();
         },
         {featureOut("00 04 05 06 07 08 00 00 E1"), ackNotification},
         {}},
        {"07 indicator light",
         [](Hid_Thread& h) {
             h.hid_07H_SetControlIndicatorLight(1, 2);
             return QVariant();
         },
         {featureOut("00 07 01 02 00 00 00 00 F5")},
         {}},
        {"08 LED type",
         [](Hid_Thread& h) {
             h.hid_08H_SetLEDType(0x02, 0x09, 0x0A, 0x0B, 0x0C, 0x0D);
             return QVariant();
         },
         {featureOut("00 08 02 09 0A 0B 0C 0D BE"), ackNotification},
         {}},
        {"0D key matrix",
         [matrix](Hid_Thread& h) {
             QByteArray copy = matrix;
             h.hid_0DH_SetKeyMatrix(bytesOf(copy));
             copy.fill('\xFF'); // the command has taken its own copy
             return QVariant();
         },
         concat({{featureOut("00 0D 00 00 08 00 00 00 EA"), ackNotification},
                 outputReports(matrix),
                 {ackNotification}}),
         {}},
        {"0E key on/off",
         [onOff](Hid_Thread& h) {
             QByteArray copy = onOff;
             h.hid_0EH_SetKeyOnOff(bytesOf(copy));
             return QVariant();
         },
         concat({{featureOut("00 0E 00 00 15 00 00 00 DC"), ackNotification},
                 outputReports(onOff),
                 {ackNotification}}),
         {}},
        {"09 keyboard mode",
         [](Hid_Thread& h) {
             h.hid_09H_SetKeyboardMode(1);
             return QVariant();
         },
         {featureOut("00 09 01 00 00 00 00 00 F5"), ackNotification},
         {}},
        {"11 macro key",
         [macro](Hid_Thread& h) {
             QByteArray copy = macro;
             h.hid_11H_SetMacroKey(5, bytesOf(copy));
             return QVariant();
         },
         concat({{featureOut("00 11 00 05 03 00 00 00 E6"), ackNotification},
                 outputReports(macro),
                 {ackNotification}}),
         {}},
        {"12 user picture",
         [picture](Hid_Thread& h) {
             QByteArray copy = picture;
             h.hid_12H_SetUserPicture(2, 0, bytesOf(copy));
             return QVariant();
         },
         concat({{featureOut("00 12 00 02 08 00 00 00 E3"), ackNotification},
                 outputReports(picture),
                 {ackNotification}}),
         {}},
        {"13 recovery",
         [](Hid_Thread& h) {
             h.hid_13H_SetRecoveryData();
             return QVariant();
         },
         {featureOut("00 13 FF 00 00 00 00 00 ED")},
         {}},
        {"14 colour",
         [](Hid_Thread& h) {
             h.hid_14H_SetColor(4, 0x11, 0x22, 0x33);
             return QVariant();
         },
         {featureOut("00 14 00 04 11 22 33 00 81")},
         {}},
        {"15 back LED type",
         [](Hid_Thread& h) {
             h.hid_15H_SetBackLEDType(0x15, 0x16, 0x17, 0x18, 0x19);
             return QVariant();
         },
         {featureOut("00 15 15 16 17 18 19 00 77"), ackNotification},
         {}},
        {"80 firmware version",
         [](Hid_Thread& h) {
             QString version;
             h.hid_80H_GetFWVersion(version);
             return QVariant(version);
         },
         {featureOut("00 80 00 00 00 00 00 00 7F"), featureIn("00 80 01 05 00 00 00 00 79")},
         QStringLiteral(" 1.05")},
        {"81 report rate",
         [](Hid_Thread& h) { return getBytes<1>([&](auto& o) { h.hid_81H_GetReportRate(o[0]); }); },
         {featureOut("00 81 00 00 00 00 00 00 7E"), featureIn("00 81 03 00 00 00 00 00 7B")},
         bytesResult({0x03})},
        {"82 current profile",
         [](Hid_Thread& h) {
             return getBytes<1>([&](auto& o) { h.hid_82H_GetCurrentProfile(o[0]); });
         },
         {featureOut("00 82 00 00 00 00 00 00 7D"), featureIn("00 82 02 00 00 00 00 00 7B")},
         bytesResult({0x02})},
        {"83 keyboard option",
         [](Hid_Thread& h) {
             return getBytes<4>(
                 [&](auto& o) { h.hid_83H_GetKeyboardoption(o[0], o[1], o[2], o[3]); });
         },
         {featureOut("00 83 00 00 00 00 00 00 7C"), featureIn("00 83 01 02 03 04 00 00 72")},
         bytesResult({0x01, 0x02, 0x03, 0x04})},
        {"84 button sensitivity",
         [](Hid_Thread& h) {
             return getBytes<4>(
                 [&](auto& o) { h.hid_84H_GetButtonSensitivity(o[0], o[1], o[2], o[3]); });
         },
         {featureOut("00 84 00 00 00 00 00 00 7B"), featureIn("00 84 05 06 07 08 00 00 61")},
         bytesResult({0x05, 0x06, 0x07, 0x08})},
        {"88 LED type (option byte not returned)",
         [](Hid_Thread& h) {
             return getBytes<5>(
                 [&](auto& o) { h.hid_88H_GetLEDType(o[0], o[1], o[2], o[3], o[4]); });
         },
         {featureOut("00 88 00 00 00 00 00 00 77"), featureIn("00 88 02 09 0A 0B 0C 0D 3E")},
         bytesResult({0x09, 0x0A, 0x0B, 0x0C, 0x0D})},
        {"89 keyboard mode",
         [](Hid_Thread& h) {
             return getBytes<1>([&](auto& o) { h.hid_89H_GetKeyboardMode(o[0]); });
         },
         {featureOut("00 89 00 00 00 00 00 00 76"), featureIn("00 89 01 00 00 00 00 00 75")},
         bytesResult({0x01})},
        {"8D key matrix (no checksum)",
         [](Hid_Thread& h) {
             return getPayload<512>([&](uchar* b) { h.hid_8DH_GetKeyMatrix(b); });
         },
         concat(
             {{featureOut("00 8D 00 00 00 00 00 00 00"), featureIn("00 8D 00 00 00 00 00 00 72")},
              inputReports(pattern(512, 10))}),
         pattern(512, 10)},
        {"8E key on/off",
         [](Hid_Thread& h) { return getPayload<21>([&](uchar* b) { h.hid_8EH_GetKeyOnOff(b); }); },
         concat(
             {{featureOut("00 8E 00 00 00 00 00 00 71"), featureIn("00 8E 00 00 00 00 00 00 71")},
              inputReports(pattern(21, 30))}),
         pattern(21, 30)},
        {"91 macro key",
         [](Hid_Thread& h) {
             return getPayload<192>([&](uchar* b) { h.hid_91H_GetMacroKey(5, b); });
         },
         concat(
             {{featureOut("00 91 00 05 00 00 00 00 69"), featureIn("00 91 00 05 00 00 00 00 69")},
              inputReports(pattern(192, 50))}),
         pattern(192, 50)},
        {"92 user picture",
         [](Hid_Thread& h) {
             return getPayload<512>([&](uchar* b) { h.hid_92H_GetUserPicture(2, b); });
         },
         concat(
             {{featureOut("00 92 00 02 00 00 00 00 6B"), featureIn("00 92 00 02 00 00 00 00 6B")},
              inputReports(pattern(512, 70))}),
         pattern(512, 70)},
        {"94 colour",
         [](Hid_Thread& h) {
             return getBytes<3>([&](auto& o) { h.hid_94H_GetColor(4, o[0], o[1], o[2]); });
         },
         {featureOut("00 94 00 04 00 00 00 00 67"), featureIn("00 94 00 04 11 22 33 00 01")},
         bytesResult({0x11, 0x22, 0x33})},
        {"95 back LED type",
         [](Hid_Thread& h) {
             return getBytes<5>(
                 [&](auto& o) { h.hid_95H_GetBackLEDType(o[0], o[1], o[2], o[3], o[4]); });
         },
         {featureOut("00 95 00 00 00 00 00 00 6A"), featureIn("00 95 15 16 17 18 19 00 F7")},
         bytesResult({0x15, 0x16, 0x17, 0x18, 0x19})},
    };
}

} // namespace

class TestDeviceCommands : public QObject {
    Q_OBJECT

private slots:
    void everyCommandOnTheWire_data() {
        QTest::addColumn<int>("row");
        const QList<CommandCase> cases = commandCases();
        QCOMPARE(cases.size(), qsizetype(deviceCommands.size()));
        for (int row = 0; row < cases.size(); ++row)
            QTest::newRow(cases[row].name) << row;
    }

    void everyCommandOnTheWire() {
        QFETCH(int, row);
        const CommandCase command = commandCases()[row];
        VirtualLink link;
        link.keyboard->setState(preparedState());

        const QVariant results = command.issue(link.hid);
        QVERIFY(link.hid.waitUntilIdle(2000));

        QCOMPARE(link.keyboard->record(), command.wire);
        QCOMPARE(results, command.results);
    }

    // What the set commands write is what the get commands of the same setting read back.
    void setSettingsReadBackUnchanged() {
        VirtualLink link;
        QByteArray matrix = pattern(512, 9);
        QByteArray macro = pattern(192, 8);
        link.hid.hid_02H_SetCurrentProfile(4);
        link.hid.hid_0DH_SetKeyMatrix(bytesOf(matrix));
        link.hid.hid_11H_SetMacroKey(34, bytesOf(macro));
        link.hid.hid_14H_SetColor(6, 1, 2, 3);
        link.hid.hid_08H_SetLEDType(2, 3, 4, 5, 6, 7);

        QByteArray matrixBack(512, '\0');
        QByteArray macroBack(192, '\0');
        uchar profile = 0, r = 0, g = 0, b = 0;
        std::array<uchar, 5> led{};
        link.hid.hid_82H_GetCurrentProfile(profile);
        link.hid.hid_8DH_GetKeyMatrix(bytesOf(matrixBack));
        link.hid.hid_91H_GetMacroKey(34, bytesOf(macroBack));
        link.hid.hid_94H_GetColor(6, r, g, b);
        link.hid.hid_88H_GetLEDType(led[0], led[1], led[2], led[3], led[4]);

        QCOMPARE(profile, uchar(4));
        QCOMPARE(matrixBack, matrix);
        QCOMPARE(macroBack, macro);
        QCOMPARE((std::array<uchar, 3>{r, g, b}), (std::array<uchar, 3>{1, 2, 3}));
        QCOMPARE(led, (std::array<uchar, 5>{3, 4, 5, 6, 7}));
        QCOMPARE(link.keyboard->state().profiles[4].keyMatrix[511], uchar(matrix[511]));
    }

    void checksumIsTheComplementOfTheSumOfSevenBytes() {
        Hid_Thread hid(std::make_shared<VirtualHidBackend>());
        uchar request[7] = {0x81, 0, 0, 0, 0, 0, 0};
        QCOMPARE(hid.hidCS(request), uchar(0x7E));
        uchar wrapping[7] = {0xFF, 0xFF, 0x02, 0, 0, 0, 0};
        QCOMPARE(hid.hidCS(wrapping), uchar(0xFF));
    }
};

QTEST_GUILESS_MAIN(TestDeviceCommands)
#include "test_device_commands.moc"
