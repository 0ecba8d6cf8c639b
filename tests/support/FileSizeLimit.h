// SPDX-License-Identifier: MIT
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstddef>

namespace TestSupport {

// While it lives, every write past the limit fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::size_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = previous_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

}  // namespace TestSupport
