#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

// umockdev's fake device nodes need its preload library in this very process. Starts the
// program again with it when it is missing (and does not return then).
inline void runUnderUmockdevPreload(char** argv) {
    if (!qgetenv("LD_PRELOAD").contains("libumockdev-preload")) {
        setenv("LD_PRELOAD", "libumockdev-preload.so.0", 1);
        const QByteArray asan = qgetenv("ASAN_OPTIONS");
        setenv("ASAN_OPTIONS", (asan + ":verify_asan_link_order=0").constData(), 1);
        execv("/proc/self/exe", argv);
        std::exit(1);
    }
    // Removing a node hangs up its terminal, which would end a session leader.
    std::signal(SIGHUP, SIG_IGN);
}
