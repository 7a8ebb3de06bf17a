// The controller's device slots against the virtual Z9: what reaches the wire, and what the
// current profile's file keeps.
#include "../device/virtual_link.h"
#include "../settings/settings_sandbox.h"
#include "../settings/view_under_test.h"
#include "app/ui_controler.h"
#include "app/widget.h"
#include "device/lang_file_valid.h"
#include "settings/language_checksum.h"
#include "settings/profile_store.h"
#include "variant_lists.h"

#include <QTest>

namespace {

QVariantList listOf(const QByteArray& bytes) {
    QVariantList list;
    for (const char byte : bytes)
        list.append(int(uchar(byte)));
    return list;
}

template <std::size_t N> QByteArray bytesOfArray(const std::array<unsigned char, N>& array) {
    return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(N));
}

// Elements 0, 1, 2 … 511, so that every byte is told apart and most do not fit in one byte.
QVariantList countingMatrix() {
    QVariantList matrix;
    for (int i = 0; i < 512; ++i)
        matrix.append(i);
    return matrix;
}

QByteArray lowBytes(const QVariantList& values) {
    QByteArray bytes;
    for (const QVariant& value : values)
        bytes.append(char(value.toInt() & 0xFF));
    return bytes;
}

} // namespace

class TestDeviceBridge : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SettingsSandbox> sandbox;
    std::unique_ptr<VirtualLink> link;
    std::unique_ptr<ViewUnderTest> view;

    VirtualKeyboardState keyboardAfterTransfers() {
        [&] { QVERIFY(link->hid.waitUntilIdle(5000)); }();
        return link->keyboard->state();
    }

    SettingsFile& currentFile() { return view->profile((*view)->currentProfile); }

