// Starts a program, waits for the first frame in which its window changes anything on the
// desktop, and prints "<milliseconds from exec> <peak RSS in KiB> <CPU milliseconds of the
// process at that frame> <idle CPU in % of a core>" once the program has settled. The idle figure
// is measured over the seconds given with --idle (0, the default, skips it and prints 0).
// --on-frame COMMAND runs COMMAND (through the shell, with PROBED_PID set to the program's process
// id) as soon as the first frame is seen, e.g. to dump a profiler's counts at that moment.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>

#include <dirent.h>
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

// User plus system clock ticks of /proc/.../stat: the process's file counts its ended threads too.
unsigned long long statTicks(const std::string& statPath) {
    std::ifstream stat(statPath);
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos)
        return 0;
    // Fields after the command name, which is in parentheses and may hold spaces.
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int n = 3; n <= 15 && fields >> field; ++n)
        if (n == 14 || n == 15)
            ticks += std::stoull(field);
    return ticks;
}

// CPU time of the process so far, in milliseconds. Running threads count to the nanosecond that
// the scheduler keeps; threads that have ended count in clock ticks (10 ms), which is all the
// kernel keeps of them.
double cpuMs(pid_t pid) {
    const std::string proc = "/proc/" + std::to_string(pid);
    const double msPerTick = 1000.0 / double(sysconf(_SC_CLK_TCK));
    double runningMs = 0;
    unsigned long long runningTicks = 0;
    if (DIR* dir = opendir((proc + "/task").c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            const std::string task = proc + "/task/" + entry->d_name;
            std::ifstream schedstat(task + "/schedstat");
            unsigned long long onCpuNs = 0;
            if (schedstat >> onCpuNs) {
                runningMs += double(onCpuNs) / 1e6;
                runningTicks += statTicks(task + "/stat");
            }
        }
        closedir(dir);
    }
    const unsigned long long allTicks = statTicks(proc + "/stat");
    const double endedMs =
        allTicks > runningTicks ? double(allTicks - runningTicks) * msPerTick : 0;
    return runningMs + endedMs;
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
    int idleSeconds = 0;
    const char* onFrame = nullptr;
    while (argc > 2 && argv[1][0] == '-') {
        if (std::strcmp(argv[1], "--idle") == 0)
            idleSeconds = std::atoi(argv[2]);
        else if (std::strcmp(argv[1], "--on-frame") == 0)
            onFrame = argv[2];
        else
            break;
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: startup_probe [--idle SECONDS] [--on-frame COMMAND] PROGRAM [ARGS...]\n");
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
    // Generous, for a program that runs under a profiler.
    const auto deadline = start + std::chrono::seconds(900);
    double firstFrameMs = -1;
    double firstFrameCpuMs = -1;
    while (Clock::now() < deadline) {
        if (screenDiffers(display, reference)) {
            firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            firstFrameCpuMs = cpuMs(pid);
            if (onFrame) {
                setenv("PROBED_PID", std::to_string(pid).c_str(), 1);
                if (std::system(onFrame) != 0)
                    std::fprintf(stderr, "startup_probe: the --on-frame command failed\n");
            }
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    // Let the opening (about four seconds as shipped) end, so the peak includes the page it shows.
    std::this_thread::sleep_for(std::chrono::milliseconds(idleSeconds > 0 ? 8000 : 6000));
    const long rss = peakRssKiB(pid);
    // Idle: the opening has ended and nobody touches the window.
    double idlePercent = 0;
    if (idleSeconds > 0) {
        const double before = cpuMs(pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        idlePercent = (cpuMs(pid) - before) / (idleSeconds * 10.0);
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XDestroyImage(reference);
    XCloseDisplay(display);
    if (firstFrameMs < 0) {
        std::fprintf(stderr, "startup_probe: no frame within 900 s\n");
        return 1;
    }
    std::printf("%.1f %ld %.1f %.3f\n", firstFrameMs, rss, firstFrameCpuMs, idlePercent);
    return 0;
}
