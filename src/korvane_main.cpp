#include "app/application_entry.h"
#include "platform/version_option.h"
#include "program_version.h"

namespace {

const char* const usage =
    "Usage: korvane [--version] [--help] [Qt options]\n"
    "\n"
    "The configuration tool for the Z9 keyboard. A second start brings the running window to\n"
    "the front.\n"
    "\n"
    "  --version   print the version\n"
    "  --help      this text\n";

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            answerVersionOption(argc, argv, "korvane", KORVANE_VERSION, usage))
        return *status;
    return runKorvane(argc, argv);
}
