#include "platform/FileCopy.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

struct Fd {
    int fd = -1;
    explicit Fd(int f) : fd(f) {}
    ~Fd() { if (fd >= 0) ::close(fd); }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
};

bool copyByReadWrite(int in, int out)
{
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(in, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t done = 0; done < got;) {
            ssize_t put = ::write(out, buffer + done, size_t(got - done));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            done += put;
        }
    }
}

bool copyContents(int in, int out, off_t size)
{
    off_t left = size;
    while (left > 0) {
        ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, size_t(left), 0);
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            // Kernels or file systems without the fast path: plain copy of the rest.
            if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)
                return copyByReadWrite(in, out);
            return false;
        }
        if (moved == 0)   // the source shrank under us: take what is there
            return copyByReadWrite(in, out);
        left -= moved;
    }
    // A source that grew while being copied keeps its tail too.
    return copyByReadWrite(in, out);
}

} // namespace

bool FileCopy::copyReplacing(const QString &source, const QString &destination)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(destination);
    Fd in(::open(from.constData(), O_RDONLY | O_CLOEXEC));
    if (in.fd < 0)
        return false;
    struct stat st {};
    if (::fstat(in.fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    Fd out(::open(to.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, st.st_mode & 07777));
    if (out.fd < 0)
        return false;
    // An existing destination keeps its old bits otherwise; the copy takes the source's.
    ::fchmod(out.fd, st.st_mode & 07777);
    if (!copyContents(in.fd, out.fd, st.st_size))
        return false;
    return ::close(std::exchange(out.fd, -1)) == 0;
}
