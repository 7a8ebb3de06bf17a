#pragma once

#include <algorithm>
#include <array>

// One of the six parameter bytes of a command frame (bytes 2 to 7): a constant, or one of the
// command's scalar arguments, counted from 0 in the order of the command's parameter list.
struct FrameByte {
    enum class Source : unsigned char { Constant, Argument };
    Source source = Source::Constant;
    unsigned char value = 0;
};

constexpr FrameByte zero{FrameByte::Source::Constant, 0x00};
constexpr FrameByte fixed(unsigned char value) {
    return {FrameByte::Source::Constant, value};
}
constexpr FrameByte arg(unsigned char number) {
    return {FrameByte::Source::Argument, number};
}

// Everything that tells one keyboard command from another. Set commands have codes below 0x80,
// get commands the code of their setting with bit 7 set.
struct DeviceCommand {
    enum class Checksum : unsigned char { Complement, Zero };

    unsigned char code = 0;
    std::array<FrameByte, 6> parameters{};
    // Bytes of payload that follow the frame: sent as output reports, or read as input reports.
    int payloadLength = 0;
    // Set commands: the transfer waits for the acknowledgement after the frame and the payload.
    bool waitsForAck = false;
    Checksum checksum = Checksum::Complement;
    // Get commands: the reply bytes that hold the results, in the order of the result arguments.
    int firstResultByte = 0;
    int resultCount = 0;
    // Logged when the command cannot claim the channel.
    const char* failureMessage = "";

    constexpr bool isGet() const { return code & 0x80; }
};

inline constexpr int frameLength = 9;
inline constexpr int maxPayloadLength = 512;
// Payloads travel in pieces of this size (a shorter payload travels whole).
inline constexpr int payloadPieceLength = 64;

// The 27 commands of the keyboard protocol. Parameters are counted from frame byte 2.
// clang-format off
inline constexpr std::array<DeviceCommand, 27> deviceCommands{{
    // code  frame bytes 2 to 7                                                payload ack    checksum                            results message
    {0x01, {arg(0), zero, zero, zero, zero, zero},                              0, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 01"},
    {0x02, {arg(0), zero, zero, zero, zero, zero},                              0, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 02"},
    {0x03, {arg(0), arg(1), arg(2), arg(3), zero, zero},                        0, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 03"},
    {0x04, {arg(0), arg(1), arg(2), arg(3), zero, zero},                        0, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 04"},
    {0x07, {arg(0), arg(1), zero, zero, zero, zero},                            0, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 07"},
    {0x08, {arg(0), arg(1), arg(2), arg(3), arg(4), arg(5)},                    0, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 08"},
    {0x09, {arg(0), zero, zero, zero, zero, zero},                              0, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 09"},
    {0x0D, {zero, zero, fixed(0x08), zero, zero, zero},                       512, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 0D"},
    {0x0E, {zero, zero, fixed(0x15), zero, zero, zero},                        21, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 0E"},
    {0x11, {zero, arg(0), fixed(0x03), zero, zero, zero},                     192, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 11"},
    {0x12, {zero, arg(0), fixed(0x08), arg(1), zero, zero},                   512, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 12"},
    {0x13, {fixed(0xFF), zero, zero, zero, zero, zero},                         0, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 13"},
    {0x14, {zero, arg(0), arg(1), arg(2), arg(3), zero},                        0, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 14"},
    {0x15, {arg(0), arg(1), arg(2), arg(3), arg(4), zero},                      0, true,  DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed 15"},
    {0x80, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 2, "cmd Failed"},
    {0x81, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 1, "cmd Failed"},
    {0x82, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 1, "cmd Failed"},
    {0x83, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 4, "cmd Failed"},
    {0x84, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 4, "cmd Failed"},
    {0x88, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 3, 5, "cmd Failed"},
    {0x89, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 1, "cmd Failed"},
    {0x8D, {zero, zero, zero, zero, zero, zero},                              512, false, DeviceCommand::Checksum::Zero,       0, 0, "cmd Failed"},
    {0x8E, {zero, zero, zero, zero, zero, zero},                               21, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed"},
    {0x91, {zero, arg(0), zero, zero, zero, zero},                            192, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed"},
    {0x92, {zero, arg(0), zero, zero, zero, zero},                            512, false, DeviceCommand::Checksum::Complement, 0, 0, "cmd Failed"},
    {0x94, {zero, arg(0), zero, zero, zero, zero},                              0, false, DeviceCommand::Checksum::Complement, 4, 3, "cmd Failed"},
    {0x95, {zero, zero, zero, zero, zero, zero},                                0, false, DeviceCommand::Checksum::Complement, 2, 5, "cmd Failed"},
}};
// clang-format on

// Every payload piece stays inside the payload buffer.
static_assert(std::all_of(deviceCommands.begin(), deviceCommands.end(), [](const DeviceCommand& c) {
    return c.payloadLength <= maxPayloadLength &&
           (c.payloadLength < payloadPieceLength || c.payloadLength % payloadPieceLength == 0);
}));

// The command with this code, or null when the protocol has none.
constexpr const DeviceCommand* findDeviceCommand(unsigned char code) {
    const auto* found = std::find_if(deviceCommands.begin(), deviceCommands.end(),
                                     [code](const DeviceCommand& c) { return c.code == code; });
    return found == deviceCommands.end() ? nullptr : found;
}

// The same lookup for codes known when compiling; an unknown code does not compile.
consteval const DeviceCommand& deviceCommand(unsigned char code) {
    return *findDeviceCommand(code);
}

// The checksum of a frame: the bitwise complement of the 8-bit sum of its bytes 1 to 7, given
// here as the seven bytes that start at `bytes`.
constexpr unsigned char frameChecksum(const unsigned char* bytes) {
    unsigned char sum = 0;
    for (int i = 0; i < 7; ++i)
        sum = static_cast<unsigned char>(sum + bytes[i]);
    return static_cast<unsigned char>(~sum);
}
