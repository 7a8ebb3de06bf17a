#pragma once

#include <QString>

// Replaces a file's content by a copy of another file, through a temporary file and a rename:
// when the source cannot be read in full, the target keeps its previous content untouched.
// Only regular files are copied, so a pipe or device chosen by mistake cannot block the window.
bool replaceWithCopy(const QString& target, const QString& source);
