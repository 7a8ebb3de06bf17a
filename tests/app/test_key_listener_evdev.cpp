// On a Wayland session where the user has put the opt-in rule in place, the keys come from the
// Z9's own input event nodes, found by its ids: a keyboard behind umockdev's fake nodes and
// uevents. Without the rule the tool opens none of them.
#include "key_report_recorder.h"
#include "keys/evdev_key_listener.h"
#include "keys/key_hook.h"
#include "keys/window_key_listener.h"
#include "platform/udev_rule_command.h"
#include "umockdev_preload.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <linux/input.h>
#include <unistd.h>

#include <memory>

// GLib names a structure member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <umockdev.h>
#pragma pop_macro("signals")

namespace {

using Report = KeyReportRecorder::Report;

// One keyboard's input device with its event node; the node is a terminal whose other end
// stands for the kernel.
class FakeKeyboardNode {
public:
    FakeKeyboardNode(UMockdevTestbed* testbed, const QByteArray& product)
        : testbed(testbed), number(nextNumber++) {
        const QByteArray inputName = "input" + QByteArray::number(number);
        gchar* input = umockdev_testbed_add_device(testbed, "input", inputName.constData(), nullptr,
                                                   "name", "Korvane Z9", nullptr, "PRODUCT",
                                                   product.constData(), nullptr);
        inputPath = input;
        g_free(input);
        const QByteArray eventName = "event" + QByteArray::number(number);
        devnode = "/dev/input/" + eventName;
        eventPath = inputPath + "/" + eventName;
        const QByteArray description =
            "P: " + eventPath.mid(4) + "\nN: input/" + eventName + "\nE: DEVNAME=" + devnode +
            "\nE: SUBSYSTEM=input\nA: dev=13:" + QByteArray::number(64 + number) + "\n";
        GError* error = nullptr;
        if (!umockdev_testbed_add_from_string(testbed, description.constData(), &error)) {
            qWarning("add_from_string: %s", error->message);
            g_clear_error(&error);
        }
        kernelSide = umockdev_testbed_get_dev_fd(testbed, devnode.constData());
    }

    ~FakeKeyboardNode() { unplug(); }

    void key(quint16 code, int value) {
        const input_event events[2] = {{{}, EV_KEY, code, value}, {{}, EV_SYN, SYN_REPORT, 0}};
        QCOMPARE(::write(kernelSide, events, sizeof events), ssize_t(sizeof events));
    }

    void unplug() {
        if (eventPath.isEmpty())
            return;
        umockdev_testbed_uevent(testbed, eventPath.constData(), "remove");
        umockdev_testbed_remove_device(testbed, eventPath.constData());
        umockdev_testbed_remove_device(testbed, inputPath.constData());
        eventPath.clear();
    }

    QByteArray devnode;

private:
    UMockdevTestbed* testbed;
    // Node names are never reused within a process: umockdev's preload remembers old ones.
    static inline int nextNumber = 5;
    int number;
    QByteArray inputPath;
    QByteArray eventPath;
    int kernelSide = -1;
};

const QByteArray z9Product = "3/4d9/5e01/111";

} // namespace

class TestKeyListenerEvdev : public QObject {
    Q_OBJECT

private:
    UMockdevTestbed* testbed = nullptr;
    std::unique_ptr<RecordingTool> tool;
    // Stands for the directories udev reads rules from.
    QTemporaryDir udevRules;

    EvdevKeyListener* listener() const { return dynamic_cast<EvdevKeyListener*>(hookHandle.get()); }

    // Installs the hook again, so that it looks for the keyboards attached now.
    void startListening() {
        QVERIFY(tool->widget->installHOOK());
        QVERIFY(listener());
        tool->recorder.clear();
    }

private slots:
    void initTestCase() {
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        UdevRuleCommand::setRulesDirectories({udevRules.path()});
        testbed = umockdev_testbed_new();
        tool = std::make_unique<RecordingTool>();
    }

    // Every test but the first runs with the opt-in rule in place.
    void init() {
        QFile rule(udevRules.filePath(UdevRuleCommand::optInRuleName));
        QVERIFY(rule.open(QIODevice::WriteOnly));
        QVERIFY(rule.write("SUBSYSTEM==\"input\", TAG+=\"uaccess\"\n") > 0);
    }

    void withoutTheOptInNoEventNodeIsOpened() {
        QVERIFY(QFile::remove(udevRules.filePath(UdevRuleCommand::optInRuleName)));
        QVERIFY(!UdevRuleCommand::isOptInActive());
        FakeKeyboardNode z9(testbed, z9Product);
        QVERIFY(tool->widget->installHOOK());
        QVERIFY(!listener());
        // The keys typed into the tool's own window are what it hears.
        QVERIFY(dynamic_cast<WindowKeyListener*>(hookHandle.get()));
    }

    void cleanupTestCase() {
        tool.reset();
        g_object_unref(testbed);
    }

    void keysOfTheZ9AreReportedAndOtherKeyboardsAreLeftAlone() {
        QVERIFY(UdevRuleCommand::isOptInActive());
        FakeKeyboardNode z9(testbed, z9Product);
        FakeKeyboardNode other(testbed, "3/46d/c31c/110");
        startListening();
        QCOMPARE(listener()->openNodes(), QStringList{QString::fromLatin1(z9.devnode)});

        other.key(KEY_B, 1);
        z9.key(KEY_A, 1);
        z9.key(KEY_A, 2); // repeat
        z9.key(KEY_A, 0);
        z9.key(KEY_KPENTER, 1);
        z9.key(KEY_KPENTER, 0);
        z9.key(KEY_MUTE, 1); // no PC scan code: passed over
        const QList<Report> expected{{true, 0x04}, {false, 0x04}, {true, 0x58}, {false, 0x58}};
        QTRY_COMPARE(tool->recorder.reports(), expected);
    }

    void unplugClosesTheNodeAndPluggingInAgainReopensIt() {
        auto z9 = std::make_unique<FakeKeyboardNode>(testbed, z9Product);
        startListening();
        QCOMPARE(listener()->openNodes().size(), 1);
        z9->key(KEY_A, 1);
        QTRY_COMPARE(tool->recorder.reports().size(), 1);

        z9.reset();
        QTRY_VERIFY(listener()->openNodes().isEmpty());
        // The window goes on working.
        QCoreApplication::processEvents();

        FakeKeyboardNode again(testbed, z9Product);
        QTRY_COMPARE(listener()->openNodes(), QStringList{QString::fromLatin1(again.devnode)});
        again.key(KEY_A, 0);
        QTRY_COMPARE(tool->recorder.reports(), (QList<Report>{{true, 0x04}, {false, 0x04}}));
    }

    void withoutTheKeyboardTheListenerWaitsForIt() {
        startListening();
        QVERIFY(listener()->openNodes().isEmpty());
        FakeKeyboardNode z9(testbed, z9Product);
        QTRY_COMPARE(listener()->openNodes().size(), 1);
        z9.key(KEY_RIGHTSHIFT, 1);
        z9.key(KEY_RIGHTSHIFT, 0);
        QTRY_COMPARE(tool->recorder.reports(), (QList<Report>{{true, 0xE5}, {false, 0xE5}}));
    }
};

int main(int argc, char** argv) {
    runUnderUmockdevPreload(argv);
    QApplication app(argc, argv);
    TestKeyListenerEvdev test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_key_listener_evdev.moc"
