#include "platform/version_option.h"

#include <cstdio>
#include <cstring>

std::optional<int> answerVersionOption(int argc, char** argv, const char* program,
                                       const char* version, const char* usage) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, version);
            return 0;
        }
        if (usage && std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return 0;
        }
    }
    return std::nullopt;
}
