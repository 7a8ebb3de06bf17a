#pragma once

#include "ctl/ctl_arguments.h"
#include "ctl/ctl_result.h"
#include "device/hid_thread.h"
#include "platform/device_watch.h"
#include "service/keyboard_state.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class CtlContext;
struct CtlCommand;
class HidBackend;

// The keyboard held for the user's session: one device link that every caller's commands take
// turns on, one at a time and each to its end, so that nothing reaches the wire twice and no two
// transfers interleave. Commands are korvanectl's, so that they change the keyboard and the
// profile files exactly as korvanectl and the window's pages do. What the service knows of the
// keyboard comes from a scan at start and after each device change, and from every command's
// outcome; it never polls.
class KeyboardService : public QObject {
    Q_OBJECT

public:
    // `backend` null: hidapi. Settings paths resolve against the working directory.
    KeyboardService(std::shared_ptr<HidBackend> backend, std::unique_ptr<DeviceMonitor> monitor,
                    QObject* parent = nullptr);
    ~KeyboardService() override;

    const KeyboardState& state() const { return known; }
    DeviceWatch& deviceWatch() { return watch; }

    // Runs one command; file names given by the caller resolve against `userDirectory`.
    CtlResult run(const CtlCommand& command, const CtlArguments& arguments,
                  const QString& userDirectory);
    // korvanectl's words after the program name, as korvanectl would run them: its exit status,
    // with what it printed.
    int runCommandLine(const QStringList& words, const QString& userDirectory, QString& out,
                       QString& err);

public slots:
    // Looks for the keyboard and reads its firmware, profile and mode, as `korvanectl status`.
    void scan();

signals:
    void stateChanged(const KeyboardState& previous);
    void profileFileChanged(int profile);

private:
    // Runs `command` between two looks at the profile files, and learns from its outcome.
    void settle(const std::function<void()>& command);
    void learnFrom(CtlContext& context, const CtlResult& result);
    void learn(const KeyboardState& next);

    Hid_Thread link;
    DeviceWatch watch;
    KeyboardState known;
};
