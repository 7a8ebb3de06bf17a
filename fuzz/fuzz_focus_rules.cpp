// The per-application rules reader on any file content, and what it read written out again.
#include "focus/focus_rules.h"
#include "fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzInputFile input(QStringLiteral("focus_rules.ini"));
    FocusRules::Reading reading = FocusRules::Reading::Fine;
    const FocusRules rules = FocusRules::read(input.write(data, size), &reading);
    // What reads as rules must read back the same from its own text.
    FocusRules again;
    if (!FocusRules::fromText(rules.toText(), again) || again.toText() != rules.toText())
        __builtin_trap();
    (void)rules.profileFor(QStringLiteral("steam_app_1086940"));
    return 0;
}
