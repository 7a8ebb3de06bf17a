#include "service/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> handled{SIGTERM, SIGINT, SIGHUP};
// Read end, write end.
std::array<int, 2> signalPipe{-1, -1};

void noteSignal(int signal) {
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const ssize_t written = write(signalPipe[1], &number, 1);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {
    if (pipe2(signalPipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char number = 0;
        while (read(signalPipe[0], &number, 1) == 1)
            emit received(int(number));
    });
    struct sigaction action {};
    action.sa_handler = &noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : handled)
        sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals() {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (const int signal : handled)
        sigaction(signal, &action, nullptr);
    for (int& end : signalPipe) {
        if (end >= 0)
            close(end);
        end = -1;
    }
}
