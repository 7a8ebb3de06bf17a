#include "ctl/focus_status_source.h"

namespace {

std::function<FocusStatus()>& installed() {
    static std::function<FocusStatus()> source;
    return source;
}

} // namespace

namespace FocusStatusSource {

void set(std::function<FocusStatus()> source) {
    installed() = std::move(source);
}

std::optional<FocusStatus> current() {
    if (!installed())
        return std::nullopt;
    return installed()();
}

} // namespace FocusStatusSource
