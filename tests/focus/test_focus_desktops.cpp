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

#include <atomic>
#include <chrono>
#include <thread>

#include <xcb/xcb.h>

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

// An X client that sets the root window's active window by itself, as a window manager does,
// over windows of its own with the given classes.
class ActiveWindowWriter {
public:
    explicit ActiveWindowWriter(const QStringList& classes)
        : connection(xcb_connect(nullptr, nullptr)) {
        root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, 18, "_NET_ACTIVE_WINDOW"), nullptr);
        activeAtom = atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(atom);
        for (const QString& name : classes) {
            const xcb_window_t window = xcb_generate_id(connection);
            xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, root, 0, 0, 10, 10, 0,
                              XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
            const QByteArray wmClass = name.toLatin1() + '\0' + name.toLatin1() + '\0';
            xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_CLASS,
                                XCB_ATOM_STRING, 8, uint32_t(wmClass.size()), wmClass.constData());
            windows.append(window);
        }
        sync();
    }
    ~ActiveWindowWriter() { xcb_disconnect(connection); }

    bool works() const { return !xcb_connection_has_error(connection) && activeAtom; }

    void makeActive(int index) {
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, activeAtom, XCB_ATOM_WINDOW,
                            32, 1, &windows[index]);
        xcb_flush(connection);
    }

    void sync() {
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }

private:
    xcb_connection_t* connection;
    xcb_window_t root = 0;
    xcb_atom_t activeAtom = XCB_ATOM_NONE;
    QList<xcb_window_t> windows;
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

        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame")}));
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3}), 10000);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneEditor")}));
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2}), 10000);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneOther")}));
        QTRY_COMPARE_WITH_TIMEOUT(keyboard.switches, QList<int>({3, 2, 1}), 10000);
        QVERIFY(reported.count() >= 3);
        QCOMPARE(reported.last().first().toString(), QStringLiteral("KorvaneOther"));

        // Already at the default: focusing another window of no rule sends nothing; alt-tab
        // through the game and back settles where it began.
        keyboard.switches.clear();
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneOther")}));
        settle();
        QCOMPARE(keyboard.switches, QList<int>());
    }

    // The watcher asks the X server for the active window and its class; a change that arrives
    // while it waits for those answers must still be told. Bursts of quick changes from another
    // thread land some changes inside those waits; the last change of each burst is the one told.
    void x11WatcherTellsTheLastChangeOfEveryBurst() {
        const QStringList classes{QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneEditor")};
        ActiveWindowWriter writer(classes);
        QVERIFY(writer.works());
        writer.makeActive(0);
        writer.sync();
        X11FocusWatcher watcher;
        QSignalSpy told(&watcher, &FocusWatcher::applicationFocused);
        watcher.start();
        QCOMPARE(watcher.problem(), QString());
        for (int burst = 1; burst <= 30; ++burst) {
            const int last = burst % 2;
            std::atomic<bool> written{false};
            std::thread changes([&] {
                for (int change = 0; change < 60; ++change) {
                    writer.makeActive((change + last) % 2);
                    std::this_thread::sleep_for(std::chrono::microseconds(100 * (change % 5)));
                }
                writer.makeActive(last);
                writer.sync();
                written = true;
            });
            while (!written)
                QTest::qWait(1);
            changes.join();
            QTRY_COMPARE_WITH_TIMEOUT(told.last().first().toString(), classes[last], 3000);
        }
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
