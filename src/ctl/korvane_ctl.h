#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <memory>

class HidBackend;

// korvanectl without its process: runs the command that `arguments` (the words after the program
// name) give, prints its result on `out` and a failure as one line on `err`, and returns the exit
// status. The keyboard is reached through `backend` (null: hidapi; --demo: a virtual Z9 of its
// own); settings files resolve against the working directory, which `enterDataDirectory` (when
// given) sets once the flags are known, file names given by the user against `userDirectory`.
int runKorvaneCtl(const QStringList& arguments, std::shared_ptr<HidBackend> backend,
                  const QString& userDirectory, QTextStream& out, QTextStream& err,
                  const std::function<void(bool demo)>& enterDataDirectory = nullptr);
