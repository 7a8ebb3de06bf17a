// The udev helper's report descriptor reader on any bytes: it must stay within them, and it may
// call a descriptor vendor-only only when that holds of every usage page the bytes declare.
#include "hidraw_check/report_descriptor_class.h"

#include <cstddef>
#include <cstdint>

namespace {

// A second, plain walk: true when some short item declares a page outside the vendor range.
bool declaresStandardPage(const uint8_t* data, size_t size) {
    size_t at = 0;
    while (at < size) {
        const uint8_t prefix = data[at++];
        const size_t length = (prefix & 0x3) == 3 ? 4 : prefix & 0x3;
        if (length > size - at)
            return false;
        uint32_t value = 0;
        for (size_t i = 0; i < length; ++i)
            value |= uint32_t(data[at + i]) << (8 * i);
        at += length;
        const bool usagePage = (prefix & 0xFC) == 0x04;
        const bool extendedUsage = (prefix & 0xCF) == 0x0B && (prefix >> 4) <= 2;
        if (usagePage && (value < 0xFF00 || value > 0xFFFF))
            return true;
        if (extendedUsage && (value >> 16) < 0xFF00)
            return true;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (classifyReportDescriptor(data, size) == DescriptorClass::VendorOnly &&
        declaresStandardPage(data, size))
        __builtin_trap();
    return 0;
}
