#pragma once

#include "service/keyboard_service.h"

#include <QDBusAbstractAdaptor>
#include <QString>
#include <QStringList>

// org.korvane.Keyboard1.CommandLine: korvanectl hands its whole command line over while the
// service runs, so that the service alone talks to the keyboard. Run takes korvanectl's words
// and the directory its file names are relative to, and gives korvanectl's exit status and what
// it would have printed on its standard output and error. A korvanectl that asks for the other
// keyboard than the service holds (--demo or not) gets org.korvane.Keyboard1.Error.OtherKeyboard
// and works on its own. RunBefore does the same unless the call reaches the head of the queue
// after `deadline` (CLOCK_MONOTONIC, milliseconds): a caller that gave up waiting and did the
// work itself never sees it done a second time, later; it gets org.korvane.Keyboard1.Error.TooLate.
class CommandLineAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.korvane.Keyboard1.CommandLine")

public:
    CommandLineAdaptor(KeyboardService& service, bool demo, QObject* object);

public slots:
    int Run(const QStringList& arguments, const QString& directory, QString& output,
            QString& errors);
    int RunBefore(const QStringList& arguments, const QString& directory, qulonglong deadline,
                  QString& output, QString& errors);

private:
    void run(const QStringList& arguments, const QString& directory,
             KeyboardService::StartBefore startBefore);

    KeyboardService& service;
    bool demo;
};
