// Per-application profiles in korvane-service on a private session bus, with the virtual keyboard
// behind it: on X11 (openbox with windows of different classes) focus changes switch the
// keyboard's profile on the wire by the rules that korvanectl wrote; the KWin script and the GNOME
// Shell extension are checked by the call they make and by the syntax of their sources.
#include "bus_tools.h"
#include "focus/profile_follower.h"
#include "focus_tools.h"
#include "headless_sway.h"
#include "service_process.h"
#include "service_sandbox.h"
#include "x11_desktop.h"

#include <QDBusInterface>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace FocusTools;

namespace {

void settle() {
    QTest::qWait(ProfileFollower::settleMs + 700);
}

QString source(const QString& relative) {
    return QString::fromUtf8(
        ServiceSandbox::read(QStringLiteral(KORVANE_SOURCE_DIR "/") + relative));
}

const QStringList desktopClasses{QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneEditor"),
                                 QStringLiteral("KorvaneOther")};

} // namespace

class TestServiceFocus : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(ServiceSandbox::prepare(QDir::currentPath())); }

    void x11FocusSwitchesTheProfileByTheRules() {
        X11Desktop desktop;
        if (const QString trouble = desktop.start(desktopClasses); !trouble.isEmpty())
            QFAIL(qPrintable(trouble));
        QVERIFY(desktop.activate({QStringLiteral("KorvaneOther")}));
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        // korvanectl hands the rules to the service, which follows them from its next focus.
        QCOMPARE(korvanectl({"rule", "add", "korvanegame", "3"}).status, 0);
        QCOMPARE(korvanectl({"rule", "add", "KorvaneEdit*", "2"}).status, 0);
        QCOMPARE(korvanectl({"rule", "default", "1"}).status, 0);
        QCOMPARE(focusProperty(QStringLiteral("Backend")).toString(), QStringLiteral("X11"));
        QCOMPARE(focusProperty(QStringLiteral("Problem")).toString(), QString());
        settle();
        service.forgetWire();
        const auto switches = [&service] { return profileSwitches(service.setTraffic()); };

        // One switch per rule change; none where the profile already matches.
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame")}));
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({3}), 10000);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame")}));
        settle();
        QCOMPARE(switches(), QList<int>({3}));
        QVERIFY(desktop.activate({QStringLiteral("KorvaneEditor")}));
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({3, 2}), 10000);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneOther")}));
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({3, 2, 1}), 10000);
        QTRY_COMPARE(focusProperty(QStringLiteral("FocusedApplication")).toString(),
                     QStringLiteral("KorvaneOther"));
        QVERIFY(focusProperty(QStringLiteral("RecentApplications"))
                    .toStringList()
                    .startsWith(QStringLiteral("KorvaneOther")));

        // Alt-tab through the game and the editor back to where it began: nothing. A burst that
        // ends on the game: one switch.
        service.forgetWire();
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame"), QStringLiteral("KorvaneEditor"),
                                  QStringLiteral("KorvaneOther")}));
        settle();
        QCOMPARE(switches(), QList<int>());
        QVERIFY(desktop.activate({QStringLiteral("KorvaneEditor"), QStringLiteral("KorvaneGame")}));
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({3}), 10000);
        settle();
        QCOMPARE(switches(), QList<int>({3}));

        // A profile chosen by hand stays while the focus does, until another application gets it.
        service.forgetWire();
        QCOMPARE(keyboardCall(QStringLiteral("SwitchProfile"), {QStringLiteral("5")}).status, 0);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame")}));
        settle();
        QCOMPARE(switches(), QList<int>({5}));
        QVERIFY(desktop.activate({QStringLiteral("KorvaneOther")}));
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({5, 1}), 10000);

        // Rules changed while it runs are followed at once; switched off, nothing follows.
        service.forgetWire();
        QCOMPARE(korvanectl({"rule", "remove", "KORVANEGAME"}).status, 0);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneGame")}));
        settle();
        QCOMPARE(switches(), QList<int>());
        QCOMPARE(korvanectl({"rule", "off"}).status, 0);
        QVERIFY(desktop.activate({QStringLiteral("KorvaneEditor")}));
        settle();
        QCOMPARE(switches(), QList<int>());

        const ToolRun status = korvanectl({"rule", "status"});
        QCOMPARE(status.status, 0);
        QVERIFY2(status.out.contains(QStringLiteral("following the focus through X11")),
                 qPrintable(status.out));
    }

    // A wlroots compositor: the service, a Wayland client without a window, reads the activated
    // toplevel's app id.
    void wlrootsFocusSwitchesTheProfileByTheRules() {
        HeadlessSway sway;
        if (const QString trouble = sway.start(); !trouble.isEmpty())
            QSKIP(qPrintable(trouble));
        QVERIFY(sway.startGameAndEditor());
        const QString& gameId = HeadlessSway::gameId;
        const QString& editorId = HeadlessSway::editorId;
        sway.focus({editorId});
        QProcessEnvironment session;
        session.insert(QStringLiteral("WAYLAND_DISPLAY"), sway.displaySocket());
        ServiceProcess service({QStringLiteral("--demo")}, session);
        QVERIFY(service.waitUntilOnBus());
        QCOMPARE(focusProperty(QStringLiteral("Backend")).toString(), QStringLiteral("wlroots"));
        QCOMPARE(korvanectl({"rule", "add", "*clickdot", "4"}).status, 0);
        QCOMPARE(korvanectl({"rule", "default", "2"}).status, 0);
        settle();
        service.forgetWire();

        const auto switches = [&service] { return profileSwitches(service.setTraffic()); };

        sway.focus({gameId});
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({4}), 10000);
        sway.focus({gameId});
        settle();
        QCOMPARE(switches(), QList<int>({4}));
        sway.focus({editorId});
        QTRY_COMPARE_WITH_TIMEOUT(switches(), QList<int>({4, 2}), 10000);
        service.forgetWire();
        sway.focus({gameId, editorId});
        settle();
        QCOMPARE(switches(), QList<int>());
    }

    // Each script calls ReportFocus with its desktop's name and the window's class.
    void desktopScriptsReportTheFocus_data() {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("module");
        QTest::addColumn<QString>("backend");
        QTest::newRow("KWin") << "kwin"
                              << "packaging/focus/kwin/contents/code/main.js" << false
                              << "KWin script";
        QTest::newRow("GNOME Shell 45 and later")
            << "gnome-shell"
            << "packaging/focus/gnome-shell/extension.js" << true << "GNOME Shell extension";
        QTest::newRow("GNOME Shell 40 to 44") << "gnome-shell"
                                              << "packaging/focus/gnome-shell-legacy/extension.js"
                                              << false << "GNOME Shell extension";
    }

    void desktopScriptsReportTheFocus() {
        QFETCH(QString, desktop);
        QFETCH(QString, script);
        QFETCH(bool, module);
        QFETCH(QString, backend);
        const QString text = source(script);
        for (const QString& name :
             {ServiceNames::busName, ServiceNames::objectPath, ServiceNames::focusInterface,
              QStringLiteral("ReportFocus"), QLatin1Char('"') + desktop + QLatin1Char('"')}) {
            const QString quoted = name.startsWith(QLatin1Char('"'))
                                       ? name
                                       : QLatin1Char('"') + name + QLatin1Char('"');
            QVERIFY2(text.contains(quoted) || text.contains(QString(quoted).replace('"', '\'')),
                     qPrintable(script + QStringLiteral(" does not name ") + name));
        }
        // Syntax: node parses it, as a module or as a script, without running it.
        QTemporaryDir folder;
        const QString copy =
            folder.filePath(module ? QStringLiteral("script.mjs") : QStringLiteral("script.cjs"));
        QVERIFY(QFile::copy(QStringLiteral(KORVANE_SOURCE_DIR "/") + script, copy));
        const ToolRun check = runTool(QStringLiteral("node"), {QStringLiteral("--check"), copy});
        QVERIFY2(check.status == 0, qPrintable(check.err));

        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        QCOMPARE(korvanectl({"rule", "add", "steam_app_*", "4"}).status, 0);
        service.forgetWire();
        const ToolRun call =
            gdbusCall(ServiceNames::focusInterface + QStringLiteral(".ReportFocus"),
                      {desktop, QStringLiteral("steam_app_1086940")});
        QCOMPARE(call.err, QString());
        settle();
        QTRY_COMPARE_WITH_TIMEOUT(profileSwitches(service.setTraffic()), QList<int>({4}), 10000);
        QCOMPARE(focusProperty(QStringLiteral("Backend")).toString(), backend);
        QCOMPARE(focusProperty(QStringLiteral("FocusedApplication")).toString(),
                 QStringLiteral("steam_app_1086940"));
    }

    // GNOME Shell enables an extension only on the versions its metadata names, and one shell
    // cannot load both kinds: each version from 40 on is named by exactly one of the two.
    void gnomeShellExtensionsShareNoVersion() {
        QMap<QString, QString> extensionOf;
        for (const QString& folder :
             {QStringLiteral("gnome-shell"), QStringLiteral("gnome-shell-legacy")}) {
            const QJsonObject metadata =
                QJsonDocument::fromJson(
                    source(QStringLiteral("packaging/focus/%1/metadata.json").arg(folder)).toUtf8())
                    .object();
            QVERIFY(!metadata.value(QStringLiteral("uuid")).toString().isEmpty());
            for (const QJsonValue version :
                 metadata.value(QStringLiteral("shell-version")).toArray()) {
                QVERIFY2(!extensionOf.contains(version.toString()), qPrintable(version.toString()));
                extensionOf.insert(version.toString(), folder);
            }
        }
        for (int version = 40; version <= 48; ++version)
            QVERIFY2(extensionOf.contains(QString::number(version)),
                     qPrintable(QString::number(version)));
        QCOMPARE(extensionOf.value(QStringLiteral("43")), QStringLiteral("gnome-shell-legacy"));
        QCOMPARE(extensionOf.value(QStringLiteral("45")), QStringLiteral("gnome-shell"));
    }

    void badReportsGetNamedErrors_data() {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("appId");
        QTest::newRow("unknown desktop") << "xfwm"
                                         << "steam";
        QTest::newRow("line break in the id") << "kwin"
                                              << "steam\nrule/0=x, 1";
    }

    void badReportsGetNamedErrors() {
        QFETCH(QString, desktop);
        QFETCH(QString, appId);
        ServiceProcess service;
        QVERIFY(service.waitUntilOnBus());
        const ToolRun call = gdbusCall(
            ServiceNames::focusInterface + QStringLiteral(".ReportFocus"), {desktop, appId});
        QVERIFY(call.status != 0);
        QVERIFY2(call.err.contains(QStringLiteral("org.korvane.Keyboard1.Error.InvalidArgument")),
                 qPrintable(call.err));
        QCOMPARE(service.setTraffic(), QList<WireReport>());
    }
};

QTEST_GUILESS_MAIN(TestServiceFocus)
#include "test_service_focus.moc"
