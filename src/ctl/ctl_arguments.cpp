#include "ctl/ctl_arguments.h"

std::optional<int> parseNumber(const QString& text, int low, int high) {
    bool isNumber = false;
    const int value = text.toInt(&isNumber, 10);
    if (!isNumber || value < low || value > high)
        return std::nullopt;
    return value;
}
