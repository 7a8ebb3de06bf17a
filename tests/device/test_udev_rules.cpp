// The tool's udev rules as the tool sees them: whether the opt-in for the keyboard's event nodes
// is in place, and the commands it offers.
#include "platform/udev_rule_command.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestUdevRules : public QObject {
    Q_OBJECT

private:
    QTemporaryDir etc;
    QTemporaryDir usrLib;

    static void put(const QTemporaryDir& dir, const QString& name, const QByteArray& content) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(content), content.size());
    }

private slots:
    void init() {
        for (const QTemporaryDir* dir : {&etc, &usrLib}) {
            for (const QString& name : QDir(dir->path()).entryList(QDir::Files | QDir::System))
                QVERIFY(QFile::remove(dir->filePath(name)));
        }
        UdevRuleCommand::setRulesDirectories({etc.path(), usrLib.path()});
    }

    void theOptInIsActiveOnlyWhereUdevReadsIt() {
        const QString name = UdevRuleCommand::optInRuleName;
        QVERIFY(!UdevRuleCommand::isOptInActive());
        put(usrLib, name, "SUBSYSTEM==\"input\"\n");
        QVERIFY(UdevRuleCommand::isOptInActive());
        // A link to /dev/null, or an empty file, of the same name in an earlier directory masks it.
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), etc.filePath(name)));
        QVERIFY(!UdevRuleCommand::isOptInActive());
        QVERIFY(QFile::remove(etc.filePath(name)));
        put(etc, name, "");
        QVERIFY(!UdevRuleCommand::isOptInActive());
        put(etc, name, "SUBSYSTEM==\"input\"\n");
        QVERIFY(UdevRuleCommand::isOptInActive());
    }

    void theOptInCommandsPutTheShippedRuleInPlaceAndTakeItAway() {
        const QString enable =
            UdevRuleCommand::optInEnableCommand(QStringLiteral("/opt/my tool/bin"));
        QVERIFY2(enable.startsWith(QStringLiteral(
                     "sudo install -D -m 644 '/opt/my tool/share/korvane/udev/"
                     "71-korvane-z9-event-nodes.rules' "
                     "/etc/udev/rules.d/71-korvane-z9-event-nodes.rules && sudo udevadm control "
                     "--reload && sudo udevadm trigger --subsystem-match=input")),
                 qPrintable(enable));
        QCOMPARE(UdevRuleCommand::optInRemoveCommand(),
                 QStringLiteral("sudo rm /etc/udev/rules.d/71-korvane-z9-event-nodes.rules && "
                                "sudo udevadm control --reload"));
    }

    // The rule names its helper by the path of an installation: a tool whose helper is not there
    // yet (a build tree) puts it there before the rule.
    void theAccessCommandInstallsWhatIsMissing() {
        const QString command = UdevRuleCommand::forExecutableDir(QStringLiteral("/opt/kv/bin"));
        const QString rule = QStringLiteral(
            "sudo install -D -m 644 /opt/kv/lib/udev/rules.d/70-korvane-z9.rules "
            "/etc/udev/rules.d/70-korvane-z9.rules && sudo udevadm control --reload && "
            "sudo udevadm trigger --subsystem-match=hidraw");
        const QString helper = QStringLiteral(KORVANE_HIDRAW_CHECK);
        if (QFileInfo::exists(helper)) {
            QCOMPARE(command, rule);
        } else {
            QCOMPARE(command, QStringLiteral("sudo install -D -m 755 /opt/kv/lib/udev/%1 %2 && ")
                                      .arg(QFileInfo(helper).fileName(), helper) +
                                  rule);
        }

        put(usrLib, UdevRuleCommand::ruleName, "SUBSYSTEM==\"hidraw\"\n");
        QCOMPARE(UdevRuleCommand::forExecutableDir(QStringLiteral("/opt/kv/bin")),
                 QStringLiteral("sudo udevadm control --reload && sudo udevadm trigger "
                                "--subsystem-match=hidraw"));
    }
};

QTEST_GUILESS_MAIN(TestUdevRules)

#include "test_udev_rules.moc"
