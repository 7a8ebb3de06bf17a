#pragma once

#include "virtual/virtual_keyboard.h"

#include <QString>

#include <memory>

// The virtual Z9 of `korvanectl --demo`. It keeps its settings between runs in a file of the
// user's runtime directory, so that a demo session behaves like one keyboard: a profile switched
// by one command is the current profile of the next.
class DemoKeyboard {
public:
    explicit DemoKeyboard(QString stateFile = defaultStateFile());
    ~DemoKeyboard();
    DemoKeyboard(const DemoKeyboard&) = delete;
    DemoKeyboard& operator=(const DemoKeyboard&) = delete;

    std::shared_ptr<VirtualKeyboard> keyboard() const { return z9; }
    static QString defaultStateFile();

private:
    QString stateFile;
    std::shared_ptr<VirtualKeyboard> z9 = std::make_shared<VirtualKeyboard>();
};
