// A full disk loses nothing: every change either reaches its file whole or leaves the old file as
// it was, and the user hears about it once.
#include "full_disk.h"
#include "settings/profile_store.h"
#include "settings/settings_file.h"
#include "variant_lists.h"
#include "view_under_test.h"

#include <QTest>

namespace {

const QString profilePath = QStringLiteral("modules/setting/p1.bin");
const QString configPath = QStringLiteral("modules/setting/apConfig.bin");

QVariantList texts(std::initializer_list<int> values) {
    QVariantList list;
    for (int value : values)
        list.append(QString::number(value));
    return list;
}

// A profile file as large as a full one: every key and one painted picture.
QByteArray profileFile(int first) {
    QByteArray text = "[keydefine]\n";
    for (int slot = 0; slot < 126; ++slot)
        text += QByteArray::number(slot) + '=' + QByteArray::number(first) + ", " +
                QByteArray::number(slot % 256) + ", 0, 0\n";
    text += "\n[userPicture]\n0=";
    for (int byte = 0; byte < 512; ++byte)
        text += (byte ? ", " : "") + QByteArray::number((first + byte) % 256);
    return text + '\n';
}

QByteArray configFile() {
    QByteArray text = "[common]\ntotal=30\n";
    for (int entry = 0; entry < 30; ++entry)
        text += QByteArray::number(entry) + "=entry number " + QByteArray::number(entry) + '\n';
    return text;
}

QVariantList keyMatrix(int value) {
    return QVariantList(512, value);
}

const QStringList englishNotice{
    QStringLiteral("Save File"),
    QStringLiteral(
        "The change could not be stored.\nThe disk may be full or the folder read-only.")};

} // namespace

class TestFullDisk : public QObject {
    Q_OBJECT

    std::unique_ptr<FullDisk> mountedDisk(const QByteArray& size = "512k") {
        auto disk = std::make_unique<FullDisk>(size);
        return disk->isMounted() ? std::move(disk) : nullptr;
    }

private slots:
    void resetOrImportOnFullDiskKeepsTheProfile_data() {
        QTest::addColumn<bool>("isReset");
        QTest::newRow("reset") << true;
        QTest::newRow("import") << false;
    }

    void resetOrImportOnFullDiskKeepsTheProfile() {
        QFETCH(bool, isReset);
        auto disk = mountedDisk();
        if (!disk)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        disk->write(profilePath, profileFile(1));
        disk->write(QStringLiteral("modules/setting/pD.bin"), profileFile(7));
        disk->write(QStringLiteral("chosen.pf"), profileFile(7));
        ViewUnderTest view;
        view.dialogs->answer = disk->path(QStringLiteral("chosen.pf"));
        const auto replace = [&] {
            if (isReset)
                view->resetProfile(0);
            else
                view->loadProfile(0);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };

        QVERIFY(disk->fill());
        replace();
        QCOMPARE(disk->read(profilePath), profileFile(1));
        QCOMPARE(view->getKeydefine(3), texts({1, 3, 0, 0}));
        QCOMPARE(view.dialogs->warnings, QList<QStringList>{englishNotice});
        QCOMPARE(disk->entries(QStringLiteral("modules/setting")),
                 (QStringList{"p1.bin", "pD.bin"}));

        disk->release();
        replace();
        QCOMPARE(disk->read(profilePath), profileFile(7));
        QCOMPARE(view->getKeydefine(3), texts({7, 3, 0, 0}));
        QCOMPARE(view.dialogs->warnings.size(), 1);
    }

    void writeOnNearlyFullDiskKeepsTheFileWhole_data() {
        QTest::addColumn<bool>("isProfile");
        QTest::addColumn<qint64>("freeBytes");
        for (qint64 freeBytes : {0, 4096, 8192}) {
            QTest::addRow("profile, %lld free", freeBytes) << true << freeBytes;
            QTest::addRow("configuration, %lld free", freeBytes) << false << freeBytes;
        }
    }

