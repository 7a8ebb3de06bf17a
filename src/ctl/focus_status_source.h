#pragma once

#include "focus/focus_status.h"

#include <functional>
#include <optional>

// Only the background service follows the focus; it makes its status known here at its start, so
// that `korvanectl rule status`, handed to it, can tell it. Elsewhere there is none.
namespace FocusStatusSource {

void set(std::function<FocusStatus()> source);
std::optional<FocusStatus> current();

} // namespace FocusStatusSource
