#pragma once

#include <atomic>

// Whether the loaded language file passed its check. True at start; the language loader sets it.
// While it is false the device link exchanges no report with the keyboard. Atomic because the
// transfers read it on worker threads.
extern std::atomic<bool> isLangFileValid;
