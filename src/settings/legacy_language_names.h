#pragma once

#include <QString>

// Language files are named after the toolkit's original language and country numbers
// (lang_025044.ini is Chinese, China). Those numbers are fixed by the shipped file names and by
// the configuration that stores a language choice, so they are kept here rather than taken from
// today's toolkit, which numbers languages differently.

// The English name of a language number in upper case; "LANGUAGE " + number for one not known.
QString legacyLanguageName(int language);

// " (CN)" for China, " (TW)" for Taiwan, nothing for other countries.
QString legacyCountrySuffix(int country);
