#pragma once

#include "ctl/ctl_arguments.h"
#include "service/keyboard_state.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QString>
#include <QVariantMap>

#include <optional>

struct CtlCommand;
class KeyboardService;

// org.korvane.Keyboard1 on /org/korvane/Keyboard1: the keyboard's state as properties, its
// profile and lighting as methods (profiles numbered 1 to 6 as people count them), and a signal
// when a profile file changes. Changed properties are announced with the standard
// org.freedesktop.DBus.Properties.PropertiesChanged. A failed call returns a named error
// (org.korvane.Keyboard1.Error.*), never an empty success. packaging/service/
// org.korvane.Keyboard1.xml documents it; a test keeps the two the same.
class KeyboardAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korvane.Keyboard1")
    Q_PROPERTY(bool Connected READ connected)
    Q_PROPERTY(QString Firmware READ firmware)
    Q_PROPERTY(uint CurrentProfile READ currentProfile)
    Q_PROPERTY(QString KeyboardMode READ keyboardMode)

public:
    // `object` is the object registered on `bus` at the service's path.
    KeyboardAdaptor(KeyboardService& service, QDBusConnection bus, QObject* object);

    bool connected() const;
    QString firmware() const;
    // 1 … 6; 0 while no keyboard is connected.
    uint currentProfile() const;
    // "standard" or "gaming"; empty while no keyboard is connected.
    QString keyboardMode() const;

public slots:
    void SwitchProfile(uint profile);
    void ExportProfile(uint profile, const QString& file);
    void ImportProfile(uint profile, const QString& file);
    void ResetProfile(uint profile);
    void SetLighting(const QString& effect, const QVariantMap& options);
    void SetBackLighting(const QString& effect, const QVariantMap& options);

signals:
    void ProfileFileChanged(uint profile);

private:
    void run(const CtlCommand& command, const CtlArguments& arguments);
    void runWithFile(const CtlCommand& command, uint profile, const QString& file);
    void runLighting(const CtlCommand& command, const QString& effect, const QVariantMap& options);
    void announce(const KeyboardState& previous);

    KeyboardService& service;
    QDBusConnection bus;
};
