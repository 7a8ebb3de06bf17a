#pragma once

// Process entry shared by the executables: single-instance check, working directory, the window,
// the scene start-up handshake and the event loop. Returns the process exit code.
int runKorvane(int argc, char** argv);
