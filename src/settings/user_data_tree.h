#pragma once

#include <QString>

// A user's working tree made from the installed one. The parts the tool writes (settings,
// profiles, configuration, macros) are the user's own files, copied from the installed defaults;
// the parts it only reads (languages, sounds, images, the manual, and the delivered default files
// among the settings) are links into the installed tree, so an update of the program reaches them.
namespace UserDataTree {

// Makes `userDir`/modules from `installedDir`/modules: adds what is missing, points links that
// lead elsewhere (a moved installation) at the installed tree again, and keeps every file the user
// already has. Returns false when the user's tree could not be made.
bool prepare(const QString& installedDir, const QString& userDir);

} // namespace UserDataTree
