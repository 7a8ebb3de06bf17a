#pragma once

#include "ctl/ctl_arguments.h"
#include "ctl/ctl_result.h"
#include "device/hid_thread.h"
#include "platform/device_watch.h"
#include "service/keyboard_state.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

class CtlContext;
struct CtlCommand;
class HidBackend;

// The keyboard held for the user's session: one device link that every caller's commands take
// turns on, one at a time and each to its end, so that nothing reaches the wire twice and no two
// transfers interleave. Commands are korvanectl's, so that they change the keyboard and the
// profile files exactly as korvanectl and the window's pages do. What the service knows of the
// keyboard comes from a scan at start and after each device change, and from every command's
// outcome; it never polls.
//
// Commands and scans run on a thread of the service's own, in the order they were asked for, so
// that the thread that serves the bus (properties, pings, other callers) never waits on the
// keyboard; what each leaves comes back to the caller's thread.
class KeyboardService : public QObject {
    Q_OBJECT

public:
    // What a command line leaves: korvanectl's exit status with what it printed.
    struct LineResult {
        int status = 0;
        QString out;
        QString err;
    };
    template <typename Result> using Done = std::function<void(const Result&)>;
    // A command that comes after this moment (CLOCK_MONOTONIC, milliseconds) is not begun.
    using StartBefore = std::optional<qint64>;

    // `backend` null: hidapi. Settings paths resolve against the working directory.
    KeyboardService(std::shared_ptr<HidBackend> backend, std::unique_ptr<DeviceMonitor> monitor,
                    QObject* parent = nullptr);
    // Lets the commands asked for so far end, transfers and files included.
    ~KeyboardService() override;

    const KeyboardState& state() const { return known; }
    DeviceWatch& deviceWatch() { return watch; }

    // The first scan, waited for: before the service takes its name, nobody waits on it.
    void start();

    // Runs one command; file names given by the caller resolve against `userDirectory`. `done`
    // (when given) gets the result on this object's thread.
    void run(const CtlCommand& command, const CtlArguments& arguments, const QString& userDirectory,
             Done<CtlResult> done = nullptr);
    // korvanectl's words after the program name, as korvanectl would run them. Past `startBefore`
    // nothing runs, `done` gets nullopt and the keyboard is scanned again: its caller, having
    // given up, may have changed it itself.
    void runCommandLine(const QStringList& words, const QString& userDirectory,
                        StartBefore startBefore, Done<std::optional<LineResult>> done);

    // The time on the clock that StartBefore counts in.
    static qint64 monotonicMs();

public slots:
    // Looks for the keyboard and reads its firmware, profile and mode, as `korvanectl status`.
    void scan();

signals:
    void stateChanged(const KeyboardState& previous);
    void profileFileChanged(int profile);

private:
    // What a command on the keyboard's thread saw, for this thread to learn from.
    struct Seen {
        // The keyboard was not found, or went away.
        bool gone = false;
        // The profile the keyboard reported, when the command found it.
        std::optional<int> profile;
        // A whole scan, which replaces what is known.
        std::optional<KeyboardState> scanned;
        QList<int> changedFiles;
    };

    // Runs `work` on the keyboard's thread after everything asked for before, then `then` here.
    void enqueue(std::function<void(Seen&)> work, std::function<void()> then);
    // The keyboard thread: takes the jobs in turn until the service ends and none is left.
    void workOnKeyboard();
    // On this object's thread: learns from the jobs that ended and answers their callers.
    void deliver();
    // Runs `command` between two looks at the profile files (on the keyboard's thread).
    static void settle(Seen& seen, const std::function<void()>& command);
    static void noteOutcome(Seen& seen, CtlContext& context, const CtlResult& result);
    // The keyboard's state as a scan finds it (on the keyboard's thread).
    KeyboardState readKeyboard();
    void learnFrom(const Seen& seen);
    void learn(const KeyboardState& next);

    Hid_Thread link;
    DeviceWatch watch;
    KeyboardState known;
    // What the two threads hand each other, under one standard lock (which ThreadSanitizer
    // sees, unlike the toolkit's event queue).
    std::mutex queueLock;
    std::condition_variable queueChanged;
    std::deque<std::function<void()>> jobs;
    std::deque<std::function<void()>> finished;
    bool ending = false;
    // Started last, ended first.
    std::thread keyboardThread;
};
