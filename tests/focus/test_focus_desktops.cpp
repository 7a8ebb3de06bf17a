// Following the focus on real desktops: X11 with a window manager (openbox) and windows of
// different classes (xterm -class), and a wlroots compositor (sway, headless) with two Wayland
// clients of different app ids. Each focus change the user makes reaches the follower, which
// switches the profile by the rules.
#include "focus/profile_follower.h"
#include "focus/wlr_focus_watcher.h"
#include "focus/x11_focus_watcher.h"
#include "headless_sway.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    process.waitForFinished(20000);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

FocusRules rulesFor(const QString& game, const QString& editor) {
    FocusRules rules;
    rules.rules = {{game, 3}, {editor, 2}};
    rules.defaultProfile = 1;
    return rules;
}

// A keyboard that records the profile switches it was asked for.
struct Keyboard {
    int profile = 1;
    QList<int> switches;
};

} // namespace

class TestFocusDesktops : public QObject {
    Q_OBJECT

    Keyboard keyboard;

    std::unique_ptr<ProfileFollower> follower(const FocusRules& rules) {
        auto made = std::make_unique<ProfileFollower>([this] { return keyboard.profile; },
                                                      [this](int profile) {
                                                          keyboard.switches.append(profile);
                                                          keyboard.profile = profile;
                                                      });
        made->setRules(rules);
        return made;
    }

    static void settle() { QTest::qWait(ProfileFollower::settleMs + 600); }

private slots:
    void init() { keyboard = {}; }

    void x11WindowManagerFocus() {
        QProcess manager;
        manager.start(QStringLiteral("openbox"), {});
        if (!manager.waitForStarted())
            QSKIP("openbox cannot be started here (is the openbox package installed?)");
        QProcess game, editor, other;
        game.start(QStringLiteral("xterm"),
                   {QStringLiteral("-class"), QStringLiteral("KorvaneGame")});
        editor.start(QStringLiteral("xterm"),
                     {QStringLiteral("-class"), QStringLiteral("KorvaneEditor")});
        other.start(QStringLiteral("xterm"),
                    {QStringLiteral("-class"), QStringLiteral("KorvaneOther")});
        for (const QString cls : {"KorvaneGame", "KorvaneEditor", "KorvaneOther"})
            QTRY_VERIFY_WITH_TIMEOUT(
                !run(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--class"), cls})
                     .isEmpty(),
                20000);
        // The windows of these classes in turn, in one xdotool run, as quick as alt-tab.
        auto activate = [](const QStringList& classes) {
            QStringList arguments;
            for (const QString& cls : classes)
                arguments << QStringLiteral("search") << QStringLiteral("--onlyvisible")
                          << QStringLiteral("--class") << cls << QStringLiteral("windowactivate")
                          << QStringLiteral("--sync");
            run(QStringLiteral("xdotool"), arguments);
        };

        X11FocusWatcher watcher;
        auto following =
            follower(rulesFor(QStringLiteral("korvanegame"), QStringLiteral("KorvaneEditor")));
        following->follow(&watcher);
        QSignalSpy reported(&watcher, &FocusWatcher::applicationFocused);
        watcher.start();
        QCOMPARE(watcher.problem(), QString());
        settle();

        activate({QStringLiteral("KorvaneGame")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3}), 10000);
        activate({QStringLiteral("KorvaneEditor")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2}), 10000);
        activate({QStringLiteral("KorvaneOther")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2, 1}), 10000);
        QVERIFY(reported.count() >= 3);
        QCOMPARE(reported.last().first().toString(), QStringLiteral("KorvaneOther"));

        // Already at the default: focusing another window of no rule sends nothing; alt-tab
        // through the game and back settles where it began.
        keyboard.switches.clear();
        activate({QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneOther")});
        settle();
        QCOMPARE(keyboard.switches, QList<int>());

        for (QProcess* p : {&game, &editor, &other}) {
            p->kill();
            p->waitForFinished();
        }
        manager.terminate();
        manager.waitForFinished();
    }

    void wlrootsCompositorFocus() {
        HeadlessSway sway;
        if (const QString trouble = sway.start(); !trouble.isEmpty())
            QSKIP(qPrintable(trouble));
        QVERIFY(sway.startGameAndEditor());
        const QString& gameId = HeadlessSway::gameId;
        const QString& editorId = HeadlessSway::editorId;
        // The editor has the focus when the watching begins, and is reported at once.
        sway.focus({editorId});
        WlrFocusWatcher watcher(sway.displaySocket());
        QSignalSpy reported(&watcher, &FocusWatcher::applicationFocused);
        auto following = follower(rulesFor(QStringLiteral("*CLICKDOT"), editorId));
        following->follow(&watcher);
        watcher.start();
        QCOMPARE(watcher.problem(), QString());
        settle();
        QCOMPARE(reported.count(), 1);
        QCOMPARE(reported.first().first().toString(), editorId);
        QCOMPARE(keyboard.switches, QList<int>({2}));
        keyboard.switches.clear();

        sway.focus({gameId});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3}), 10000);
        sway.focus({editorId});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2}), 10000);
        sway.focus({editorId});
        settle();
        QCOMPARE(keyboard.switches, QList<int>({3, 2}));
        QCOMPARE(reported.count(), 3);

        keyboard.switches.clear();
        sway.focus({gameId, editorId});
        settle();
        QCOMPARE(keyboard.switches, QList<int>());
    }

    void watchersSayWhyTheyCannotFollow() {
        X11FocusWatcher x11(QStringLiteral(":97"));
        x11.start();
        QVERIFY(!x11.problem().isEmpty());
        WlrFocusWatcher wlr(QStringLiteral("/nonexistent/wayland-socket"));
        wlr.start();
        QVERIFY(!wlr.problem().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFocusDesktops)
#include "test_focus_desktops.moc"
