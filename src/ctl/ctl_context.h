#pragma once

#include "ctl/ctl_result.h"
#include "device/dev_found.h"
#include "device/hid_thread.h"
#include "device/transfer_outcome.h"

#include <QList>
#include <QString>

#include <memory>

class DeviceBridge;
class HidBackend;
class SettingsFile;

// What a korvanectl command works with: the device link, the six profile files and the current
// profile index, as the window's controller keeps them, and the directory that file names given
// by the user are relative to. The keyboard is found only when a command asks for it.
class CtlContext {
public:
    // `backend` null: hidapi. Settings paths resolve against the working directory.
    CtlContext(std::shared_ptr<HidBackend> backend, QString userDirectory);
    // On the device link of a program that holds the keyboard for longer (the background
    // service), so that its commands and this one's take turns on one channel.
    CtlContext(Hid_Thread& link, QString userDirectory);
    ~CtlContext();
    CtlContext(const CtlContext&) = delete;
    CtlContext& operator=(const CtlContext&) = delete;

    // Finds the keyboard and reads its current profile, which selects the profile file that
    // lighting and key changes are mirrored in.
    CtlResult connectKeyboard();
    // Waits for the commands under way and stores the profile files; the first failure among
    // them, or success.
    CtlResult finishTransfers();
    // Whether every file written so far reached the disk; the first that did not.
    CtlResult storeResult() const;

    DeviceBridge bridge();
    Hid_Thread& link() { return hid; }
    const QList<DevFound>& devices() const { return found; }
    QList<SettingsFile*>& profileSettings() { return profiles; }
    int currentProfile() const { return profile; }
    // A file name given by the user, made absolute against the directory korvanectl started in.
    QString userFile(const QString& name) const;

    static CtlResult failureOf(TransferOutcome outcome, const QString& path);

private:
    CtlContext(std::unique_ptr<Hid_Thread> owned, Hid_Thread* borrowed, QString userDirectory);

    std::unique_ptr<Hid_Thread> ownLink;
    Hid_Thread& hid;
    QList<DevFound> found;
    QList<SettingsFile*> profiles;
    int profile = 0;
    QString userDirectory;
    QStringList storeFailures;
    QMetaObject::Connection storeWatch;
};
