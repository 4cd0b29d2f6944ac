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

Delivery failed(Outcome outcome, int error)
{
    return {outcome, {error}};
}

// Errors that mean the folder cannot take a new name at all.
bool folderRefuses(int error)
{
    return error == ENOENT || error == ENOTDIR || error == EACCES || error == EPERM
           || error == EROFS;
}

QByteArray randomName(const QByteArray &outputName)
{
    const quint64 tag = QRandomGenerator::system()->generate64();
    return '.' + outputName + '.' + QByteArray::number(tag, 36);
}

// A name of our own beside the output, made exclusively and never followed
// through a link; the copy is written through the descriptor it returns.
Delivery copyBeside(const QByteArray &staged, int folder, const QByteArray &name,
                    const Calls &calls)
{
    UniqueFd in(::open(staged.constData(), O_RDONLY | O_CLOEXEC));
    if (!in)
        return failed(errno == ENOENT ? Outcome::NoResult : Outcome::WriteFailed, errno);

    QByteArray temporary;
    UniqueFd out;
    for (int attempt = 0; attempt < 100 && !out; ++attempt) {
        temporary = calls.temporaryName(name);
        out = UniqueFd(calls.openAt(folder, temporary.constData(),
                                    O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (!out && errno != EEXIST)
            break;
    }
    if (!out)
        return failed(folderRefuses(errno) ? Outcome::FolderUnwritable : Outcome::WriteFailed, errno);

    SysResult written = FileCopy::copyAll(in.get(), out.get(), calls.copyChunk);
    if (written)
        written = out.close();
    if (!written) {
        ::unlinkat(folder, temporary.constData(), 0);
        return {Outcome::WriteFailed, written};
    }
    if (calls.renameAt(folder, temporary.constData(), folder, name.constData()) != 0) {
        const int error = errno;
        ::unlinkat(folder, temporary.constData(), 0);
        return failed(Outcome::PlaceFailed, error);
    }
    return {};
}

} // namespace

Calls::Calls()
    : renameAt(::renameat),
      openAt([](int dir, const char *name, int flags, mode_t mode) {
          return ::openat(dir, name, flags, mode);
      }),
      temporaryName(randomName)
{
}

Delivery deliver(const QString &stagedResult, const QString &outputPath, const Calls &calls)
{
    const QByteArray staged = QFile::encodeName(stagedResult);
    struct stat result {};
    if (::stat(staged.constData(), &result) != 0)
        return failed(Outcome::NoResult, errno);
    if (!S_ISREG(result.st_mode))
        return failed(Outcome::NoResult, EINVAL);
    if (result.st_size == 0)
        return failed(Outcome::EmptyResult, 0);

    const QFileInfo target(outputPath);
    const QByteArray name = QFile::encodeName(target.fileName());
    if (name.isEmpty())
        return failed(Outcome::PlaceFailed, EISDIR);
    // Every later step names the output relative to this folder, so the
    // folder cannot be swapped for another under us.
    UniqueFd folder(::open(QFile::encodeName(target.absolutePath()).constData(),
                           O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder)
        return failed(Outcome::FolderUnwritable, errno);

    struct stat existing {};
    if (::fstatat(folder.get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0) {
        if (S_ISDIR(existing.st_mode))
            return failed(Outcome::PlaceFailed, EISDIR);
        // The mode bits, not access(): root must be refused the same.
        if (S_ISREG(existing.st_mode) && !(existing.st_mode & S_IWUSR))
            return failed(Outcome::ReadOnlyOutput, EACCES);
    }

    // One file system: one atomic rename, nothing copied.
    if (calls.renameAt(AT_FDCWD, staged.constData(), folder.get(), name.constData()) == 0)
        return {};
    if (errno != EXDEV)
        return failed(folderRefuses(errno) ? Outcome::FolderUnwritable : Outcome::PlaceFailed, errno);
    return copyBeside(staged, folder.get(), name, calls);
}

} // namespace ResultDelivery
