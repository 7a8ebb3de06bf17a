#pragma once

#include <memory>

class HidBackend;

// Process entry shared by the executables: single-instance check, working directory, the window,
// the scene start-up handshake and the event loop. Returns the process exit code. The device link
// reaches the keyboard through `hidBackend`; without one, through hidapi.
int runKorvane(int argc, char** argv, std::shared_ptr<HidBackend> hidBackend = nullptr);
