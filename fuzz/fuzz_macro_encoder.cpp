// The macro encoder on any lines: the input is UTF-8 text, one macro line per text line.
#include "macros/key_name_table.h"
#include "macros/macro_encoder.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool tableFilled = (fillKeyNameMap(), true);
    (void)tableFilled;
    const QStringList lines =
        QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
            .split(QLatin1Char('\n'));
    const QList<uchar> encoded = encodeMacroLines(lines);
    // Whatever the lines, the macro starts and ends with its marks, and its records fill whole
    // pairs of bytes.
    if (encoded.size() < 4 || encoded.size() % 2 != 0 || encoded[0] != 0x00 || encoded[1] != 0x01 ||
        encoded[encoded.size() - 2] != 0x00 || encoded.last() != 0x00)
        __builtin_trap();
    const MacroBlock block = fitMacroBlock(encoded);
    if (!std::equal(block.begin(), block.begin() + std::min(encoded.size(), macroBlockSize),
                    encoded.begin()))
        __builtin_trap();
    return 0;
}
