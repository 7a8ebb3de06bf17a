// Per-application profiles inside KWin: the real kwin_wayland (Plasma 5.27 on Debian 12) runs
// headless on the suite's private session bus with the packaged KWin script installed and enabled
// as a user installs it, beside korvane-service --demo. Focusing Wayland clients of different app
// ids through KWin makes the script report them, and the service switches the keyboard's profile
// on the wire once per settled change.
#include "bus_tools.h"
#include "focus_tools.h"
#include "headless_kwin.h"
#include "service_process.h"
#include "service_sandbox.h"

#include <QDBusInterface>
#include <QRegularExpression>
#include <QTest>

using namespace FocusTools;

namespace {

// Two of weston's demo clients as a game and an editor, and the suites' launcher as an
// application without a rule.
const QString gameId = QStringLiteral("org.freedesktop.weston.wayland-clickdot");
const QString editorId = QStringLiteral("org.freedesktop.weston.flower");
const QString otherId = QStringLiteral("org.korvane.TestLauncher");

} // namespace

class TestServiceKwin : public QObject {
    Q_OBJECT

    std::unique_ptr<HeadlessKwin> kwin;
    std::unique_ptr<ServiceProcess> service;
    qsizetype linesSeen = 0;

    // The service's lines that tell where the focus settled, from the last look on; the wire's
    // reports of a settled change come before its line.
    QStringList settledSince() {
        const QStringList lines = service->log();
        QStringList settled;
        for (qsizetype n = linesSeen; n < lines.size(); ++n) {
            if (lines[n].startsWith(QStringLiteral("korvane.focus: the focus settled on ")))
                settled.append(lines[n].mid(36));
        }
        return settled;
    }

    // From here on: what the wire and the service's lines tell comes after this.
    void lookFromNow() {
        linesSeen = service->log().size();
        service->forgetWire();
    }

    // Waits until the focus has settled since the last look.
    QStringList waitUntilSettled() {
        QStringList settled;
        return QTest::qWaitFor([&] { return !(settled = settledSince()).isEmpty(); }, 20000)
                   ? settled
                   : QStringList();
    }

