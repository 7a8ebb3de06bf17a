#pragma once

#include <QString>

// The one command that gives the logged-in user access to the keyboard: it puts the tool's udev
// rule where udev reads it (unless it is there already, as the package puts it) and applies it
// to the keyboard that is plugged in. The user runs it; the tool itself never asks for root.
namespace UdevRuleCommand {

// `executableDir` is the tool's own directory: the rule ships beside it, in
// lib/udev/rules.d/ of the installation or of the build tree.
QString forExecutableDir(const QString& executableDir);

} // namespace UdevRuleCommand
