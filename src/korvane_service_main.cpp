#include "platform/version_option.h"
#include "program_version.h"
#include "service/service_entry.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            answerVersionOption(argc, argv, "korvane-service", KORVANE_VERSION))
        return *status;
    return runKorvaneService(argc, argv);
}
