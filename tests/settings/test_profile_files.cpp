// Profile files: reads and writes of the current profile, export, import and reset.
#include "settings/profile_store.h"
#include "settings_sandbox.h"
#include "variant_lists.h"
#include "view_under_test.h"

#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

namespace {

QVariantList countingMatrix() {
    QVariantList matrix;
    for (int i = 0; i < 512; ++i)
        matrix.append(i);
    return matrix;
}

const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);

} // namespace

class TestProfileFiles : public QObject {
    Q_OBJECT

private slots:
    void emptyProfileReadsEmptyLists() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        QCOMPARE(view->getKeydefine(0), QVariantList());
        QCOMPARE(ProfileStore::read(view.profile(0), ProfileStore::ledTypeKey()), QVariantList());
        QCOMPARE(view->currentProfile, 0);
        QCOMPARE(view->profileSettings.size(), 6);
        for (int n = 0; n < 6; ++n)
            QVERIFY(view.profile(n).fileName().endsWith(QStringLiteral("/p%1.bin").arg(n + 1)));
    }

    void keyMatrixStoresSlotsUpTo125Only() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        ProfileStore::writeKeyMatrix(view.profile(0), countingMatrix());
        QCOMPARE(view->getKeydefine(0), numbers({0, 1, 2, 3}));
        QCOMPARE(view->getKeydefine(125), numbers({500, 501, 502, 503}));
        QCOMPARE(view->getKeydefine(126), QVariantList());
        QCOMPARE(view->getKeydefine(127), QVariantList());
        QCOMPARE(view.profile(0).allKeys().filter(QRegularExpression("^keydefine/")).size(), 126);
    }

    void shortKeyMatrixStoresZerosForMissingElements() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        ProfileStore::writeKeyMatrix(view.profile(0), numbers({9, 8, 7, 6, 5}));
        QCOMPARE(view->getKeydefine(1), numbers({5, 0, 0, 0}));
        QCOMPARE(view->getKeydefine(125), numbers({0, 0, 0, 0}));
    }

    void valuesComeBackAsNumbersNowAndAsTextsAfterRestart() {
        SettingsSandbox first;
        SettingsSandbox second;
        {
            QDir::setCurrent(first.path(QString()));
            ViewUnderTest view;
            ProfileStore::write(view.profile(0), ProfileStore::keydefineKey(7),
                                numbers({0, 0, 4, 0}));
            const QVariantList now = view->getKeydefine(7);
            QCOMPARE(now, numbers({0, 0, 4, 0}));
            QCOMPARE(now[2].typeId(), QMetaType::Int);
        }
        first.copySettingsTo(second);
        QDir::setCurrent(second.path(QString()));
        ViewUnderTest restarted;
        const QVariantList later = restarted->getKeydefine(7);
        QCOMPARE(later, (QVariantList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("4"),
                                      QStringLiteral("0")}));
        QCOMPARE(later[2].toInt(), 4);
    }

    void aSingleTextIsNotAList() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/p1.bin"), "[keydefine]\n0=garbage\n1=\n");
        ViewUnderTest view;
        QCOMPARE(view->getKeydefine(0), QVariantList());
        QCOMPARE(view->getKeydefine(1), QVariantList());
    }

    void exportCopiesTheChosenProfileWithItsLatestWrites() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        ProfileStore::write(view.profile(2), ProfileStore::colorKey(3), numbers({255, 180, 0}));
        view.dialogs->answer = sandbox.path(QStringLiteral("exported.pf"));
        view->saveProfile(2);

        QCOMPARE(view.dialogs->fileDialogs.size(), 1);
        const auto& shown = view.dialogs->fileDialogs[0];
        QCOMPARE(shown.kind, QStringLiteral("save"));
        QCOMPARE(shown.caption, QStringLiteral("Save File"));
        QCOMPARE(shown.filter, QStringLiteral("Profile(*.pf)"));
        QCOMPARE(shown.dir, desktop);
        const QByteArray exported = sandbox.read(QStringLiteral("exported.pf"));
        QVERIFY(exported.contains("3=255, 180, 0"));
        QCOMPARE(exported, sandbox.read(QStringLiteral("modules/setting/p3.bin")));
    }

    void exportNeverReplacesAnExistingFile() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        ProfileStore::write(view.profile(0), ProfileStore::colorKey(0), numbers({1, 2, 3}));
        sandbox.write(QStringLiteral("existing.pf"), "keep me");
        view.dialogs->answer = sandbox.path(QStringLiteral("existing.pf"));
        view->saveProfile(0);
        QCOMPARE(sandbox.read(QStringLiteral("existing.pf")), QByteArray("keep me"));
    }

    void cancelledDialogsChangeNothing() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/p1.bin"), "[color]\n0=1, 2, 3\n");
        ViewUnderTest view;
        SettingsFile* before = view->profileSettings[0];
        view->loadProfile(0);
        view->saveProfile(0);
        QCOMPARE(view.dialogs->fileDialogs.size(), 2);
        QCOMPARE(view.dialogs->fileDialogs[0].caption, QStringLiteral("Open File"));
        QCOMPARE(view.dialogs->fileDialogs[0].filter, QStringLiteral("Profile(*.pf)"));
        QCOMPARE(view->profileSettings[0], before);
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p1.bin")),
                 QByteArray("[color]\n0=1, 2, 3\n"));
    }

    void importOfAColorOnlyFileReplacesTheWholeProfile() {
        SettingsSandbox sandbox;
        ViewUnderTest view;
        ProfileStore::write(view.profile(0), ProfileStore::keydefineKey(0), numbers({0, 0, 4, 0}));
        ProfileStore::write(view.profile(0), ProfileStore::colorKey(1), numbers({9, 9, 9}));
        const QByteArray imported = "[color]\n1=10, 20, 30\nledType=1, 2, 3, 4, 5\n";
        sandbox.write(QStringLiteral("colors.pf"), imported);
        view.dialogs->answer = sandbox.path(QStringLiteral("colors.pf"));
        view->loadProfile(0);

        QCOMPARE(view.dialogs->fileDialogs[0].kind, QStringLiteral("open"));
        QCOMPARE(view.dialogs->fileDialogs[0].dir, desktop);
        QCOMPARE(view->getKeydefine(0), QVariantList());
        QCOMPARE(ProfileStore::read(view.profile(0), ProfileStore::colorKey(1)),
                 (QVariantList{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")}));
        // The replaced object's pending writes must not reach the new file, then or later.
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p1.bin")), imported);
    }

    void importThatCannotReadItsSourceKeepsTheProfileByteForByte_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("missing") << QStringLiteral("missing.pf");
        QTest::newRow("directory") << QStringLiteral("folder.pf");
        QTest::newRow("pipe") << QStringLiteral("pipe.pf");
        QTest::newRow("the profile itself") << QStringLiteral("modules/setting/p2.bin");
    }

    void importThatCannotReadItsSourceKeepsTheProfileByteForByte() {
        QFETCH(QString, source);
        SettingsSandbox sandbox;
        QDir(sandbox.path(QString())).mkdir(QStringLiteral("folder.pf"));
        QVERIFY(mkfifo(QFile::encodeName(sandbox.path(QStringLiteral("pipe.pf"))).constData(),
                       0600) == 0);
        const QByteArray original = "[color]\n0=1, 2, 3\n\n[keydefine]\n4=0, 0, 41, 0\n";
        sandbox.write(QStringLiteral("modules/setting/p2.bin"), original);
        ViewUnderTest view;
        view.dialogs->answer = sandbox.path(source);
        view->loadProfile(1);

        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p2.bin")), original);
        QCOMPARE(ProfileStore::read(view.profile(1), ProfileStore::colorKey(0)).size(), 3);
        QCOMPARE(view->profileSettings.size(), 6);
    }

    void resetOfAnotherProfileChangesOnlyItsFile() {
        SettingsSandbox sandbox;
        const QByteArray defaults = "[color]\n0=255, 0, 0\n\n[keydefine]\n0=0, 0, 224, 0\n";
        sandbox.write(QStringLiteral("modules/setting/pD.bin"), defaults);
        sandbox.write(QStringLiteral("modules/setting/p1.bin"), "[color]\n0=1, 1, 1\n");
        sandbox.write(QStringLiteral("modules/setting/p4.bin"), "[color]\n0=4, 4, 4\n");
        ViewUnderTest view;
        QList<SettingsFile*> before = view->profileSettings;
        view->resetProfile(3);

        QVERIFY(view.dialogs->fileDialogs.isEmpty());
        QCOMPARE(view->currentProfile, 0);
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p4.bin")), defaults);
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p1.bin")),
                 QByteArray("[color]\n0=1, 1, 1\n"));
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/pD.bin")), defaults);
        // A fresh object at the same index, the others untouched, all in file order.
        QCOMPARE(view->profileSettings.size(), 6);
        for (int n = 0; n < 6; ++n) {
            QVERIFY(view.profile(n).fileName().endsWith(QStringLiteral("/p%1.bin").arg(n + 1)));
            QCOMPARE(view->profileSettings[n] == before[n], n != 3);
        }
        QCOMPARE(ProfileStore::read(view.profile(3), ProfileStore::keydefineKey(0)).size(), 4);
    }

    void resetWithoutADefaultProfileKeepsTheFile() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/p1.bin"), "[color]\n0=1, 1, 1\n");
        ViewUnderTest view;
        view->resetProfile(0);
        QCOMPARE(sandbox.read(QStringLiteral("modules/setting/p1.bin")),
                 QByteArray("[color]\n0=1, 1, 1\n"));
    }

    void profileIndexesOutsideTheSixAreRefused() {
        SettingsSandbox sandbox;
        sandbox.write(QStringLiteral("modules/setting/pD.bin"), "[color]\n0=1, 1, 1\n");
        ViewUnderTest view;
        view.dialogs->answer = sandbox.path(QStringLiteral("modules/setting/pD.bin"));
        for (int profile : {-1, 6, 255}) {
            view->saveProfile(profile);
            view->loadProfile(profile);
            view->resetProfile(profile);
        }
        QVERIFY(view.dialogs->fileDialogs.isEmpty());
        QCOMPARE(view->profileSettings.size(), 6);
        for (int n = 1; n <= 6; ++n)
            QVERIFY(!sandbox.exists(QStringLiteral("modules/setting/p%1.bin").arg(n)));
    }
};

QTEST_MAIN(TestProfileFiles)
#include "test_profile_files.moc"
