#pragma once
// A file descriptor closed when it goes out of scope.

#include "platform/System.h"

#include <cerrno>
#include <unistd.h>
#include <utility>

class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    ~UniqueFd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    UniqueFd(UniqueFd &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd &operator=(UniqueFd &&other) noexcept
    {
        std::swap(fd_, other.fd_);
        return *this;
    }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;

    explicit operator bool() const { return fd_ >= 0; }
    int get() const { return fd_; }
    // Closes now: a failing close can mean the data never reached the disk.
    SysResult close()
    {
        if (fd_ < 0)
            return {};
        return ::close(std::exchange(fd_, -1)) == 0 ? SysResult{} : SysResult{errno};
    }

private:
    int fd_;
};
