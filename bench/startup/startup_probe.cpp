// Starts a program, waits for the first frame in which its window changes anything on the
// desktop, and prints "<milliseconds from exec> <peak RSS in KiB>" once the program has settled.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

XImage* grabScreen(Display* display) {
    const int screen = DefaultScreen(display);
    return XGetImage(display, RootWindow(display, screen), 0, 0, DisplayWidth(display, screen),
                     DisplayHeight(display, screen), AllPlanes, ZPixmap);
}

// Wherever the window opens, its first frame changes some pixel of the desktop.
bool screenDiffers(Display* display, XImage* reference) {
    XImage* image = grabScreen(display);
    if (!image)
        return false;
    bool found = false;
    for (int y = 0; y < image->height && !found; y += 4)
        for (int x = 0; x < image->width && !found; x += 4)
            found = XGetPixel(image, x, y) != XGetPixel(reference, x, y);
    XDestroyImage(image);
    return found;
}

// The compositing manager paints the desktop only when the first window appears: show one briefly,
// then wait until the desktop holds still.
XImage* settledScreen(Display* display) {
    const Window root = DefaultRootWindow(display);
    const Window flash = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    XMapWindow(display, flash);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    XDestroyWindow(display, flash);
    XSync(display, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    XImage* reference = grabScreen(display);
    for (int tries = 0; tries < 50 && screenDiffers(display, reference); ++tries) {
        XDestroyImage(reference);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        reference = grabScreen(display);
    }
    return reference;
}

long peakRssKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    XImage* reference = settledScreen(display);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(30);
    double firstFrameMs = -1;
    while (Clock::now() < deadline) {
        if (screenDiffers(display, reference)) {
            firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // Let the opening settle so the peak includes what a running tool holds.
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    const long rss = peakRssKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XDestroyImage(reference);
    XCloseDisplay(display);
    if (firstFrameMs < 0) {
        std::fprintf(stderr, "startup_probe: no frame within 30 s\n");
        return 1;
    }
    std::printf("%.1f %ld\n", firstFrameMs, rss);
    return 0;
}
