// On a Wayland session without the opt-in rule for the keyboard's event nodes, the tool hears the
// keys typed into its own window, as the compositor hands them to it: what a macro recording on
// the virtual Z9 takes down.
#include "key_report_recorder.h"
#include "keys/key_hook.h"
#include "keys/window_key_listener.h"
#include "platform/udev_rule_command.h"

#include <QApplication>
#include <QKeyEvent>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QTest>

#include <linux/input-event-codes.h>

namespace {

using Report = KeyReportRecorder::Report;

// A key as the Wayland and X11 platforms deliver it: XKB's number, the Linux code plus 8.
void type(QWindow* window, int linuxCode, bool isDown) {
    QKeyEvent event(isDown ? QEvent::KeyPress : QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier,
                    quint32(linuxCode + 8), 0, 0);
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

class TestKeyListenerWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir udevRules; // no rule in it: the opt-in is not in place
    std::unique_ptr<RecordingTool> tool;
    QWindow* window = nullptr;

private slots:
    void initTestCase() {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        UdevRuleCommand::setRulesDirectories({udevRules.path()});
        tool = std::make_unique<RecordingTool>();
        tool->widget->show();
        window = tool->widget->windowHandle();
        QVERIFY(window);
    }

    void cleanupTestCase() { tool.reset(); }

    void init() {
        QVERIFY(tool->widget->installHOOK());
        QVERIFY(dynamic_cast<WindowKeyListener*>(hookHandle.get()));
        tool->recorder.clear();
    }

    void keysTypedIntoTheWindowAreRecorded() {
        type(window, KEY_A, true);
        type(window, KEY_A, true); // repeat
        type(window, KEY_A, false);
        type(window, KEY_KPENTER, true);
        type(window, KEY_KPENTER, false);
        type(window, KEY_MUTE, true); // no PC scan code: passed over
        const QList<Report> expected{{true, 0x04}, {false, 0x04}, {true, 0x58}, {false, 0x58}};
        QTRY_COMPARE(tool->recorder.reports(), expected);
    }

    // The scene's own window gets each key passed on from the platform window.
    void aKeyPassedOnToTheSceneCountsOnce() {
        QQuickWindow* scene = tool->widget->controler()->view->quickWindow();
        QVERIFY(scene);
        type(scene, KEY_B, true);
        type(window, KEY_C, true);
        type(scene, KEY_B, false);
        type(window, KEY_C, false);
        QTRY_COMPARE(tool->recorder.reports(), (QList<Report>{{true, 0x06}, {false, 0x06}}));
    }

    // Its release goes to the window that has the focus then, so it counts as released at once.
    void aKeyHeldWhenTheToolLosesTheFocusIsReleased() {
        type(window, KEY_LEFTSHIFT, true);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        type(window, KEY_LEFTSHIFT, true);
        QTRY_COMPARE(tool->recorder.reports(),
                     (QList<Report>{{true, 0xE1}, {false, 0xE1}, {true, 0xE1}}));
        type(window, KEY_LEFTSHIFT, false);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TestKeyListenerWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_key_listener_window.moc"
