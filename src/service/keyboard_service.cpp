#include "service/keyboard_service.h"

#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "ctl/korvane_ctl.h"
#include "service/profile_files_snapshot.h"

#include <QDebug>
#include <QJsonObject>
#include <QTextStream>

#include <ctime>
#include <future>

KeyboardService::KeyboardService(std::shared_ptr<HidBackend> backend,
                                 std::unique_ptr<DeviceMonitor> monitor, QObject* parent)
    : QObject(parent), link(std::move(backend)), watch(std::move(monitor)) {
    connect(&watch, &DeviceWatch::scanWanted, this, &KeyboardService::scan);
    keyboardThread = std::thread([this] { workOnKeyboard(); });
}

// Every command asked for ends first, on the keyboard and in its files.
KeyboardService::~KeyboardService() {
    {
        std::lock_guard lock(queueLock);
        ending = true;
    }
    queueChanged.notify_all();
    keyboardThread.join();
    link.waitForTransfers();
}

void KeyboardService::workOnKeyboard() {
    for (;;) {
        std::function<void()> job;
        {
            std::unique_lock lock(queueLock);
            queueChanged.wait(lock, [this] { return ending || !jobs.empty(); });
            if (jobs.empty())
                return;
            job = std::move(jobs.front());
            jobs.pop_front();
        }
        job();
    }
}

void KeyboardService::deliver() {
    std::deque<std::function<void()>> ready;
    {
        std::lock_guard lock(queueLock);
        ready.swap(finished);
    }
    for (const std::function<void()>& step : ready)
        step();
}

qint64 KeyboardService::monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

void KeyboardService::start() {
    Seen seen;
    std::promise<void> scanned;
    {
        std::lock_guard lock(queueLock);
        jobs.push_back([&] {
            seen.scanned = readKeyboard();
            scanned.set_value();
        });
    }
    queueChanged.notify_one();
    scanned.get_future().wait();
    learnFrom(seen);
}

void KeyboardService::run(const CtlCommand& command, const CtlArguments& arguments,
                          const QString& userDirectory, Done<CtlResult> done) {
    auto result = std::make_shared<CtlResult>();
    enqueue(
        [this, &command, arguments, userDirectory, result](Seen& seen) {
            settle(seen, [&] {
                CtlContext context(link, userDirectory);
                *result = command.run(context, arguments);
                noteOutcome(seen, context, *result);
            });
        },
        [result, done = std::move(done)] {
            if (done)
                done(*result);
        });
}

void KeyboardService::runCommandLine(const QStringList& words, const QString& userDirectory,
                                     StartBefore startBefore,
                                     Done<std::optional<LineResult>> done) {
    auto result = std::make_shared<std::optional<LineResult>>();
    enqueue(
        [this, words, userDirectory, startBefore, result](Seen& seen) {
            if (startBefore && monotonicMs() > *startBefore)
                return;
            LineResult& line = result->emplace();
            settle(seen, [&] {
                QTextStream outStream(&line.out);
                QTextStream errStream(&line.err);
                line.status =
                    runKorvaneCtlOnLink(words, link, userDirectory, outStream, errStream,
                                        [&seen](CtlContext& context, const CtlResult& outcome) {
                                            noteOutcome(seen, context, outcome);
                                        });
            });
        },
        [this, result, done = std::move(done)] {
            // A caller that gave up waiting may have worked on the keyboard itself meanwhile.
            if (!*result)
                scan();
            done(*result);
        });
}

void KeyboardService::enqueue(std::function<void(Seen&)> work, std::function<void()> then) {
    {
        std::lock_guard lock(queueLock);
        jobs.push_back([this, work = std::move(work), then = std::move(then)]() mutable {
            auto seen = std::make_shared<Seen>();
            work(*seen);
            {
                std::lock_guard lock(queueLock);
                finished.push_back([this, seen, then = std::move(then)] {
                    learnFrom(*seen);
                    then();
                });
            }
            QMetaObject::invokeMethod(this, &KeyboardService::deliver, Qt::QueuedConnection);
        });
    }
    queueChanged.notify_one();
}

void KeyboardService::settle(Seen& seen, const std::function<void()>& command) {
    const ProfileFilesSnapshot before = ProfileFilesSnapshot::take();
    command();
    seen.changedFiles = before.changedIn(ProfileFilesSnapshot::take());
}

void KeyboardService::scan() {
    enqueue([this](Seen& seen) { seen.scanned = readKeyboard(); }, [] {});
}

KeyboardState KeyboardService::readKeyboard() {
    CtlContext context(link, QString());
    const CtlResult result = statusCommand().run(context, CtlArguments());
    KeyboardState next;
    if (result.isOk()) {
        const QJsonObject status = result.json.toObject();
        next.connected = true;
        next.firmware = status.value(QStringLiteral("firmware")).toString();
        next.profile = context.currentProfile();
        next.gamingMode =
            status.value(QStringLiteral("mode")).toString() == QLatin1String("gaming");
    } else if (result.status != ExitStatus::NoKeyboard) {
        // Present but out of reach (no permission, kept busy by another program): said once per
        // scan, since nobody else would see it.
        qWarning().noquote() << "korvane-service:" << result.error;
    }
    return next;
}

// A command that found the keyboard and read its profile tells the profile it left; one that
// found no keyboard tells that the keyboard is gone.
void KeyboardService::noteOutcome(Seen& seen, CtlContext& context, const CtlResult& result) {
    if (result.status == ExitStatus::NoKeyboard)
        seen.gone = true;
    else if (result.isOk() && !context.devices().isEmpty())
        seen.profile = context.currentProfile();
}

void KeyboardService::learnFrom(const Seen& seen) {
    if (seen.scanned) {
        learn(*seen.scanned);
    } else if (seen.gone) {
        learn(KeyboardState());
    } else if (seen.profile && !known.connected) {
        // Found without a device change being seen (no udev daemon): the scan fills in the rest.
        scan();
    } else if (seen.profile) {
        KeyboardState next = known;
        next.profile = *seen.profile;
        learn(next);
    }
    for (const int profile : seen.changedFiles)
        emit profileFileChanged(profile);
}

void KeyboardService::learn(const KeyboardState& next) {
    if (next == known)
        return;
    const KeyboardState previous = known;
    known = next;
    emit stateChanged(previous);
}
