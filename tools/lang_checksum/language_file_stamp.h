#pragma once

#include <QString>

// Puts the check text of a language file's strings into its [font] section ("cs=" line),
// replacing the one there or adding one right after the section header. Other lines keep their
// text, so hand-written files stay as they were written.
bool stampLanguageFile(const QString& path);
