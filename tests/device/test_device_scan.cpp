// The device table and discovery.
#include "virtual_link.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

VirtualKeyboard::Identity identity(quint16 productId,
                                   QList<VirtualKeyboard::Interface> interfaces) {
    return {0x04D9, productId, interfaces};
}

const QList<VirtualKeyboard::Interface> bothInterfaces{{0xFF01, 0x0001, 1}, {0xFF02, 0x0001, 2}};

DevInfo entry(quint16 productId) {
    return {0, 0x04D9, productId, 0xFF01, 0x0001, 0xFF02, 0x0001, {}, {}};
}

} // namespace

class TestDeviceScan : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString writeTable(const QByteArray& text) {
        const QString name = dir.filePath(QStringLiteral("table.ini"));
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return {};
        file.write(text);
        return name;
    }

private slots:
    void shippedTableNamesTheZ9() {
        QFile file(deviceTableFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith(
            "; type 0: Keyboard, type 1: Mouse\r\n;pid = 7b02\r\n;pid = 7b03\r\n"));

        const QList<DevInfo> table = readDeviceTable(deviceTableFile);
        QCOMPARE(table.size(), 1);
        QCOMPARE(table[0].type, 0);
        QCOMPARE(table[0].vid, quint16(0x04D9));
        QCOMPARE(table[0].pid, quint16(0x5E01));
        QCOMPARE(table[0].usagePage, quint16(0xFF01));
        QCOMPARE(table[0].usage, quint16(0x0001));
        QCOMPARE(table[0].usagePage2, quint16(0xFF02));
        QCOMPARE(table[0].usage2, quint16(0x0001));
        QCOMPARE(table[0].lib, QStringLiteral("main.qml"));
        QCOMPARE(table[0].modelName, QStringLiteral("Z9-KEYBOARD"));
    }

    void tableValues_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("usage");
        QTest::addColumn<int>("usagePage2");
        QTest::newRow("total 0") << QByteArray("[common]\ntotal=0\n[0]\nvid=04d9\n") << 0 << 0 << 0
                                 << 0;
        QTest::newRow("no total") << QByteArray("[0]\nvid=04d9\n") << 0 << 0 << 0 << 0;
        QTest::newRow("hexadecimal text")
            << QByteArray("[common]\ntotal=1\n[0]\ntype=1\nusage=0001\nusagePage2=ff02\n") << 1 << 1
            << 1 << 0xFF02;
        QTest::newRow("text that is not hexadecimal")
            << QByteArray("[common]\ntotal=1\n[0]\ntype=x\nusage=zz\nusagePage2=ff0g\n") << 1 << 0
            << 0 << 0;
        QTest::newRow("absent keys") << QByteArray("[common]\ntotal=1\n") << 1 << -1 << 0 << 0;
    }

    void tableValues() {
        QFETCH(QByteArray, text);
        QFETCH(int, entries);
        const QList<DevInfo> table = readDeviceTable(writeTable(text));
        QCOMPARE(table.size(), entries);
        if (entries == 0)
            return;
        QTEST(table[0].type, "type");
        QTEST(int(table[0].usage), "usage");
        QTEST(int(table[0].usagePage2), "usagePage2");
    }

    void missingTableConnectsNothing() {
        QList<DevInfo> table = readDeviceTable(dir.filePath(QStringLiteral("absent.ini")));
        QVERIFY(table.isEmpty());
        VirtualLink link; // a Z9 is attached, but no table names it
        QVERIFY(findDevices(&link.hid, table).isEmpty());
        QVERIFY(!link.hid.isConnected);
    }

    void deviceNeedsBothUsagePairs_data() {
        QTest::addColumn<QList<VirtualKeyboard::Interface>>("interfaces");
        QTest::addColumn<bool>("attached");
        QTest::newRow("both") << bothInterfaces << true;
        QTest::newRow("only the command interface")
            << QList<VirtualKeyboard::Interface>{{0xFF01, 0x0001, 1}} << false;
        QTest::newRow("only the notification interface")
            << QList<VirtualKeyboard::Interface>{{0xFF02, 0x0001, 2}} << false;
        QTest::newRow("other usage pairs")
            << QList<VirtualKeyboard::Interface>{{0xFF01, 0x0002, 1}, {0xFF03, 0x0001, 2}} << false;
    }

    void deviceNeedsBothUsagePairs() {
        QFETCH(QList<VirtualKeyboard::Interface>, interfaces);
        QFETCH(bool, attached);
        auto keyboard = std::make_shared<VirtualKeyboard>(identity(0x5E01, interfaces));
        Hid_Thread hid(std::make_shared<VirtualHidBackend>(keyboard));
        hid.setDevicePaths(QStringLiteral("old1"), QStringLiteral("old2"));
        QList<DevInfo> table{entry(0x5E01)};

        const QList<DevFound> found = findDevices(&hid, table);

        QCOMPARE(hid.isConnected, attached);
        QCOMPARE(found.size(), attached ? 1 : 0);
        // A scan that finds nothing leaves the paths as they were.
        QCOMPARE(hid.commandPath() == QStringLiteral("old1"), !attached);
        QCOMPARE(hid.notificationPath() == QStringLiteral("old2"), !attached);
    }

    void severalAttachedEntriesKeepTheLowestNumbered() {
        auto first = std::make_shared<VirtualKeyboard>(identity(0x5E01, bothInterfaces));
        auto second = std::make_shared<VirtualKeyboard>(identity(0x7B02, bothInterfaces));
        auto backend = std::make_shared<VirtualHidBackend>(first);
        backend->attach(second);
        Hid_Thread hid(backend);
        QList<DevInfo> table{entry(0x5E01), entry(0x7B02), entry(0x7B03)};

        const QList<DevFound> found = findDevices(&hid, table);

        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].index, 1);
        QCOMPARE(found[1].index, 0);
        QCOMPARE(found[1].type, 0);
        QCOMPARE(hid.commandPath().toLatin1(), first->listInterfaces()[0].path);
        QCOMPARE(hid.notificationPath().toLatin1(), first->listInterfaces()[1].path);
        QCOMPARE(found[0].path.toLatin1(), second->listInterfaces()[0].path);
    }

    void interfacesOfDifferentEntriesNeverPair() {
        auto partial = std::make_shared<VirtualKeyboard>(
            identity(0x5E01, QList<VirtualKeyboard::Interface>{{0xFF01, 0x0001, 1}}));
        auto full = std::make_shared<VirtualKeyboard>(identity(0x7B02, bothInterfaces));
        auto backend = std::make_shared<VirtualHidBackend>(partial);
        backend->attach(full);
        Hid_Thread hid(backend);
        QList<DevInfo> table{entry(0x5E01), entry(0x7B02)};

        const QList<DevFound> found = findDevices(&hid, table);

        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].index, 1);
        QCOMPARE(hid.commandPath().toLatin1(), full->listInterfaces()[0].path);
        QCOMPARE(hid.notificationPath().toLatin1(), full->listInterfaces()[1].path);
    }
};

QTEST_GUILESS_MAIN(TestDeviceScan)
#include "test_device_scan.moc"
