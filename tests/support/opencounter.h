#pragma once

// Counts the files opened in one directory from now on, whoever opens them, as the kernel
// reports it (inotify). Linux only, as the tests are.

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <string>

class OpenCounter {
public:
    explicit OpenCounter(const std::string& directory)
        : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
        if (fd_ >= 0 && inotify_add_watch(fd_, directory.c_str(), IN_OPEN) < 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~OpenCounter() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenCounter(const OpenCounter&) = delete;
    OpenCounter& operator=(const OpenCounter&) = delete;

    bool watching() const { return fd_ >= 0; }

    // Opens since the last call; the kernel queues an event at each open.
    int opens() {
        int count = 0;
        alignas(inotify_event) std::array<char, 4096> buffer{};
        for (ssize_t n; (n = ::read(fd_, buffer.data(), buffer.size())) > 0;)
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer.data() + at);
                count += (event->mask & IN_OPEN) ? 1 : 0;
                at += ssize_t(sizeof(inotify_event) + event->len);
            }
        return count;
    }

private:
    int fd_;
};
