#include "settings/legacy_language_names.h"

#include <QLocale>

#include <utility>

namespace {

constexpr std::pair<int, QLocale::Language> legacyLanguages[] = {
    {8, QLocale::Arabic},       {20, QLocale::Bulgarian},       {24, QLocale::Catalan},
    {25, QLocale::Chinese},     {27, QLocale::Croatian},        {28, QLocale::Czech},
    {29, QLocale::Danish},      {30, QLocale::Dutch},           {31, QLocale::English},
    {33, QLocale::Estonian},    {36, QLocale::Finnish},         {37, QLocale::French},
    {42, QLocale::German},      {43, QLocale::Greek},           {48, QLocale::Hebrew},
    {49, QLocale::Hindi},       {50, QLocale::Hungarian},       {51, QLocale::Icelandic},
    {52, QLocale::Indonesian},  {58, QLocale::Italian},         {59, QLocale::Japanese},
    {66, QLocale::Korean},      {71, QLocale::Latvian},         {73, QLocale::Lithuanian},
    {76, QLocale::Malay},       {85, QLocale::NorwegianBokmal}, {89, QLocale::Persian},
    {90, QLocale::Polish},      {91, QLocale::Portuguese},      {95, QLocale::Romanian},
    {96, QLocale::Russian},     {100, QLocale::Serbian},        {108, QLocale::Slovak},
    {109, QLocale::Slovenian},  {111, QLocale::Spanish},        {114, QLocale::Swedish},
    {120, QLocale::Thai},       {125, QLocale::Turkish},        {129, QLocale::Ukrainian},
    {132, QLocale::Vietnamese},
};

constexpr int legacyChina = 44;
constexpr int legacyTaiwan = 208;

} // namespace

QString legacyLanguageName(int language) {
    for (const auto& [number, qtLanguage] : legacyLanguages) {
        if (number == language)
            return QLocale::languageToString(qtLanguage).toUpper();
    }
    return QStringLiteral("LANGUAGE %1").arg(language);
}

QString legacyCountrySuffix(int country) {
    if (country == legacyChina)
        return QStringLiteral(" (CN)");
    if (country == legacyTaiwan)
        return QStringLiteral(" (TW)");
    return {};
}