    QList<int> switches() { return profileSwitches(service->setTraffic()); }

private slots:
    void initTestCase() {
        QVERIFY(ServiceSandbox::prepare(QDir::currentPath()));
        kwin = std::make_unique<HeadlessKwin>();
        QVERIFY(kwin->installScript(QStringLiteral(KORVANE_SOURCE_DIR "/packaging/focus/kwin"),
                                    QStringLiteral("korvane-focus")));
        if (const QString trouble = kwin->start(); !trouble.isEmpty())
            QSKIP(qPrintable(trouble));

        // The service as the session starts it: it sees KWin's Wayland display, where no
        // wlroots protocol answers, and waits for the script.
        QProcessEnvironment session;
        session.insert(QStringLiteral("WAYLAND_DISPLAY"), kwin->displaySocket());
        session.insert(
            QStringLiteral("QT_LOGGING_RULES"),
            QStringLiteral("korvane.virtualkeyboard.debug=true;korvane.focus.debug=true"));
        service = std::make_unique<ServiceProcess>(QStringList{QStringLiteral("--demo")}, session);
        QVERIFY(service->waitUntilOnBus());
        QCOMPARE(korvanectl({"rule", "add", gameId, "3"}).status, 0);
        QCOMPARE(korvanectl({"rule", "add", "*.flower", "2"}).status, 0);
        QCOMPARE(korvanectl({"rule", "default", "1"}).status, 0);

        // KWin gives each new window the focus; the script reports each, and the focus settles
        // on the last, the application without a rule, at the default profile.
        for (const auto& [program, appId] :
             {std::pair{QStringLiteral("weston-clickdot"), gameId},
              std::pair{QStringLiteral("weston-flower"), editorId},
              std::pair{QStringLiteral(KORVANE_ACTIVATION_LAUNCHER), otherId}})
            QVERIFY2(kwin->startClient(program, appId), qPrintable(appId));
        QVERIFY(kwin->activate({otherId}));
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QStringList settled = settledSince();
                return !settled.isEmpty() && settled.last().startsWith(otherId + QLatin1Char(':'));
            },
            20000));
    }

    void cleanupTestCase() {
        kwin.reset();
        service.reset();
    }

    // The script was installed as a package and enabled in kwinrc, not loaded by the suite.
    void theInstalledScriptRunsAndIsTheBackend() {
        const QDBusMessage loaded = QDBusConnection::sessionBus().call(
            QDBusMessage::createMethodCall(
                QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
                QStringLiteral("org.kde.kwin.Scripting"), QStringLiteral("isScriptLoaded"))
            << QStringLiteral("korvane-focus"));
        QCOMPARE(loaded.arguments().value(0).toBool(), true);
        QCOMPARE(focusProperty(QStringLiteral("Backend")).toString(),
                 QStringLiteral("KWin script"));
        QCOMPARE(focusProperty(QStringLiteral("Problem")).toString(), QString());
        QCOMPARE(focusProperty(QStringLiteral("FocusedApplication")).toString(), otherId);
        const ToolRun status = korvanectl({"rule", "status"});
        QVERIFY2(status.out.contains(QStringLiteral("KWin script")), qPrintable(status.out));
    }

    // Each focus change that KWin makes settles once, and switches the profile once when the
    // rules ask for another.
    void focusingEachClientSwitchesOnceOnTheWire_data() {
        QTest::addColumn<QStringList>("focused");
        QTest::addColumn<QString>("settled");
        QTest::addColumn<QList<int>>("wire");
        // From the application without a rule, at the default profile 1.
        QTest::newRow("the game") << QStringList{gameId}
                                  << gameId + QStringLiteral(": switched to profile 3")
                                  << QList<int>{3};
        QTest::newRow("the editor")
            << QStringList{editorId} << editorId + QStringLiteral(": switched to profile 2")
            << QList<int>{2};
        QTest::newRow("the editor again")
            << QStringList{otherId, editorId}
            << editorId + QStringLiteral(" again: nothing switched") << QList<int>{};
        QTest::newRow("no rule: the default")
            << QStringList{otherId} << otherId + QStringLiteral(": switched to profile 1")
            << QList<int>{1};
        // Alt-tab through both: only where it stops counts.
        QTest::newRow("a burst that stops at the editor")
            << QStringList{gameId, editorId, gameId, editorId}
            << editorId + QStringLiteral(": switched to profile 2") << QList<int>{2};
        QTest::newRow("a burst that comes back")
            << QStringList{gameId, otherId, editorId}
            << editorId + QStringLiteral(" again: nothing switched") << QList<int>{};
        QTest::newRow("the game, by the window runner")
            << QStringList{QStringLiteral("krunner:") + gameId}
            << gameId + QStringLiteral(": switched to profile 3") << QList<int>{3};
    }

    void focusingEachClientSwitchesOnceOnTheWire() {
        QFETCH(QStringList, focused);
        QFETCH(QString, settled);
        QFETCH(QList<int>, wire);
        lookFromNow();
        if (focused.first().startsWith(QStringLiteral("krunner:")))
            QVERIFY(activateByWindowRunner(focused.first().mid(8)));
        else
            QVERIFY(kwin->activate(focused));
        QCOMPARE(waitUntilSettled(), QStringList{settled});
        QCOMPARE(switches(), wire);
    }

private:
    // KWin's window runner, as KRunner uses it: the window's title matched, then the match run.
    bool activateByWindowRunner(const QString& appId) {
        const QString caption = kwin->windowOf(appId).value(QStringLiteral("caption")).toString();
        const auto runner = [](const QString& method, const QStringList& arguments) {
            return runTool(QStringLiteral("gdbus"),
                           QStringList{QStringLiteral("call"), QStringLiteral("--session"),
                                       QStringLiteral("--dest"), QStringLiteral("org.kde.KWin"),
                                       QStringLiteral("--object-path"),
                                       QStringLiteral("/WindowsRunner"), QStringLiteral("--method"),
                                       QStringLiteral("org.kde.krunner1.") + method} +
                               arguments);
        };
        const ToolRun match = runner(QStringLiteral("Match"), {caption});
        // The first field of the first match is its id.
        const QString id =
            QRegularExpression(QStringLiteral("\\('([^']+)'")).match(match.out).captured(1);
        return !id.isEmpty() && runner(QStringLiteral("Run"), {id, QString()}).status == 0;
    }
};

QTEST_GUILESS_MAIN(TestServiceKwin)
#include "test_service_kwin.moc"
