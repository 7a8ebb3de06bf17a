// Following the focus on real desktops: X11 with a window manager (openbox) and windows of
// different classes (xterm -class), and a wlroots compositor (sway, headless) with two Wayland
// clients of different app ids. Each focus change the user makes reaches the follower, which
// switches the profile by the rules.
#include "focus/profile_follower.h"
#include "focus/wlr_focus_watcher.h"
#include "focus/x11_focus_watcher.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

constexpr uid_t nobody = 65534;

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
                     {QStringLiteral("search"), QStringLiteral("--class"), cls})
                     .isEmpty(),
                20000);
        auto activate = [](const QString& cls) {
            run(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--class"), cls,
                 QStringLiteral("windowactivate"), QStringLiteral("--sync")});
        };

        X11FocusWatcher watcher;
        auto following =
            follower(rulesFor(QStringLiteral("korvanegame"), QStringLiteral("KorvaneEditor")));
        following->follow(&watcher);
        QSignalSpy reported(&watcher, &FocusWatcher::applicationFocused);
        watcher.start();
        QCOMPARE(watcher.problem(), QString());
        settle();

        activate(QStringLiteral("KorvaneGame"));
        settle();
        activate(QStringLiteral("KorvaneEditor"));
        settle();
        activate(QStringLiteral("KorvaneOther"));
        settle();
        QCOMPARE(keyboard.switches, QList<int>({3, 2, 1}));
        QVERIFY(reported.count() >= 3);
        QCOMPARE(reported.last().first().toString(), QStringLiteral("KorvaneOther"));

        // Already at the default: focusing another window of no rule sends nothing; alt-tab
        // through the game and back settles where it began.
        keyboard.switches.clear();
        activate(QStringLiteral("KorvaneGame"));
        activate(QStringLiteral("KorvaneOther"));
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
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner);
        QFile config(runtime.filePath(QStringLiteral("sway.conf")));
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write("output HEADLESS-1 resolution 1024x768\n");
        config.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess sway;
        sway.setProcessEnvironment(env);
        sway.setProcessChannelMode(QProcess::MergedChannels);
        // sway refuses to run as root; the suite's own clients, as root, may still reach it.
        if (::getuid() == 0) {
            QVERIFY(::chown(QFile::encodeName(runtime.path()).constData(), nobody, nobody) == 0);
            sway.start(QStringLiteral("setpriv"),
                       {QStringLiteral("--reuid=%1").arg(nobody),
                        QStringLiteral("--regid=%1").arg(nobody), QStringLiteral("--clear-groups"),
                        QStringLiteral("sway"), QStringLiteral("-c"), config.fileName()});
        } else {
            sway.start(QStringLiteral("sway"), {QStringLiteral("-c"), config.fileName()});
        }
        if (!sway.waitForStarted())
            QSKIP("sway cannot be started here (is the sway package installed?)");
        QString socket;
        for (int waited = 0; waited < 20000 && socket.isEmpty(); waited += 100) {
            const QStringList sockets =
                QDir(runtime.path()).entryList({QStringLiteral("wayland-*")}, QDir::System);
            for (const QString& name : sockets)
                if (!name.endsWith(QStringLiteral(".lock")))
                    socket = name;
            QTest::qWait(100);
        }
        if (socket.isEmpty())
            QSKIP(qPrintable(QStringLiteral("sway cannot start here: ") +
                             QString::fromLocal8Bit(sway.readAll()).right(600)));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), socket);
        const QString swaySocket =
            QDir(runtime.path()).entryList({QStringLiteral("sway-ipc.*")}, QDir::System).value(0);
        env.insert(QStringLiteral("SWAYSOCK"), runtime.filePath(swaySocket));

        QProcess game, editor;
        game.setProcessEnvironment(env);
        editor.setProcessEnvironment(env);
        game.start(QStringLiteral("weston-clickdot"), {});
        editor.start(QStringLiteral("weston-flower"), {});
        const QString gameId = QStringLiteral("org.freedesktop.weston.wayland-clickdot");
        const QString editorId = QStringLiteral("org.freedesktop.weston.flower");
        auto focus = [&](const QString& appId) {
            run(QStringLiteral("swaymsg"), {QStringLiteral("[app_id=\"%1\"] focus").arg(appId)},
                env);
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")}, env)
                .contains(editorId),
            20000);
        QTRY_VERIFY_WITH_TIMEOUT(
            run(QStringLiteral("swaymsg"), {QStringLiteral("-t"), QStringLiteral("get_tree")}, env)
                .contains(gameId),
            20000);

        // The editor has the focus when the watching begins, and is reported at once.
        focus(editorId);
        WlrFocusWatcher watcher(runtime.filePath(socket));
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

        focus(gameId);
        settle();
        focus(editorId);
        settle();
        focus(editorId);
        settle();
        QCOMPARE(keyboard.switches, QList<int>({3, 2}));
        QCOMPARE(reported.count(), 3);

        keyboard.switches.clear();
        focus(gameId);
        focus(editorId);
        settle();
        QCOMPARE(keyboard.switches, QList<int>());

        for (QProcess* p : {&game, &editor}) {
            p->kill();
            p->waitForFinished();
        }
        sway.terminate();
        sway.waitForFinished(10000);
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
