// Following the focus on real desktops: X11 with a window manager (openbox) and windows of
// different classes, and a wlroots compositor (sway, headless) with two Wayland
// clients of different app ids. Each focus change the user makes reaches the follower, which
// switches the profile by the rules.
#include "focus/profile_follower.h"
#include "focus/wlr_focus_watcher.h"
#include "focus/x11_focus_watcher.h"
#include "headless_sway.h"
#include "x11_desktop.h"

#include <QSignalSpy>
#include <QTest>

namespace {

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
        X11Desktop desktop;
        if (const QString trouble =
                desktop.start({QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneEditor"),
                               QStringLiteral("KorvaneOther")});
            !trouble.isEmpty())
            QFAIL(qPrintable(trouble));
        X11FocusWatcher watcher;
        auto following =
            follower(rulesFor(QStringLiteral("korvanegame"), QStringLiteral("KorvaneEditor")));
        following->follow(&watcher);
        QSignalSpy reported(&watcher, &FocusWatcher::applicationFocused);
        watcher.start();
        QCOMPARE(watcher.problem(), QString());
        settle();

        desktop.activate({QStringLiteral("KorvaneGame")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3}), 10000);
        desktop.activate({QStringLiteral("KorvaneEditor")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2}), 10000);
        desktop.activate({QStringLiteral("KorvaneOther")});
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2, 1}), 10000);
        QVERIFY(reported.count() >= 3);
        QCOMPARE(reported.last().first().toString(), QStringLiteral("KorvaneOther"));

        // Already at the default: focusing another window of no rule sends nothing; alt-tab
        // through the game and back settles where it began.
        keyboard.switches.clear();
        desktop.activate({QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneOther")});
        settle();
        QCOMPARE(keyboard.switches, QList<int>());
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
