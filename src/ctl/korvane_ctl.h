#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

class HidBackend;
class Hid_Thread;
class CtlContext;
struct CtlResult;

// korvanectl without its process: runs the command that `arguments` (the words after the program
// name) give, prints its result on `out` and a failure as one line on `err`, and returns the exit
// status. The keyboard is reached through `backend` (null: hidapi; --demo: a virtual Z9 of its
// own); settings files resolve against the working directory, which `enterDataDirectory` (when
// given) sets once the flags are known, file names given by the user against `userDirectory`.
int runKorvaneCtl(const QStringList& arguments, std::shared_ptr<HidBackend> backend,
                  const QString& userDirectory, QTextStream& out, QTextStream& err,
                  const std::function<void(bool demo)>& enterDataDirectory = nullptr);

// The same on the device link of the program that holds the keyboard (the background service,
// for a korvanectl that hands its command over): --demo is that program's choice and ignored
// here, and settings files resolve against the working directory as it is. `finished` (when
// given) sees the context and the result of a command that ran, before the context goes.
int runKorvaneCtlOnLink(
    const QStringList& arguments, Hid_Thread& link, const QString& userDirectory, QTextStream& out,
    QTextStream& err, const std::function<void(CtlContext&, const CtlResult&)>& finished = nullptr);

// Whether korvanectl's words ask for the virtual keyboard (--demo).
bool wantsDemoKeyboard(const QStringList& arguments);
