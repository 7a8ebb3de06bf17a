// The session decides: Wayland is recognised from the session's environment whatever the
// toolkit runs on, and the tool asks for its Wayland platform only where nobody chose another.
#include "platform/desktop_session.h"

#include <QTest>

class TestDesktopSession : public QObject {
    Q_OBJECT

    QByteArray saved[3];
    static constexpr const char* names[3] = {"WAYLAND_DISPLAY", "XDG_SESSION_TYPE",
                                             "QT_QPA_PLATFORM"};

    static void set(const char* name, const QString& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }

private slots:
    void init() {
        for (int i = 0; i < 3; ++i)
            saved[i] = qgetenv(names[i]);
    }
    void cleanup() {
        for (int i = 0; i < 3; ++i)
            set(names[i], QString::fromUtf8(saved[i]));
    }

    void platformFollowsTheSession_data() {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("platformBefore");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<QString>("platformAfter");
        QTest::newRow("X11 session") << ""
                                     << "x11"
                                     << "" << false << "";
        QTest::newRow("no session named") << ""
                                          << ""
                                          << "" << false << "";
        QTest::newRow("Wayland display") << "wayland-0"
                                         << ""
                                         << "" << true << "wayland;xcb";
        QTest::newRow("Wayland session, display by default") << ""
                                                             << "wayland"
                                                             << "" << true << "wayland;xcb";
        QTest::newRow("forced through XWayland stays so, still a Wayland session")
            << "wayland-0"
            << "wayland"
            << "xcb" << true << "xcb";
    }

    void platformFollowsTheSession() {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, platformBefore);
        QFETCH(bool, wayland);
        QFETCH(QString, platformAfter);
        set("WAYLAND_DISPLAY", waylandDisplay);
        set("XDG_SESSION_TYPE", sessionType);
        set("QT_QPA_PLATFORM", platformBefore);
        QCOMPARE(DesktopSession::isWayland(), wayland);
        QCOMPARE(DesktopSession::preferWaylandPlatform(), platformBefore.isEmpty() && wayland);
        QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), platformAfter);
    }
};

QTEST_GUILESS_MAIN(TestDesktopSession)
#include "test_desktop_session.moc"
