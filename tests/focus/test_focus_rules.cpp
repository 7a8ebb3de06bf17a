// The rules: first match wins, case and wildcards as a user expects, and a rules file that is
// damaged, empty, huge or names an unknown profile reads safely as no rules.
#include "focus/focus_rules.h"

#include "test_work_dir.h"

#include <QTest>

class TestFocusRules : public QObject {
    Q_OBJECT

private slots:
    void firstMatchingRuleGivesTheProfile_data() {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<int>("profile");
        QTest::newRow("exact") << "steam_app_570" << 3;
        QTest::newRow("case ignored") << "Org.Mozilla.FIREFOX" << 2;
        QTest::newRow("star") << "steam_app_730" << 4;
        QTest::newRow("question mark") << "game7" << 5;
        QTest::newRow("question mark takes one character only") << "game77" << 6;
        QTest::newRow("no rule: default") << "xterm" << 6;
        QTest::newRow("a pattern is whole, not a part") << "my-steam_app_730" << 6;
    }

    void firstMatchingRuleGivesTheProfile() {
        QFETCH(QString, appId);
        QFETCH(int, profile);
        FocusRules rules;
        rules.rules = {{QStringLiteral("steam_app_570"), 3},
                       {QStringLiteral("org.mozilla.firefox"), 2},
                       {QStringLiteral("steam_app_*"), 4},
                       {QStringLiteral("game?"), 5}};
        rules.defaultProfile = 6;
        QCOMPARE(rules.profileFor(appId), profile);
    }

    void withoutADefaultTheProfileIsLeftAlone() {
        FocusRules rules;
        rules.rules = {{QStringLiteral("a"), 1}};
        QCOMPARE(rules.profileFor(QStringLiteral("b")), FocusRules::leaveProfile);
    }

    void writtenRulesReadBackWhole() {
        TestWorkDir dir;
        FocusRules rules;
        rules.rules = {{QStringLiteral("steam_app_*"), 4}, {QStringLiteral("a,b"), 1}};
        rules.defaultProfile = 2;
        rules.enabled = false;
        QVERIFY(rules.write(dir.path(QStringLiteral("focus.ini"))));
        FocusRules::Reading reading;
        const FocusRules read = FocusRules::read(dir.path(QStringLiteral("focus.ini")), &reading);
        QCOMPARE(reading, FocusRules::Reading::Fine);
        QCOMPARE(read.toText(), rules.toText());
        QCOMPARE(read.rules.size(), 2);
        QCOMPARE(read.rules[1].application, QStringLiteral("a,b"));
        QCOMPARE(read.rules[1].profile, 1);
    }

    void badFilesReadAsNoRules_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("reading");
        QTest::addColumn<int>("rules");
        const int fine = int(FocusRules::Reading::Fine);
        const int damaged = int(FocusRules::Reading::Damaged);
        QTest::newRow("empty") << QByteArray() << fine << 0;
        QTest::newRow("comments only") << QByteArray("; nothing\n\n# here\n") << fine << 0;
        QTest::newRow("fine") << QByteArray("[focus]\nrule/0=a, 1\nrule/1=b,6\n") << fine << 2;
        QTest::newRow("unknown profile") << QByteArray("[focus]\nrule/0=a, 7\n") << damaged << 0;
        QTest::newRow("profile zero") << QByteArray("[focus]\nrule/0=a, 0\n") << damaged << 0;
        QTest::newRow("default out of range") << QByteArray("[focus]\ndefault=9\n") << damaged << 0;
        QTest::newRow("no profile") << QByteArray("[focus]\nrule/0=a\n") << damaged << 0;
        QTest::newRow("empty application") << QByteArray("[focus]\nrule/0= , 2\n") << damaged << 0;
        QTest::newRow("garbage") << QByteArray("\xff\xfe\x00\x13garbage", 11) << damaged << 0;
        QTest::newRow("other section") << QByteArray("[other]\nrule/0=a, 1\n") << damaged << 0;
        QTest::newRow("unknown key") << QByteArray("[focus]\ncolour=red\n") << damaged << 0;
        QTest::newRow("huge") << QByteArray("[focus]\n") + QByteArray(300 * 1024, ';') << damaged
                              << 0;
        QByteArray many("[focus]\n");
        for (int i = 0; i < 1001; ++i)
            many += "rule/" + QByteArray::number(i) + "=app" + QByteArray::number(i) + ", 1\n";
        QTest::newRow("more rules than anyone keeps") << many << damaged << 0;
    }

    void badFilesReadAsNoRules() {
        QFETCH(QByteArray, content);
        QFETCH(int, reading);
        QFETCH(int, rules);
        TestWorkDir dir;
        QVERIFY(dir.write(QStringLiteral("focus.ini"), content));
        FocusRules::Reading outcome;
        const FocusRules read = FocusRules::read(dir.path(QStringLiteral("focus.ini")), &outcome);
        QCOMPARE(int(outcome), reading);
        QCOMPARE(read.rules.size(), rules);
        if (outcome == FocusRules::Reading::Damaged)
            QCOMPARE(read.defaultProfile, FocusRules::leaveProfile);
    }

    void missingFileHoldsNoRules() {
        TestWorkDir dir;
        FocusRules::Reading outcome;
        QVERIFY(FocusRules::read(dir.path(QStringLiteral("none.ini")), &outcome).rules.isEmpty());
        QCOMPARE(outcome, FocusRules::Reading::Missing);
    }

    void applicationsTheFileCannotHoldAreRefused_data() {
        QTest::addColumn<QString>("application");
        QTest::addColumn<bool>("valid");
        QTest::newRow("plain") << "org.kde.konsole" << true;
        QTest::newRow("wildcard") << "steam_app_*" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("line break") << "a\nrule/9=b" << false;
        QTest::newRow("equals") << "a=b" << false;
        QTest::newRow("too long") << QString(300, QLatin1Char('a')) << false;
    }

    void applicationsTheFileCannotHoldAreRefused() {
        QFETCH(QString, application);
        QFETCH(bool, valid);
        QCOMPARE(FocusRules::isValidApplication(application), valid);
    }
};

QTEST_GUILESS_MAIN(TestFocusRules)
#include "test_focus_rules.moc"
