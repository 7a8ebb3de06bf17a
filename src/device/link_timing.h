#pragma once

#include <array>

// The waits and pauses of the device link, in milliseconds.
namespace LinkTiming {
// A command waits for the channel this many times the poll period at most (about 2 s).
inline constexpr int channelPolls = 256;
inline constexpr int channelPollMs = 8;
// The acknowledgement wait: one period, and a second one when no acknowledgement came.
inline constexpr int ackPeriodMs = 64;
// Pause after each output report of a payload.
inline constexpr int reportPauseMs = 8;
// One pass of the listener reads this long at most.
inline constexpr int listenReadMs = 500;
// A transfer waits this long at most for another program's transfer on the same keyboard.
inline constexpr int transferLockMs = 2048;
// A payload read gives up when the next input report takes longer than this.
inline constexpr int payloadReportMs = 1000;
} // namespace LinkTiming

// The report on the notification interface that acknowledges a frame or a payload.
inline constexpr std::array<unsigned char, 4> ackReport{0x04, 0x04, 0x00, 0x00};
