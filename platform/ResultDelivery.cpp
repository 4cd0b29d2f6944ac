#include "platform/ResultDelivery.h"

#include "platform/UniqueFd.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ResultDelivery {

namespace {

using Outcome = Delivery::Outcome;

Delivery failed(Outcome outcome, int error) { return {outcome, {error}}; }

// Errors that mean the folder cannot take a new name at all.
bool folderRefuses(int error)
{
    return error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM || error == EROFS;
}

QByteArray randomName(const QByteArray &outputName)
{
    const quint64 tag = QRandomGenerator::system()->generate64();
    return '.' + outputName + '.' + QByteArray::number(tag, 36);
}

mode_t currentUmask()
{
    // Read, not set and reset: another thread may be making a file meanwhile.
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8) & 0777);
        }
    }
    return 022;
}

// What the output is to look like: a replaced file's permission bits and
// group, or the usual mode under the umask for a new one.
struct Looks {
    mode_t mode = 0;
    gid_t group = gid_t(-1); // -1: the user's own
};

Looks looksFor(const struct stat *replaced)
{
    if (replaced)
        return {mode_t(replaced->st_mode & 0777), replaced->st_gid};
    return {mode_t(0666 & ~currentUmask()), gid_t(-1)};
}

SysResult giveLooks(int fd, const Looks &looks)
{
    if (looks.group != gid_t(-1)) {
        // Kept where the user may set it; elsewhere the user's own group stands.
        [[maybe_unused]] const int kept = ::fchown(fd, uid_t(-1), looks.group);
    }
    return ::fchmod(fd, looks.mode) == 0 ? SysResult{} : SysResult{errno};
}

// After the rename the output must name the very file that was written;
// another account able to write the folder could have swapped it.
bool outputIs(int folder, const QByteArray &name, int written)
{
    struct stat placed {
    }, ours{};
    return ::fstatat(folder, name.constData(), &placed, AT_SYMLINK_NOFOLLOW) == 0
           && ::fstat(written, &ours) == 0 && placed.st_dev == ours.st_dev && placed.st_ino == ours.st_ino;
}

// Why a rename over the output failed.
Delivery renameFailed(int error, bool foreignInStickyFolder)
{
    if ((error == EPERM || error == EACCES) && foreignInStickyFolder)
        return failed(Outcome::ForeignOutput, error);
    return failed(folderRefuses(error) ? Outcome::FolderUnwritable : Outcome::PlaceFailed, error);
}

// A name of our own beside the output, made exclusively and never followed
// through a link; the copy is written through the descriptor it returns,
// flushed, and renamed over the output.
Delivery copyBeside(int in, int folder, const QByteArray &name, const Looks &looks,
                    bool foreignInStickyFolder, const Calls &calls)
{
    QByteArray temporary;
    UniqueFd out;
    for (int attempt = 0; attempt < 100 && !out; ++attempt) {
        temporary = calls.temporaryName(name);
        out = UniqueFd(calls.openAt(folder, temporary.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (!out && errno != EEXIST)
            break;
    }
    if (!out)
        return failed(folderRefuses(errno) ? Outcome::FolderUnwritable : Outcome::WriteFailed, errno);

    SysResult written = FileCopy::copyAll(in, out.get(), calls.copyChunk);
    if (written)
        written = giveLooks(out.get(), looks);
    if (written && ::fsync(out.get()) != 0)
        written = {errno};
    if (!written) {
        ::unlinkat(folder, temporary.constData(), 0);
        return {Outcome::WriteFailed, written};
    }
    if (calls.renameAt(folder, temporary.constData(), folder, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        return renameFailed(error, foreignInStickyFolder);
    }
    if (!outputIs(folder, name, out.get()))
        return failed(Outcome::Replaced, 0);
    return {Outcome::Delivered, out.close()};
}

} // namespace

Calls::Calls()
    : renameAt(::renameat), openAt([](int dir, const char *name, int flags, mode_t mode) {
          return ::openat(dir, name, flags, mode);
      }),
      temporaryName(randomName)
{
}

Delivery deliver(const QString &stagedResult, const QString &outputPath, const Calls &calls)
{
    const QByteArray staged = QFile::encodeName(stagedResult);
    UniqueFd result(::open(staged.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (!result)
        return failed(Outcome::NoResult, errno);
    struct stat made {};
    if (::fstat(result.get(), &made) != 0 || !S_ISREG(made.st_mode))
        return failed(Outcome::NoResult, EINVAL);
    if (made.st_size == 0)
        return failed(Outcome::EmptyResult, 0);

    const QFileInfo target(outputPath);
    const QByteArray name = QFile::encodeName(target.fileName());
    if (name.isEmpty())
        return failed(Outcome::PlaceFailed, EISDIR);
    // Every later step names the output relative to this folder, so the
    // folder cannot be swapped for another under us.
    UniqueFd folder(
        ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return failed(Outcome::FolderUnwritable, errno);

    struct stat existing {};
    const bool exists = ::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists) {
        if (S_ISDIR(existing.st_mode))
            return failed(Outcome::PlaceFailed, EISDIR);
        // The mode bits, not access(): root must be refused the same.
        if (S_ISREG(existing.st_mode) && !(existing.st_mode & S_IWUSR))
            return failed(Outcome::ReadOnlyOutput, EACCES);
    }
    struct stat folderStat {};
    if (::fstat(folder.get(), &folderStat) != 0)
        return failed(Outcome::FolderUnwritable, errno);
    const bool foreignInStickyFolder =
        exists && existing.st_uid != ::geteuid() && (folderStat.st_mode & S_ISVTX);
    // A link at the output is replaced, not followed: the new file is a new one.
    const Looks looks = looksFor(exists && S_ISREG(existing.st_mode) ? &existing : nullptr);

    // One file system: one atomic rename, nothing copied. On another one the
    // rename could only fail, and the copy beside is flushed by itself.
    if (made.st_dev == folderStat.st_dev) {
        // Flushed before it takes the old file's place, so that a crash soon
        // after never leaves an empty file where a good one stood.
        SysResult ready = giveLooks(result.get(), looks);
        if (ready && ::fsync(result.get()) != 0)
            ready = {errno};
        if (!ready)
            return {Outcome::WriteFailed, ready};
        if (calls.renameAt(AT_FDCWD, staged.constData(), folder.get(), name.constData()) == 0) {
            if (!outputIs(folder.get(), name, result.get()))
                return failed(Outcome::Replaced, 0);
            return {};
        }
        // A second mount of the same file system refuses it too (EXDEV).
        if (errno != EXDEV)
            return renameFailed(errno, foreignInStickyFolder);
    }
    return copyBeside(result.get(), folder.get(), name, looks, foreignInStickyFolder, calls);
}

} // namespace ResultDelivery
