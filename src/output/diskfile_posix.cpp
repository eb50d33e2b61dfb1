// The file layer's calls to a POSIX system (Linux): descriptors, fsync, rename and link.

#include "output/diskfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::FILE *openFile(const QString &fileName, const char *mode)
{
    errno = 0;
    return std::fopen(QFile::encodeName(fileName).constData(), mode);
}

bool syncToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
    // Some file systems (pipes, character devices) cannot be synced; what they took is gone anyway.
    return ::fsync(fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP;
}

bool syncFolderOf(const QString &fileName, FileError &error)
{
    const QString path = QFileInfo(fileName).absolutePath();
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    if (!synced)
        error = lastSystemError(path);
    if (descriptor >= 0)
        ::close(descriptor);
    return synced;
}

bool truncateFile(std::FILE *file, long size)
{
    std::clearerr(file);
    return ::ftruncate(fileno(file), size) == 0;
}

bool readFileBytes(const QString &fileName, QByteArray &content, FileError &error)
{
    content.clear();
    // Without waiting: a pipe would otherwise hold the program until something wrote to it.
    const int descriptor =
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) {
        error = lastSystemError(fileName);
        return false;
    }
    struct stat status;
    bool read = ::fstat(descriptor, &status) == 0;
    if (!read)
        error = lastSystemError(fileName);
    else if (S_ISDIR(status.st_mode))
        error = systemError(fileName, EISDIR);
    else if (!S_ISREG(status.st_mode))
        error = FileError{fileName, 0,
                          QStringLiteral("It is not a regular file but a pipe, a device or a "
                                         "socket.")};
    read = read && S_ISREG(status.st_mode);
    char chunk[65536];
    for (ssize_t got = 0; read && (got = ::read(descriptor, chunk, sizeof chunk)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = lastSystemError(fileName);
            read = false;
        } else {
            content.append(chunk, qsizetype(got));
        }
    }
    ::close(descriptor);
    return read;
}

void takePermissions(std::FILE *file, const QString &model)
{
    struct stat status;
    if (model.isEmpty() || ::stat(QFile::encodeName(model).constData(), &status) != 0)
        return;
    if (::fchown(fileno(file), status.st_uid, status.st_gid) != 0)
        (void)::fchown(fileno(file), uid_t(-1), status.st_gid);
    ::fchmod(fileno(file), status.st_mode & 07777);
}

bool removeFile(const QString &fileName, FileError &error)
{
    errno = 0;
    const int result = std::remove(QFile::encodeName(fileName).constData());
    if (result != 0)
        error = lastSystemError(fileName);
    return result == 0;
}

MoveOutcome moveIntoPlace(const QString &from, const QString &to, bool replace, FileError &error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (replace) {
        // A file its owner made read-only is not replaced, even where the system would allow it
        // (to root, or in a folder we may write to).
        struct stat existing;
        if (::lstat(target.constData(), &existing) == 0 && !S_ISLNK(existing.st_mode) &&
            (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            error = systemError(to, EACCES);
            return MoveOutcome::Failed;
        }
        if (::rename(source.constData(), target.constData()) != 0) {
            error = lastSystemError(to);
            return MoveOutcome::Failed;
        }
        return syncFolderOf(to, error) ? MoveOutcome::Moved : MoveOutcome::Failed;
    }
    // A hard link never replaces an existing name; the temporary name then goes.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return syncFolderOf(to, error) ? MoveOutcome::Moved : MoveOutcome::Failed;
    }
    if (errno == EEXIST)
        return MoveOutcome::TargetExists;
    // File systems without hard links: look first, then rename.
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS &&
        errno != EMLINK) {
        error = lastSystemError(to);
        return MoveOutcome::Failed;
    }
    if (QFileInfo::exists(to) || QFileInfo(to).isSymLink())
        return MoveOutcome::TargetExists;
    if (::rename(source.constData(), target.constData()) != 0) {
        error = lastSystemError(to);
        return MoveOutcome::Failed;
    }
    return syncFolderOf(to, error) ? MoveOutcome::Moved : MoveOutcome::Failed;
}
