// The application configuration reader on any file content.
#include "fuzz_input_file.h"
#include "settings/app_config.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("apConfig.bin"));
    const QVariantList entries = AppConfig::loadFile(input.write(data, size));
    for (const QVariant& entry : entries)
        (void)entry.toString();
    return 0;
}
