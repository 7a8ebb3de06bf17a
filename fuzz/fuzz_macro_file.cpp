// The macro library's reads on any content of a macro file.
#include "fuzz_input_file.h"
#include "macros/macro_library.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("Macro. 001.bin"));
    input.write(data, size);
    const MacroLibrary library(input.folder());
    (void)library.lines(QStringLiteral("Macro. 001"));
    (void)library.config(QStringLiteral("Macro. 001"));
    return 0;
}
