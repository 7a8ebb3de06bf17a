#include "app/application_entry.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

int main(int argc, char** argv) {
    // A Z9 with firmware 1.05, plugged in from the start.
    auto keyboard = std::make_shared<VirtualKeyboard>();
    return runKorvane(argc, argv, std::make_shared<VirtualHidBackend>(keyboard));
}
