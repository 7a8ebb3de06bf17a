// Times set commands against a virtual keyboard that acknowledges at once, as a ratio to the
// least time that the link's acknowledgement waits and report pauses allow.
#include "device/dev_found.h"
#include "device/dev_info.h"
#include "device/hid_thread.h"
#include "device/link_timing.h"
#include "virtual/virtual_hid_backend.h"
#include "virtual/virtual_keyboard.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int rounds = 15;

// The least time a command's transfer can take: its acknowledgement periods and its pauses.
int floorMs(unsigned char code) {
    const DeviceCommand& command = *findDeviceCommand(code);
    const int reports = command.payloadLength == 0
                            ? 0
                            : (command.payloadLength + payloadPieceLength - 1) / payloadPieceLength;
    const int ackWaits = command.waitsForAck ? (reports > 0 ? 2 : 1) : 0;
    return ackWaits * LinkTiming::ackPeriodMs + reports * LinkTiming::reportPauseMs;
}

// Median time in milliseconds from the first call of `issue` until the channel is free again.
double medianMs(Hid_Thread& hid, const std::function<void()>& issue) {
    std::vector<double> times;
    for (int n = 0; n < rounds; ++n) {
        QElapsedTimer clock;
        clock.start();
        issue();
        hid.waitUntilIdle(10000);
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* name, double measured, int floor) {
    std::printf("%-40s median %7.2f ms   floor %4d ms   ratio %.4f\n", name, measured, floor,
                measured / floor);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    auto keyboard = std::make_shared<VirtualKeyboard>();
    Hid_Thread hid(std::make_shared<VirtualHidBackend>(keyboard));
    QList<DevInfo> table = readDeviceTable(deviceTableFile);
    if (findDevices(&hid, table).isEmpty()) {
        std::fprintf(stderr, "the virtual keyboard was not found\n");
        return 1;
    }
    hid.startListen();

    std::array<uchar, 512> bytes{};
    const double matrix = medianMs(hid, [&] { hid.hid_0DH_SetKeyMatrix(bytes.data()); });
    report("one 512-byte set command (0D)", matrix, floorMs(0x0D));

    // What the key lighting page sends on apply: lights off, the palette, a picture, the effect.
    const double apply = medianMs(hid, [&] {
        hid.hid_08H_SetLEDType(0x01, 0, 0, 0, 0, 0);
        for (uchar slot = 0; slot < 7; ++slot)
            hid.hid_14H_SetColor(slot, 0x10 * slot, 0x20, 0x30);
        hid.hid_12H_SetUserPicture(0, 0, bytes.data());
        hid.hid_08H_SetLEDType(0x02, 3, 2, 4, 1, 0);
    });
    report("key-lighting apply sequence", apply,
           2 * floorMs(0x08) + 7 * floorMs(0x14) + floorMs(0x12));

    hid.stopListen();
    return 0;
}
