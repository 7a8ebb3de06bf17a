#pragma once

#include <QString>

// The one place that decides where the tool's relative paths ("./modules/...") resolve.
// A data tree beside the executable that the user may write (the build tree, a portable copy) is
// used as it is. An installed program (bin/ beside share/korvane/) works in a directory of the
// user's own instead, $XDG_DATA_HOME/<program name> (by default ~/.local/share/<program name>),
// prepared from the installed tree: every user keeps their own settings, and nothing is written
// below the installation prefix.
namespace DataDirectory {

// The directory to make current; the per-user one is prepared before it is returned.
QString choose(const QString& executableDir, const QString& programName);

} // namespace DataDirectory
