#pragma once

#include "device/hid_thread.h"
#include "virtual/virtual_keyboard.h"

#include <QObject>
#include <QTemporaryDir>
#include <QStringList>
#include <QVariant>

class myQQuickView;

// What a scene test needs to see behind the real controller: the virtual keyboard's wire and
// state, the files the controller keeps, and the warnings the scene wrote. The scene sees it as
// the context property "z9".
class DeviceSceneProbe : public QObject {
    Q_OBJECT

public:
    DeviceSceneProbe(myQQuickView* view, Hid_Thread* hid, std::shared_ptr<VirtualKeyboard> keyboard,
                     QObject* parent = nullptr);
    ~DeviceSceneProbe() override;

    // Back to a fresh start: empty profile files, profile 0 current, no macros, no rules file, a
    // keyboard in its factory state with an empty record, no warnings, an X11 session without
    // the opt-in rule.
    Q_INVOKABLE void reset();
    // Waits until the last command's transfer has ended.
    Q_INVOKABLE bool waitIdle();
    Q_INVOKABLE void clearRecord();
    // The frames (9 bytes with the report id) of every command with this code, oldest first.
    Q_INVOKABLE QVariantList frames(int code);
    // The payload (without report ids) that followed the last frame with this code.
    Q_INVOKABLE QVariantList payload(int code);
    // The keyboard's own copy of a macro slot, and of the current profile's key matrix.
    Q_INVOKABLE QVariantList macroSlot(int slot);
    Q_INVOKABLE QVariantList keyMatrix();
    // The command code of every frame the host sent, in wire order.
    Q_INVOKABLE QVariantList frameCodes();
    // A key of a profile file as a fresh read of the file on disk gives it.
    Q_INVOKABLE QVariantList storedKey(int profile, int matrix);
    Q_INVOKABLE QVariant storedValue(int profile, const QString& key);
    // Writes a value into a profile through the controller's own settings object; an undefined
    // value removes the key.
    Q_INVOKABLE void setProfileValue(int profile, const QString& key, const QVariant& value);
    Q_INVOKABLE bool removeMacroFile(const QString& name);
    // The per-application rules file as it lies on disk (empty when there is none), and a way to
    // lay one down.
    Q_INVOKABLE QString rulesFile() const;
    Q_INVOKABLE bool writeRulesFile(const QString& text);
    // The session as the controller sees it: a Wayland one or not, and the opt-in rule for the
    // keyboard's event nodes in place or not (in a folder that stands for udev's).
    Q_INVOKABLE void setSession(bool isWayland, bool isOptInActive);
    // Warnings and errors that scene documents wrote since the last reset.
    Q_INVOKABLE QStringList sceneWarnings() const;

private:
    QList<WireReport> recordAfterTransfers();

    myQQuickView* view;
    Hid_Thread* hid;
    QTemporaryDir udevRules;
    std::shared_ptr<VirtualKeyboard> keyboard;
};
