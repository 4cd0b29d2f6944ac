#include "platform/PrivateFolder.h"

#include "platform/UniqueFd.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PrivateFolder {

namespace {

QString why(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString notPrivate(const QString &path, const QString &what)
{
    return path + QStringLiteral(" is not private to you: ") + what;
}

// 0 once the folder is there; made ones are owner-only whatever the umask.
int makeFolder(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::lstat(name.constData(), &st) == 0)
        return 0;
    if (errno != ENOENT)
        return errno;
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path) {
        if (const int error = makeFolder(parent))
            return error;
    }
    if (::mkdir(name.constData(), 0700) != 0)
        return errno == EEXIST ? 0 : errno;
    const UniqueFd made(::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (made)
        ::fchmod(made.get(), 0700);
    return 0;
}

} // namespace

QString problem(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("a working folder has no name");
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return path + QStringLiteral(" cannot be used: ") + why(errno);
    if (S_ISLNK(st.st_mode))
        return notPrivate(path, QStringLiteral("it is a symbolic link"));
    if (!S_ISDIR(st.st_mode))
        return notPrivate(path, QStringLiteral("it is not a folder"));
    if (st.st_uid != ::geteuid())
        return notPrivate(path, QStringLiteral("it belongs to another user"));
    if (st.st_mode & (S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH)) {
        return notPrivate(path, QStringLiteral("others may read or write it (mode %1)")
                                    .arg(st.st_mode & 07777, 4, 8, QLatin1Char('0')));
    }
    return QString();
}

QString make(const QString &path)
{
    if (!path.isEmpty()) {
        if (const int error = makeFolder(path))
            return path + QStringLiteral(" could not be made: ") + why(error);
    }
    return problem(path);
}

} // namespace PrivateFolder
