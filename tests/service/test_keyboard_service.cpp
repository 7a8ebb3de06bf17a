// The service's keyboard work on its own thread, without a bus: commands run one at a time in the
// order asked, the asking thread's event loop runs meanwhile, what they learn comes back to it,
// and a command past its caller's deadline is not begun. The window's queue of device commands
// behind a profile handover. (Run under ThreadSanitizer too.)
#include "../ctl/ctl_world.h"
#include "controller/device_command_queue.h"
#include "ctl/ctl_command.h"
#include "platform/device_monitor.h"
#include "service/keyboard_service.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

QString shippedFolder;

} // namespace

class TestKeyboardService : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { shippedFolder = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(shippedFolder); }

    void commandsRunInTurnAwayFromTheCaller() {
        CtlWorld world(shippedFolder, {});
        world.enter();
        KeyboardService service(std::make_shared<VirtualHidBackend>(world.keyboard),
                                std::make_unique<DeviceMonitor>());
        service.start();
        QVERIFY(service.state().connected);
        QCOMPARE(service.state().profile, 0);
        QSignalSpy changes(&service, &KeyboardService::stateChanged);
        QSignalSpy files(&service, &KeyboardService::profileFileChanged);
        VirtualKeyboardFaults slow;
        slow.reportDelayMs = 50;
        world.keyboard->setFaults(slow);

        QStringList finished;
        int ticksBeforeFirst = -1;
        int ticks = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, this, [&] { ++ticks; });
        tick.start(5);
        service.runCommandLine({QStringLiteral("key"), QStringLiteral("Caps"), QStringLiteral("A")},
                               world.sandbox.path(QString()), std::nullopt,
                               [&](const std::optional<KeyboardService::LineResult>& result) {
                                   ticksBeforeFirst = ticks;
                                   finished.append(result ? result->err : QStringLiteral("late"));
                               });
        service.run(profileCommand(), {{QStringLiteral("3")}, {}}, world.sandbox.path(QString()),
                    [&](const CtlResult& result) {
                        finished.append(result.isOk() ? QStringLiteral("profile") : result.error);
                    });
        QCOMPARE(finished, QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 2, 30000);
        QCOMPARE(finished, (QStringList{QString(), QStringLiteral("profile")}));
        // The key table took many report delays; the caller's loop ran all along.
        QVERIFY2(ticksBeforeFirst > 10, qPrintable(QString::number(ticksBeforeFirst)));
        QCOMPARE(service.state().profile, 2);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(files.size(), 1);
        QCOMPARE(files.first().first().toInt(), 0);
        QCOMPARE(world.keyboard->state().currentProfile, 2);
    }

    void aCommandPastItsDeadlineIsNotBegun() {
        CtlWorld world(shippedFolder, {});
        world.enter();
        KeyboardService service(std::make_shared<VirtualHidBackend>(world.keyboard),
                                std::make_unique<DeviceMonitor>());
        service.start();
        world.keyboard->clearRecord();
        std::optional<std::optional<KeyboardService::LineResult>> answer;
        service.runCommandLine(
            {QStringLiteral("profile"), QStringLiteral("4")}, world.sandbox.path(QString()),
            KeyboardService::monotonicMs() - 1,
            [&](const std::optional<KeyboardService::LineResult>& result) { answer = result; });
        QTRY_VERIFY(answer.has_value());
        QVERIFY(!answer->has_value());
        // At most the scan that follows reads the keyboard: nothing was set.
        for (const WireReport& report : world.keyboard->record())
            QVERIFY(report.kind != WireReport::Kind::FeatureOut || uchar(report.bytes[1]) >= 0x80);
        QCOMPARE(world.keyboard->state().currentProfile, 0);
        QCOMPARE(service.state().profile, 0);
    }

    // Commands after a handover wait for its answer; what the other program did not take is
    // done in its place, in order.
    void theQueueHoldsCommandsBehindAHandover_data() {
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("done");
        QTest::newRow("taken") << true << QStringList{"before", "after", "later"};
        QTest::newRow("not taken") << false << QStringList{"before", "instead", "after", "later"};
    }

    void theQueueHoldsCommandsBehindAHandover() {
        QFETCH(bool, taken);
        QFETCH(QStringList, done);
        DeviceCommandQueue queue;
        QStringList ran;
        std::function<void(bool)> answer;
        queue.run([&] { ran.append(QStringLiteral("before")); });
        queue.handOver([&](std::function<void(bool)> reply) { answer = std::move(reply); },
                       [&] { ran.append(QStringLiteral("instead")); });
        queue.run([&] { ran.append(QStringLiteral("after")); });
        QVERIFY(queue.isWaiting());
        QCOMPARE(ran, QStringList{QStringLiteral("before")});
        answer(taken);
        QVERIFY(!queue.isWaiting());
        queue.run([&] { ran.append(QStringLiteral("later")); });
        QCOMPARE(ran, done);
    }

    void anAnswerAfterTheQueueIsGoneRunsNothing() {
        QStringList ran;
        std::function<void(bool)> answer;
        {
            DeviceCommandQueue queue;
            queue.handOver([&](std::function<void(bool)> reply) { answer = std::move(reply); },
                           [&] { ran.append(QStringLiteral("instead")); });
            queue.run([&] { ran.append(QStringLiteral("after")); });
        }
        answer(false);
        QCOMPARE(ran, QStringList());
    }
};

QTEST_MAIN(TestKeyboardService)
#include "test_keyboard_service.moc"
