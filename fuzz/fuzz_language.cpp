// The language file reader, with its checksum, on any file content.
#include "fuzz_input_file.h"
#include "settings/language_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("lang_031000.ini"));
    (void)LanguageFiles::read(input.write(data, size));
    (void)LanguageFiles::list(input.folder());
    return 0;
}
