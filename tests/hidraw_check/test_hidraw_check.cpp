// Which of the keyboard's interfaces the udev helper opens: only those whose report descriptor
// declares vendor-defined usage pages and nothing else, read with certainty.
#include "hidraw_check/report_descriptor_class.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(DescriptorClass)

namespace {

QByteArray hex(const char* text) {
    return QByteArray::fromHex(text);
}

DescriptorClass classify(const QByteArray& descriptor) {
    return classifyReportDescriptor(reinterpret_cast<const std::uint8_t*>(descriptor.constData()),
                                    std::size_t(descriptor.size()));
}

// The Z9's own interfaces, as its device table names them by usage page.
const QByteArray command = hex("0601FF0901A101150026FF0075089540090181020901910295080901B102C0");
const QByteArray notification = hex("0602FF0901A101150026FF007508950409018102C0");
// The boot keyboard interface: modifiers, reserved byte, LEDs and six key codes.
const QByteArray bootKeyboard =
    hex("05010906A101050719E029E7150025017501950881029501750881019505750105081901290591029501"
        "7503910195067508150025650507190029658100C0");

struct Helper {
    int exitCode = -1;
    QByteArray output;
};

// Runs the helper on a folder laid out as sysfs lays out a hidraw node: the descriptor lies in
// the HID device that the node's "device" link leads to.
Helper runHelper(const QByteArray* descriptor) {
    QTemporaryDir sysfs;
    const QString hid = sysfs.filePath(QStringLiteral("0003:04D9:5E01.0001"));
    const QString node = hid + QStringLiteral("/hidraw/hidraw3");
    QDir().mkpath(node);
    QFile::link(QStringLiteral("../.."), node + QStringLiteral("/device"));
    if (descriptor) {
        QFile file(hid + QStringLiteral("/report_descriptor"));
        if (!file.open(QIODevice::WriteOnly) || file.write(*descriptor) != descriptor->size())
            return {};
    }
    QProcess helper;
    helper.start(QStringLiteral(KORVANE_HIDRAW_CHECK), {node});
    if (!helper.waitForFinished(60000))
        return {};
    return {helper.exitCode(), helper.readAllStandardOutput()};
}

} // namespace

class TestHidrawCheck : public QObject {
    Q_OBJECT

private slots:
    void descriptorsAreClassified_data() {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<DescriptorClass>("expected");
        const auto vendor = DescriptorClass::VendorOnly;
        const auto standard = DescriptorClass::Standard;
        const auto unreadable = DescriptorClass::Unreadable;

        QTest::newRow("command interface, page ff01") << command << vendor;
        QTest::newRow("notification interface, page ff02") << notification << vendor;
        QTest::newRow("lowest vendor page ff00") << hex("0600FF0901A1018102C0") << vendor;
        QTest::newRow("vendor usage with its page in four bytes")
            << hex("0601FF0B0100FFFFA101C0") << vendor;

        QTest::newRow("boot keyboard") << bootKeyboard << standard;
        QTest::newRow("consumer control")
            << hex("050C0901A101150026FF0319002AFF03751095018100C0") << standard;
        QTest::newRow("vendor page mixed with the keyboard page")
            << hex("0601FF0901A1010507190029658100C0") << standard;
        QTest::newRow("vendor page with a keyboard usage in four bytes")
            << hex("0601FF0901A1010B04000700150025018102C0") << standard;
        QTest::newRow("page just below the vendor range")
            << hex("06FFFE0901A1018102C0") << standard;
        QTest::newRow("no usage page at all") << hex("A1018102C0") << standard;

        QTest::newRow("empty") << QByteArray() << unreadable;
        QTest::newRow("truncated inside an item") << command.left(10) << unreadable;
        QTest::newRow("truncated before the end of its collection")
            << command.left(command.size() - 1) << unreadable;
        QTest::newRow("truncated in a four-byte usage") << hex("0601FF0B0100FF") << unreadable;
        QTest::newRow("long item") << hex("0601FF0901A101FE0210AABBC0") << unreadable;
        QTest::newRow("long item hiding a keyboard page")
            << hex("0601FF0901A101FE02000507C0") << unreadable;
        QTest::newRow("reserved item type") << hex("0601FF0901A1010D00C0") << unreadable;
        QTest::newRow("usage before any usage page") << hex("0901A1018102C0") << unreadable;
        QTest::newRow("usage page wider than 16 bits") << hex("0701FF0100A1018102C0") << unreadable;
        QTest::newRow("usage page without data") << hex("040901A101C0") << unreadable;
        QTest::newRow("end collection without a collection") << hex("0601FF0901C0") << unreadable;
        QTest::newRow("pop without push") << hex("0601FFB40901A101C0") << unreadable;
        QTest::newRow("push left open") << hex("0601FFA40901A101C0") << unreadable;
        QTest::newRow("pop restores no page, then a usage")
            << hex("A40601FFB40901A101C0") << unreadable;
        QTest::newRow("larger than the kernel allows")
            << command + QByteArray(int(maxReportDescriptorSize), '\0') << unreadable;
    }

    void descriptorsAreClassified() {
        QFETCH(QByteArray, descriptor);
        QFETCH(DescriptorClass, expected);
        QCOMPARE(classify(descriptor), expected);
    }

    void helperOpensOnlyTheVendorInterfaces_data() {
        QTest::addColumn<QByteArray>("descriptor");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("command") << command << QByteArray("ID_KORVANE_VENDOR_INTERFACE=1\n");
        QTest::newRow("notification")
            << notification << QByteArray("ID_KORVANE_VENDOR_INTERFACE=1\n");
        QTest::newRow("boot keyboard")
            << bootKeyboard << QByteArray("ID_KORVANE_VENDOR_INTERFACE=0\n");
        QTest::newRow("truncated")
            << command.left(10) << QByteArray("ID_KORVANE_VENDOR_INTERFACE=0\n");
        QTest::newRow("empty") << QByteArray() << QByteArray("ID_KORVANE_VENDOR_INTERFACE=0\n");
    }

    void helperOpensOnlyTheVendorInterfaces() {
        QFETCH(QByteArray, descriptor);
        QFETCH(QByteArray, output);
        const Helper helper = runHelper(&descriptor);
        QCOMPARE(helper.exitCode, 0);
        QCOMPARE(helper.output, output);
    }

    void helperWithoutADescriptorPrintsNothingAndFails() {
        const Helper helper = runHelper(nullptr);
        QCOMPARE(helper.exitCode, 1);
        QCOMPARE(helper.output, QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestHidrawCheck)

#include "test_hidraw_check.moc"