    void writeOnNearlyFullDiskKeepsTheFileWhole() {
        QFETCH(bool, isProfile);
        QFETCH(qint64, freeBytes);
        auto disk = mountedDisk();
        if (!disk)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        const QString path = isProfile ? profilePath : configPath;
        const QByteArray before = isProfile ? profileFile(1) : configFile();
        disk->write(path, before);
        ViewUnderTest view;
        QVERIFY(disk->fill(freeBytes));

        if (isProfile)
            ProfileStore::writeKeyMatrix(view.profile(0), keyMatrix(9));
        else
            view->saveApConfig(QVariantList(30, QStringLiteral("a changed entry")));
        QCoreApplication::processEvents(); // the deferred store

        const bool stored = disk->read(path) != before;
        if (stored) {
            const SettingsFile file(disk->path(path));
            const QString key = isProfile ? QStringLiteral("keydefine/125") : "common/29";
            const QStringList expected =
                isProfile ? QStringList(4, "9") : QStringList{"a changed entry"};
            QCOMPARE(file.value(key).toStringList(), expected);
        } else {
            QCOMPARE(disk->read(path), before);
            const QVariant shown =
                isProfile ? QVariant(view->getKeydefine(0)) : view->loadApConfig().value(29);
            QCOMPARE(shown, isProfile ? QVariant(texts({1, 0, 0, 0})) : "entry number 29");
        }
        QCOMPARE(view.dialogs->warnings.size(), stored ? 0 : 1);
        if (freeBytes == 0)
            QVERIFY(!stored);
    }

    void macroSaveOnFullDiskKeepsTheMacro() {
        auto disk = mountedDisk();
        if (!disk)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        ViewUnderTest view;
        const QVariant name = view->createMacroIni();
        const QStringList lines{"A    [Down]", "A      [Up]"};
        QVERIFY(view->saveMacroIni(name, lines).toBool());
        const QByteArray before = disk->read("modules/macro/" + name.toString() + ".bin");

        QVERIFY(disk->fill());
        QCOMPARE(view->saveMacroIni(name, QStringList(40, "B    [Down]")), QVariant(false));
        QCOMPARE(view->loadMacroIni(name), lines);
        QCOMPARE(disk->read("modules/macro/" + name.toString() + ".bin"), before);
        QCOMPARE(view->createMacroIni(), QVariant(QString()));
        QCOMPARE(view.dialogs->warnings.size(), 1);
    }

    void noticeComesOncePerFailureInTheChosenLanguage() {
        QFile chinese(QStringLiteral("modules/i18n/lang_025044.ini"));
        QVERIFY(chinese.open(QIODevice::ReadOnly));
        const QByteArray chineseFile = chinese.readAll();
        auto disk = mountedDisk();
        if (!disk)
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        disk->write(QStringLiteral("modules/i18n/lang_025044.ini"), chineseFile);
        disk->write(profilePath, profileFile(1));
        disk->write(configPath, configFile());
        ViewUnderTest view;
        view->getGlobalStrings(QStringLiteral("025044"));
        QVERIFY(disk->fill());

        // One apply of a page writes several keys, over several passes of the event loop.
        for (int pass = 0; pass < 3; ++pass) {
            ProfileStore::write(view.profile(0), ProfileStore::colorKey(pass), numbers({1, 2, 3}));
            ProfileStore::writeKeyMatrix(view.profile(0), keyMatrix(pass));
            view->saveApConfig({pass});
            QCoreApplication::processEvents();
        }
        const QStringList chineseNotice{
            QStringLiteral("保存文件"),
            QStringLiteral("无法保存更改。\n磁盘可能已满或文件夹为只读。")};
        QCOMPARE(view.dialogs->warnings, QList<QStringList>{chineseNotice});

        disk->release();
        view->saveApConfig({1});
        QCoreApplication::processEvents();
        QCOMPARE(view->loadApConfig(), QVariantList{1});
        QCOMPARE(view.dialogs->warnings.size(), 1);

        // After a change was stored, the next failure is told again.
        QVERIFY(disk->fill());
        view->saveApConfig({2});
        QCoreApplication::processEvents();
        QCOMPARE(view.dialogs->warnings.size(), 2);
        QCOMPARE(view->loadApConfig(), QVariantList{"1"});
    }
};

QTEST_MAIN(TestFullDisk)
#include "test_full_disk.moc"
