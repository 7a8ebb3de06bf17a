#pragma once

#include <cstddef>
#include <cstdint>

// What a HID report descriptor declares, as far as opening its interface to the logged-in user is
// concerned. Only an interface that speaks vendor-defined usages alone may be opened: a keyboard,
// consumer-control or any other standard collection carries what the user types.
enum class DescriptorClass {
    // Every usage page it declares lies in the vendor-defined range 0xFF00-0xFFFF.
    VendorOnly,
    // Well formed, but it declares a standard usage page (or none at all).
    Standard,
    // Cannot be read with certainty: a truncated or long item, a reserved item type, unbalanced
    // collections or Push/Pop, a usage with no page in effect, or larger than the kernel allows.
    Unreadable,
};

// Reads the descriptor's items; never reads beyond `size` bytes.
DescriptorClass classifyReportDescriptor(const std::uint8_t* data, std::size_t size);

// The largest report descriptor the kernel hands out (HID_MAX_DESCRIPTOR_SIZE).
constexpr std::size_t maxReportDescriptorSize = 4096;
