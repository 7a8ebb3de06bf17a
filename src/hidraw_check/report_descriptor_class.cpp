#include "hidraw_check/report_descriptor_class.h"

#include <vector>

namespace {

// Item types and tags of a report descriptor's short items, as USB HID class devices define them.
enum ItemType : std::uint8_t { mainItem = 0, globalItem = 1, localItem = 2 };
constexpr std::uint8_t longItemPrefix = 0xFE;
constexpr std::uint8_t collectionTag = 0xA;
constexpr std::uint8_t endCollectionTag = 0xC;
constexpr std::uint8_t usagePageTag = 0x0;
constexpr std::uint8_t pushTag = 0xA;
constexpr std::uint8_t popTag = 0xB;
// Local Usage, Usage Minimum and Usage Maximum: with four data bytes the upper two name the page.
constexpr std::uint8_t lastUsageTag = 0x2;
constexpr std::size_t maxPushDepth = 16;

bool isVendorPage(std::uint32_t page) {
    return page >= 0xFF00 && page <= 0xFFFF;
}

struct Reader {
    bool pageSet = false;
    bool standardSeen = false;
    bool anyPage = false;
    int openCollections = 0;
    std::vector<bool> pushed;

    void declarePage(std::uint32_t page) {
        anyPage = true;
        if (!isVendorPage(page))
            standardSeen = true;
    }

    // False when the item makes the descriptor unreadable.
    bool take(std::uint8_t type, std::uint8_t tag, std::uint32_t value, std::size_t length) {
        switch (type) {
        case mainItem:
            if (tag == collectionTag)
                ++openCollections;
            else if (tag == endCollectionTag && --openCollections < 0)
                return false;
            return true;
        case globalItem:
            if (tag == usagePageTag) {
                if (length == 0 || value > 0xFFFF)
                    return false;
                declarePage(value);
                pageSet = true;
            } else if (tag == pushTag) {
                if (pushed.size() == maxPushDepth)
                    return false;
                pushed.push_back(pageSet);
            } else if (tag == popTag) {
                if (pushed.empty())
                    return false;
                pageSet = pushed.back();
                pushed.pop_back();
            }
            return true;
        case localItem:
            if (tag > lastUsageTag)
                return true;
            if (length == 4) {
                declarePage(value >> 16);
                return true;
            }
            // A usage that counts on a page that was never declared cannot be placed.
            return pageSet;
        default:
            return false;
        }
    }
};

} // namespace

DescriptorClass classifyReportDescriptor(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > maxReportDescriptorSize)
        return DescriptorClass::Unreadable;
    Reader reader;
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t prefix = data[at++];
        if (prefix == longItemPrefix)
            return DescriptorClass::Unreadable;
        const std::size_t length = (prefix & 0x3) == 3 ? 4 : prefix & 0x3;
        if (length > size - at)
            return DescriptorClass::Unreadable;
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < length; ++i)
            value |= std::uint32_t(data[at + i]) << (8 * i);
        at += length;
        const auto type = std::uint8_t((prefix >> 2) & 0x3);
        if (!reader.take(type, std::uint8_t(prefix >> 4), value, length))
            return DescriptorClass::Unreadable;
    }
    if (reader.openCollections != 0 || !reader.pushed.empty())
        return DescriptorClass::Unreadable;
    if (reader.standardSeen || !reader.anyPage)
        return DescriptorClass::Standard;
    return DescriptorClass::VendorOnly;
}
