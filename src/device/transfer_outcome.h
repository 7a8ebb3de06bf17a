#pragma once

// How a transfer with the keyboard ended. The window does not look at it (the device commands
// report nothing); korvanectl turns it into its message and exit status.
enum class TransferOutcome {
    Done,
    // No keyboard: no interface path known, or the interface could not be opened.
    NoDevice,
    // The interface exists but this user may not open it.
    PermissionDenied,
    // Another transfer kept the keyboard (this program's channel or another program's lock).
    Busy,
    // A report could not be sent or received.
    Failed,
    // The language file failed its check: nothing is exchanged with the keyboard.
    Refused,
};
