// korvane-z9-hidraw-check <sysfs path of a hidraw node>
// Run by udev for the Z9's hidraw nodes alone. Prints ID_KORVANE_VENDOR_INTERFACE=1 when the
// node's report descriptor declares vendor-defined usage pages only (the keyboard's command and
// notification interfaces), otherwise =0; the udev rule opens the node to the logged-in user only
// on 1, and a descriptor it cannot read with certainty gives 0. A node whose descriptor cannot be
// read at all prints nothing and fails, so it stays closed too.
#include "hidraw_check/report_descriptor_class.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* property = "ID_KORVANE_VENDOR_INTERFACE";

// The whole descriptor, or an empty text when it cannot be read or is larger than the kernel
// allows (one byte more than that is read to tell).
std::string readDescriptor(const std::string& path, bool& readable) {
    std::string bytes(maxReportDescriptorSize + 1, '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    readable = file != nullptr;
    if (!file)
        return {};
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    readable = !std::ferror(file);
    std::fclose(file);
    return bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <sysfs path of a hidraw node>\n", argv[0]);
        return 2;
    }
    // The node's "device" link leads to its HID device, which holds the descriptor.
    const std::string path = std::string(argv[1]) + "/device/report_descriptor";
    bool readable = false;
    const std::string descriptor = readDescriptor(path, readable);
    if (!readable) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], path.c_str());
        return 1;
    }
    const DescriptorClass kind = classifyReportDescriptor(
        reinterpret_cast<const std::uint8_t*>(descriptor.data()), descriptor.size());
    std::printf("%s=%d\n", property, kind == DescriptorClass::VendorOnly ? 1 : 0);
    return 0;
}
