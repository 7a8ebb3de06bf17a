#pragma once

#include <optional>

// Answers --version (and, given a usage text, --help) before a program does anything else: no
// window, no instance lock, no bus. Returns the exit status when one of them was asked for.
std::optional<int> answerVersionOption(int argc, char** argv, const char* program,
                                       const char* version, const char* usage = nullptr);
