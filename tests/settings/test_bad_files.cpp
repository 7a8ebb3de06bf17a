// Damaged settings files do no harm: every read gives its empty result and nothing crashes.
#include "settings_sandbox.h"
#include "view_under_test.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

namespace {

enum class Damage { Garbage, Empty, Huge, Unreadable };

QByteArray garbage(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(20261210);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

void damage(const SettingsSandbox& sandbox, const QString& file, Damage kind) {
    switch (kind) {
    case Damage::Garbage:
        sandbox.write(file, garbage(64 * 1024));
        break;
    case Damage::Empty:
        sandbox.write(file, {});
        break;
    case Damage::Huge:
        sandbox.write(file, garbage(32 * 1024 * 1024));
        break;
    case Damage::Unreadable:
        // A folder cannot be read as a file, even by a user allowed to read everything.
        QDir(sandbox.path(QString())).mkpath(file);
        break;
    }
}

} // namespace

class TestBadFiles : public QObject {
    Q_OBJECT

private slots:
    void everyReadIsEmpty_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Damage>("kind");
        const QStringList files{"modules/setting/p1.bin", "modules/setting/apConfig.bin",
                                "modules/setting/apConfigD.bin", "modules/setting/HWDef.bin",
                                "modules/i18n/lang_031000.ini"};
        const QList<std::pair<const char*, Damage>> kinds{{"garbage", Damage::Garbage},
                                                          {"empty", Damage::Empty},
                                                          {"huge", Damage::Huge},
                                                          {"unreadable", Damage::Unreadable}};
        for (const QString& file : files) {
            for (const auto& [name, kind] : kinds)
                QTest::addRow("%s %s", qPrintable(file.section('/', -1)), name) << file << kind;
        }
    }

    void everyReadIsEmpty() {
        QFETCH(QString, file);
        QFETCH(Damage, kind);
        SettingsSandbox sandbox;
        damage(sandbox, file, kind);
        QElapsedTimer clock;
        clock.start();
        {
            ViewUnderTest view;
            for (int n = 0; n < 126; ++n)
                QCOMPARE(view->getKeydefine(n), QVariantList());
            QCOMPARE(view->loadApConfig(), QVariantList());
            QCOMPARE(view->loadApConfig(true), QVariantList());
            QCOMPARE(view->loadHWDef(), (QVariantList{0, 0, QVariantList()}));
            QCOMPARE(view->getGlobalStrings(QStringLiteral("031000")), QStringList{QString()});
            // Writing over a damaged file must not crash either.
            view->saveApConfig({1, 2, 3});
        }
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(TestBadFiles)
#include "test_bad_files.moc"
