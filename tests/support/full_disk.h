// A disk that fills up during a save: while a `VolleFestplatte` lives, no file of this process
// may grow beyond `hoechstens` bytes, and a write beyond it fails with EFBIG instead of ending
// the process.
#pragma once

#include <sys/resource.h>

#include <csignal>

struct VolleFestplatte {
    rlimit vorher{};
    void (*signal)(int) = nullptr;
    explicit VolleFestplatte(rlim_t hoechstens = 16) {
        ::getrlimit(RLIMIT_FSIZE, &vorher);
        signal = ::signal(SIGXFSZ, SIG_IGN);
        rlimit klein = vorher;
        klein.rlim_cur = hoechstens;
        ::setrlimit(RLIMIT_FSIZE, &klein);
    }
    ~VolleFestplatte() {
        ::setrlimit(RLIMIT_FSIZE, &vorher);
        ::signal(SIGXFSZ, signal);
    }
    VolleFestplatte(const VolleFestplatte&) = delete;
    VolleFestplatte& operator=(const VolleFestplatte&) = delete;
};
