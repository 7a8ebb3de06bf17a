#include "app/application_entry.h"
#include "platform/version_option.h"
#include "program_version.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

namespace {

const char* const usage =
    "Usage: korvane-demo [--version] [--help] [Qt options]\n"
    "\n"
    "The configuration tool with a virtual Z9 keyboard plugged in from the start.\n"
    "\n"
    "  --version   print the version\n"
    "  --help      this text\n";

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            answerVersionOption(argc, argv, "korvane-demo", KORVANE_VERSION, usage))
        return *status;
    // A Z9 with firmware 1.05, plugged in from the start.
    auto keyboard = std::make_shared<VirtualKeyboard>();
    return runKorvane(argc, argv, std::make_shared<VirtualHidBackend>(keyboard));
}
