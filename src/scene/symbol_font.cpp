#include "scene/symbol_font.h"

#include <QFontDatabase>
#include <QStringList>

#include <fontconfig/fontconfig.h>

namespace {

const QStringList fontFiles = {QStringLiteral(":/fonts/KorvaneSymbols-Regular.otf"),
                               QStringLiteral(":/fonts/KorvaneSymbols-Bold.otf")};

// Put next to the family that Arial is an alias of, so that it comes before the generic
// fallbacks; a pattern without that family is left alone.
constexpr char fallbackRule[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <match target="pattern">
    <test name="family"><string>Liberation Sans</string></test>
    <edit name="family" mode="append" binding="strong"><string>Korvane Symbols</string></edit>
  </match>
</fontconfig>)";

bool addFonts() {
    bool added = true;
    for (const QString& file : fontFiles)
        added = QFontDatabase::addApplicationFont(file) >= 0 && added;
    return added;
}

} // namespace

void SymbolFont::install() {
    if (addFonts())
        FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(),
                                       reinterpret_cast<const FcChar8*>(fallbackRule), FcTrue);
}
