#pragma once

// The background service's process: its options (--demo, --help), the data directory, the
// keyboard, its objects on the session bus, the tray icon, and a clean end on SIGTERM, SIGINT,
// SIGHUP, Quit in the tray menu or the loss of the session bus. Returns the exit status.
int runKorvaneService(int argc, char** argv);
