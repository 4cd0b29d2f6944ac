#include "platform/FileCopy.h"

#include "platform/UniqueFd.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

// One read and its whole write, for file systems without the fast path.
ssize_t readAndWrite(int in, int out, size_t count)
{
    char buffer[1 << 16];
    const ssize_t got = ::read(in, buffer, std::min(count, sizeof buffer));
    if (got <= 0)
        return got;
    for (ssize_t done = 0; done < got;) {
        const ssize_t put = ::write(out, buffer + done, size_t(got - done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += put;
    }
    return got;
}

// A regular file to copy from, and what it is.
SysResult openSource(const QString &source, UniqueFd &in, struct stat &st)
{
    in = UniqueFd(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (!in)
        return {errno};
    if (::fstat(in.get(), &st) != 0)
        return {errno};
    return S_ISREG(st.st_mode) ? SysResult{} : SysResult{EINVAL};
}

} // namespace

ssize_t FileCopy::copyChunk(int in, int out, size_t count)
{
    const ssize_t moved = ::copy_file_range(in, nullptr, out, nullptr, count, 0);
    if (moved > 0)
        return moved;
    // Some file systems report 0 or refuse where there is data: a plain read tells.
    if (moved == 0 || errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP)
        return readAndWrite(in, out, count);
    return -1;
}

SysResult FileCopy::copyAll(int in, int out, const ChunkCopier &chunk)
{
    for (;;) {
        const ssize_t moved = chunk(in, out, size_t(1) << 30);
        if (moved == 0)
            return {};
        if (moved < 0 && errno != EINTR)
            return {errno};
    }
}

SysResult FileCopy::copyToNewFile(const QString &source, const QString &destination)
{
    // Emptied first, so that whatever follows nothing old passes for the copy.
    const QByteArray target = QFile::encodeName(destination);
    if (::unlink(target.constData()) != 0 && errno != ENOENT)
        return {errno};
    UniqueFd in;
    struct stat st {};
    if (const SysResult opened = openSource(source, in, st); !opened)
        return opened;
    UniqueFd out(::open(target.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!out)
        return {errno};
    SysResult copied = copyAll(in.get(), out.get());
    if (copied && ::fchmod(out.get(), st.st_mode & S_IRWXU) != 0)
        copied = {errno};
    if (copied)
        copied = out.close();
    if (!copied)
        ::unlink(target.constData());
    return copied;
}
