// A launcher for the desktop suites, as a panel or a menu is to a user: a small Wayland window of
// its own that asks the compositor for an xdg-activation token while it holds the focus, and
// hands the token to the test, which starts a program with it in XDG_ACTIVATION_TOKEN.
//
// Talks in lines. Writes "active" and "inactive" when the compositor gives or takes its focus,
// and "token VALUE" for each "token APP_ID" it reads (APP_ID: the program to be started). Ends
// when its input closes.
#include "xdg-activation-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

#include <wayland-client.h>

#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr int width = 240;
constexpr int height = 120;

struct Launcher {
    wl_compositor* compositor = nullptr;
    wl_shm* shm = nullptr;
    xdg_wm_base* shell = nullptr;
    xdg_activation_v1* activation = nullptr;
    wl_surface* surface = nullptr;
    bool configured = false;
    bool active = false;
    bool activeSaid = false;
};

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

void global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t) {
    auto* launcher = static_cast<Launcher*>(data);
    if (std::strcmp(interface, wl_compositor_interface.name) == 0)
        launcher->compositor = static_cast<wl_compositor*>(
            wl_registry_bind(registry, name, &wl_compositor_interface, 1));
    else if (std::strcmp(interface, wl_shm_interface.name) == 0)
        launcher->shm =
            static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
    else if (std::strcmp(interface, xdg_wm_base_interface.name) == 0)
        launcher->shell =
            static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    else if (std::strcmp(interface, xdg_activation_v1_interface.name) == 0)
        launcher->activation = static_cast<xdg_activation_v1*>(
            wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
}

void globalRemoved(void*, wl_registry*, uint32_t) {}

const wl_registry_listener registryListener{global, globalRemoved};

void ping(void*, xdg_wm_base* shell, uint32_t serial) {
    xdg_wm_base_pong(shell, serial);
}

const xdg_wm_base_listener shellListener{ping};

void surfaceConfigure(void* data, xdg_surface* surface, uint32_t serial) {
    xdg_surface_ack_configure(surface, serial);
    static_cast<Launcher*>(data)->configured = true;
}

const xdg_surface_listener surfaceListener{surfaceConfigure};

void toplevelConfigure(void* data, xdg_toplevel*, int32_t, int32_t, wl_array* states) {
    auto* launcher = static_cast<Launcher*>(data);
    launcher->active = false;
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (size_t n = 0; n < states->size / sizeof(uint32_t); ++n)
        launcher->active = launcher->active || state[n] == XDG_TOPLEVEL_STATE_ACTIVATED;
}

void toplevelClose(void*, xdg_toplevel*) {}

// Bound at version 1, the shell sends neither bounds nor capabilities.
const xdg_toplevel_listener toplevelListener{toplevelConfigure, toplevelClose, nullptr, nullptr};

void tokenDone(void* data, xdg_activation_token_v1* token, const char* value) {
    *static_cast<std::string*>(data) = value;
    xdg_activation_token_v1_destroy(token);
}

const xdg_activation_token_v1_listener tokenListener{tokenDone};

// One plain grey picture, so that the compositor maps the window.
wl_buffer* picture(wl_shm* shm) {
    const int stride = width * 4;
    const int size = stride * height;
    const int fd = memfd_create("korvane-launcher", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, size) != 0)
        return nullptr;
    void* pixels = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED) {
        close(fd);
        return nullptr;
    }
    std::memset(pixels, 0x80, size);
    munmap(pixels, size);
    wl_shm_pool* pool = wl_shm_create_pool(shm, fd, size);
    wl_buffer* buffer =
        wl_shm_pool_create_buffer(pool, 0, width, height, stride, WL_SHM_FORMAT_XRGB8888);
    wl_shm_pool_destroy(pool);
    close(fd);
    return buffer;
}

std::string requestToken(wl_display* display, Launcher& launcher, const std::string& appId) {
    std::string value;
    xdg_activation_token_v1* token = xdg_activation_v1_get_activation_token(launcher.activation);
    xdg_activation_token_v1_add_listener(token, &tokenListener, &value);
    xdg_activation_token_v1_set_surface(token, launcher.surface);
    xdg_activation_token_v1_set_app_id(token, appId.c_str());
    xdg_activation_token_v1_commit(token);
    while (value.empty() && wl_display_dispatch(display) >= 0) {
    }
    return value;
}

} // namespace

int main(int argc, char** argv) {
    const char* appId = argc > 1 ? argv[1] : "org.korvane.TestLauncher";
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "activation_launcher: no Wayland display\n");
        return 2;
    }
    Launcher launcher;
    wl_registry_add_listener(wl_display_get_registry(display), &registryListener, &launcher);
    wl_display_roundtrip(display);
    if (!launcher.compositor || !launcher.shm || !launcher.shell || !launcher.activation) {
        std::fprintf(stderr, "activation_launcher: the compositor offers no xdg-shell or "
                             "xdg-activation-v1\n");
        return 2;
    }
    xdg_wm_base_add_listener(launcher.shell, &shellListener, nullptr);
    launcher.surface = wl_compositor_create_surface(launcher.compositor);
    xdg_surface* shellSurface = xdg_wm_base_get_xdg_surface(launcher.shell, launcher.surface);
    xdg_surface_add_listener(shellSurface, &surfaceListener, &launcher);
    xdg_toplevel* toplevel = xdg_surface_get_toplevel(shellSurface);
    xdg_toplevel_add_listener(toplevel, &toplevelListener, &launcher);
    xdg_toplevel_set_app_id(toplevel, appId);
    xdg_toplevel_set_title(toplevel, "Korvane test launcher");
    wl_surface_commit(launcher.surface);
    while (!launcher.configured && wl_display_dispatch(display) >= 0) {
    }
    wl_surface_attach(launcher.surface, picture(launcher.shm), 0, 0);
    wl_surface_commit(launcher.surface);
    wl_display_flush(display);

    std::string input;
    for (;;) {
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        if (launcher.active != launcher.activeSaid) {
            launcher.activeSaid = launcher.active;
            say(launcher.active ? "active" : "inactive");
        }
        wl_display_flush(display);
        pollfd watched[2] = {{wl_display_get_fd(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
        if (poll(watched, 2, -1) < 0) {
            wl_display_cancel_read(display);
            return 1;
        }
        if (watched[0].revents & POLLIN) {
            if (wl_display_read_events(display) < 0)
                return 1;
        } else {
            wl_display_cancel_read(display);
        }
        wl_display_dispatch_pending(display);
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            char chunk[256];
            const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
            if (got <= 0)
                break;
            input.append(chunk, size_t(got));
            for (size_t end; (end = input.find('\n')) != std::string::npos;) {
                const std::string line = input.substr(0, end);
                input.erase(0, end + 1);
                if (line.rfind("token ", 0) == 0)
                    say("token " + requestToken(display, launcher, line.substr(6)));
            }
        }
    }
    wl_display_disconnect(display);
    return 0;
}