private slots:
    void init() {
        isLangFileValid = true;
        sandbox = std::make_unique<SettingsSandbox>();
        link = std::make_unique<VirtualLink>();
        view = std::make_unique<ViewUnderTest>();
        (*view)->hidThread = &link->hid;
        link->keyboard->clearRecord();
    }

    void cleanup() {
        view.reset();
        link.reset();
        sandbox.reset();
        isLangFileValid = true;
    }

    void plainSetCommandsReachTheKeyboardAndStoreNothing() {
        (*view)->ui_13H_SetRecoveryData();
        (*view)->ui_01H_SetReportRate(3);
        (*view)->ui_03H_SetKeyboardoption(1, 2, 3, 4);
        (*view)->ui_04H_SetButtonSensitivity(5, 6, 7, 8);
        (*view)->ui_07H_SetControlIndicatorLight(9, 10);
        (*view)->ui_09H_SetKeyboardMode(1);
        (*view)->ui_0EH_SetKeyOnOff(listOf(pattern(21, 2)));
        const VirtualKeyboardState state = keyboardAfterTransfers();
        QCOMPARE(state.reportRate, 3);
        QCOMPARE(bytesOfArray(state.options), hex("01020304"));
        QCOMPARE(bytesOfArray(state.sensitivity), hex("05060708"));
        QCOMPARE(bytesOfArray(state.indicatorLight), hex("090A"));
        QCOMPARE(state.mode, 1);
        QCOMPARE(bytesOfArray(state.profiles[0].keyOnOff), pattern(21, 2));
        QVERIFY(link->keyboard->record().contains(featureOut("00 13 FF 00 00 00 00 00 ED")));
        QVERIFY(currentFile().allKeys().isEmpty());
    }

    void lightingIsStoredAndSent() {
        (*view)->ui_08H_SetLEDType(0x02, 0x03, 0x06, 49, 1, 1);
        (*view)->ui_14H_SetColor(3, 255, 180, 0);
        (*view)->ui_15H_SetBackLEDType(3, 10, 21, 7, 0);
        const QVariantList picture = listOf(pattern(512, 4));
        (*view)->ui_12H_SetUserPicture(2, 0, picture);

        QCOMPARE((*view)->ui_88H_GetLEDType(), numbers({3, 6, 49, 1, 1}));
        QCOMPARE((*view)->ui_94H_GetColor(3), numbers({255, 180, 0}));
        QCOMPARE((*view)->ui_95H_GetBackLEDType(), numbers({3, 10, 21, 7, 0}));
        QCOMPARE((*view)->ui_92H_GetUserPicture(2), picture);
        const VirtualKeyboardState state = keyboardAfterTransfers();
        QCOMPARE(bytesOfArray(state.profiles[0].ledType), hex("02030631"
                                                              "0101"));
        QCOMPARE(bytesOfArray(state.profiles[0].palette[3]), hex("FFB400"));
        QCOMPARE(bytesOfArray(state.profiles[0].backLedType), hex("030A150700"));
        QCOMPARE(bytesOfArray(state.profiles[0].pictures[2]), pattern(512, 4));
        currentFile().sync();
        QVERIFY(sandbox->read(QStringLiteral("modules/setting/p1.bin")).contains("3=255, 180, 0"));
    }

    void lightsOffStoresFiveZerosUntilTheNextLightingWrite() {
        (*view)->ui_08H_SetLEDType(0x01, 0, 0, 0, 0, 0);
        QCOMPARE((*view)->ui_88H_GetLEDType(), numbers({0, 0, 0, 0, 0}));
        (*view)->ui_08H_SetLEDType(0x02, 0x02, 0x06, 49, 1, 1);
        QCOMPARE((*view)->ui_88H_GetLEDType(), numbers({2, 6, 49, 1, 1}));
    }

    void keyMatrixStoresElementsAndSendsTheirLowBytes() {
        const QVariantList matrix = countingMatrix();
        (*view)->ui_0DH_SetKeyMatrix(matrix);

        QCOMPARE((*view)->getKeydefine(75), numbers({300, 301, 302, 303}));
        QCOMPARE((*view)->getKeydefine(125), numbers({500, 501, 502, 503}));
        QCOMPARE((*view)->getKeydefine(126), QVariantList());
        const VirtualKeyboardState state = keyboardAfterTransfers();
        const QByteArray sent = bytesOfArray(state.profiles[0].keyMatrix);
        QCOMPARE(sent, lowBytes(matrix));
        QCOMPARE(uchar(sent[300]), uchar(44));
        // Bytes 504 … 511 go out exactly as the scene passed them.
        QCOMPARE(sent.mid(504), hex("F8F9FAFBFCFDFEFF"));
    }

    void keyMatrixReadBackAfterRestartSendsTheSameBytes() {
        const QVariantList matrix = countingMatrix();
        (*view)->ui_0DH_SetKeyMatrix(matrix);
        const QByteArray first = bytesOfArray(keyboardAfterTransfers().profiles[0].keyMatrix);
        view.reset();

        SettingsSandbox restarted;
        sandbox->copySettingsTo(restarted);
        QDir::setCurrent(restarted.path(QString()));
        view = std::make_unique<ViewUnderTest>();
        (*view)->hidThread = &link->hid;
        link->keyboard->setState({});

        QVariantList again;
        for (int n = 0; n < 126; ++n) {
            const QVariantList code = (*view)->getKeydefine(n);
            QCOMPARE(code[0].typeId(), QMetaType::QString);
            again.append(code);
        }
        again.append(QVariantList(8, 0));
        (*view)->ui_0DH_SetKeyMatrix(again);
        const QByteArray second = bytesOfArray(keyboardAfterTransfers().profiles[0].keyMatrix);
        QCOMPARE(second.left(504), first.left(504));
        QCOMPARE(second.mid(504), QByteArray(8, '\0'));
        view.reset();
        QDir::setCurrent(sandbox->path(QString()));
    }

    void shortListsAreFilledWithZeros() {
        (*view)->ui_0DH_SetKeyMatrix(numbers({1, 2, 3, 4, 5}));
        (*view)->ui_0EH_SetKeyOnOff(numbers({7, 8}));
        (*view)->ui_12H_SetUserPicture(0, 0, numbers({9}));
        const VirtualKeyboardState state = keyboardAfterTransfers();
        QCOMPARE(bytesOfArray(state.profiles[0].keyMatrix), hex("0102030405") + QByteArray(507, 0));
        QCOMPARE(bytesOfArray(state.profiles[0].keyOnOff), hex("0708") + QByteArray(19, 0));
        QCOMPARE(bytesOfArray(state.profiles[0].pictures[0]), hex("09") + QByteArray(511, 0));
        QCOMPARE((*view)->getKeydefine(1), numbers({5, 0, 0, 0}));
        QCOMPARE((*view)->ui_92H_GetUserPicture(0), numbers({9}));
    }

    void selectingAProfileSwitchesTheFileAndTheKeyboard() {
        (*view)->ui_02H_SetCurrentProfile(0);
        QVERIFY(link->keyboard->record().isEmpty());

        (*view)->ui_14H_SetColor(0, 1, 1, 1);
        (*view)->ui_02H_SetCurrentProfile(2);
        QCOMPARE((*view)->currentProfile, 2);
        QCOMPARE(keyboardAfterTransfers().currentProfile, 2);
        QCOMPARE((*view)->ui_94H_GetColor(0), QVariantList());
        (*view)->ui_14H_SetColor(0, 3, 3, 3);
        QCOMPARE(ProfileStore::read(view->profile(2), ProfileStore::colorKey(0)),
                 numbers({3, 3, 3}));
        QCOMPARE(ProfileStore::read(view->profile(0), ProfileStore::colorKey(0)),
                 numbers({1, 1, 1}));

        QVERIFY(link->hid.waitUntilIdle(5000));
        link->keyboard->clearRecord();
        for (int refused : {2, -1, 6, 256}) {
            (*view)->ui_02H_SetCurrentProfile(refused);
            QCOMPARE((*view)->currentProfile, 2);
        }
        QVERIFY(link->keyboard->record().isEmpty());
    }

    void profileReadsNeverReachTheKeyboard() {
        QCOMPARE((*view)->ui_88H_GetLEDType(), QVariantList());
        QCOMPARE((*view)->ui_92H_GetUserPicture(0), QVariantList());
        QCOMPARE((*view)->ui_94H_GetColor(0), QVariantList());
        QCOMPARE((*view)->ui_95H_GetBackLEDType(), QVariantList());
        QCOMPARE((*view)->getKeydefine(0), QVariantList());
        QVERIFY(link->keyboard->record().isEmpty());
    }

    void getCommandsReturnTheKeyboardsBytes() {
        VirtualKeyboardState state;
        state.currentProfile = 4;
        state.reportRate = 2;
        state.options = {1, 2, 3, 4};
        state.sensitivity = {5, 6, 7, 250};
        state.mode = 1;
        std::copy_n(pattern(512, 10).constData(), 512, state.profiles[4].keyMatrix.begin());
        std::copy_n(pattern(21, 30).constData(), 21, state.profiles[4].keyOnOff.begin());
        std::copy_n(pattern(192, 50).constData(), 192, state.macros[7].begin());
        link->keyboard->setState(state);

        QCOMPARE((*view)->ui_81H_GetReportRate(), QVariant(2));
        QCOMPARE((*view)->ui_82H_GetCurrentProfile(), QVariant(4));
        QCOMPARE((*view)->currentProfile, 0);
        QCOMPARE((*view)->ui_83H_GetKeyboardoption(), numbers({1, 2, 3, 4}));
        QCOMPARE((*view)->ui_84H_GetButtonSensitivity(), numbers({5, 6, 7, 250}));
        QCOMPARE((*view)->ui_89H_GetKeyboardMode(), QVariant(1));
        QCOMPARE((*view)->ui_8DH_GetKeyMatrix(), listOf(pattern(512, 10)));
        QCOMPARE((*view)->ui_8EH_GetKeyOnOff(), listOf(pattern(21, 30)));
        QCOMPARE((*view)->ui_91H_GetMacroKey(7), listOf(pattern(192, 50)));
    }

    void getCommandsGiveZerosWhenTheKeyboardIsGone() {
        link->keyboard->unplug();
        QCOMPARE((*view)->ui_81H_GetReportRate(), QVariant(0));
        QCOMPARE((*view)->ui_83H_GetKeyboardoption(), numbers({0, 0, 0, 0}));
        QCOMPARE((*view)->ui_8DH_GetKeyMatrix(), QVariantList(512, 0));
        QCOMPARE((*view)->ui_91H_GetMacroKey(0), QVariantList(192, 0));
    }

    void withoutADeviceLinkWritesAreStillStored() {
        (*view)->hidThread = nullptr;
        (*view)->ui_14H_SetColor(1, 2, 3, 4);
        (*view)->ui_0DH_SetKeyMatrix(countingMatrix());
        (*view)->ui_13H_SetRecoveryData();
        QCOMPARE((*view)->ui_94H_GetColor(1), numbers({2, 3, 4}));
        QCOMPARE((*view)->getKeydefine(0), numbers({0, 1, 2, 3}));
        QCOMPARE((*view)->ui_89H_GetKeyboardMode(), QVariant(0));
        QVERIFY(link->keyboard->record().isEmpty());
    }

    void aLanguageFileThatFailsItsCheckCutsTheKeyboardOff() {
        QCOMPARE((*view)->getGlobalStrings(QStringLiteral("031000")), QStringList{QString()});
        QVERIFY(!isLangFileValid);
        (*view)->ui_01H_SetReportRate(1);
        QTest::qWait(100);
        QVERIFY(link->hid.waitUntilIdle(5000));
        QVERIFY(link->keyboard->record().isEmpty());

        sandbox->write(QStringLiteral("modules/i18n/lang_031000.ini"),
                       "[font]\nfamily=Arial\ntotal=1\ncs=" + languageChecksum(3).toLatin1() +
                           "\n[strings]\n1=abc\n");
        QCOMPARE((*view)->getGlobalStrings(QStringLiteral("031000")),
                 (QStringList{"Arial", "abc"}));
        QVERIFY(isLangFileValid);
        (*view)->ui_01H_SetReportRate(1);
        QCOMPARE(keyboardAfterTransfers().reportRate, 1);
    }

    void aWriteRightBeforeTheWindowClosesIsOnDisk() {
        view.reset();
        {
            Widget widget(nullptr, std::make_shared<VirtualHidBackend>(link->keyboard));
            widget.show();
            widget.controler()->view->ui_14H_SetColor(6, 12, 34, 56);
            widget.controler()->onMinimize();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(sandbox->read(QStringLiteral("modules/setting/p1.bin")).contains("6=12, 34, 56"));
    }
};

QTEST_MAIN(TestDeviceBridge)
#include "test_device_bridge.moc"
