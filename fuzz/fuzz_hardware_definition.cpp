// The hardware definition reader on any file content.
#include "fuzz_input_file.h"
#include "settings/hardware_definition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("HWDef.bin"));
    const QVariantList definition = loadHardwareDefinition(input.write(data, size));
    for (const QVariant& entry : definition.value(2).toList())
        (void)entry.toStringList();
    return 0;
}
