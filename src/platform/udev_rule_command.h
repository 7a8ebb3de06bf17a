#pragma once

#include <QString>
#include <QStringList>

// The tool's udev rules and the commands that put them in place. The user runs those commands;
// the tool itself never asks for root.
//
// 70-korvane-z9.rules opens the keyboard's two vendor interfaces, classified by the helper
// korvane-z9-hidraw-check, and nothing else of it. 71-korvane-z9-event-nodes.rules is the opt-in
// that opens the keyboard's input event nodes too, so that on a Wayland session the tool hears
// the keys typed into other windows; it ships where udev does not read it.
//
// `executableDir` is the tool's own directory: the rules ship relative to it, in lib/udev/ and
// share/korvane/udev/ of the installation or of the build tree.
namespace UdevRuleCommand {

extern const QString ruleName;
extern const QString optInRuleName;

// Puts the rule where udev reads it (unless it is there already, as the package puts it) and
// applies it to the keyboard that is plugged in.
QString forExecutableDir(const QString& executableDir);

// Whether the opt-in rule lies where udev reads it.
bool isOptInActive();
// Where udev reads rules: the system's directories, unless a test puts others in their place.
void setRulesDirectories(const QStringList& dirs);
QString optInEnableCommand(const QString& executableDir);
QString optInRemoveCommand();

} // namespace UdevRuleCommand
