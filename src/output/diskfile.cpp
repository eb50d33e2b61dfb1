#include "output/diskfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString errorText(const FileError &error)
{
    return error.number != 0
               ? QStringLiteral("Error %1: %2").arg(error.number).arg(error.description)
               : error.description;
}

FileError lastSystemError(const QString &file)
{
    return systemError(file, errno);
}

FileError systemError(const QString &file, int number)
{
    // The C library's own text: on Windows qt_error_string() would read the number as a
    // GetLastError() code, which numbers errors differently.
    return FileError{file, number, QString::fromLocal8Bit(std::strerror(number))};
}

std::FILE *openFile(const QString &fileName, const char *mode)
{
    errno = 0;
#ifdef Q_OS_WIN
    const auto name = reinterpret_cast<const wchar_t *>(fileName.utf16());
    // fopen's "x" is younger than the system's msvcrt.dll, which MinGW's programs use; _wopen has
    // always known _O_EXCL.
    if (std::strchr(mode, 'x')) {
        const int descriptor =
            _wopen(name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        return descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    }
    return _wfopen(name, reinterpret_cast<const wchar_t *>(QString::fromLatin1(mode).utf16()));
#else
    return std::fopen(QFile::encodeName(fileName).constData(), mode);
#endif
}

bool syncToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
#ifdef Q_OS_WIN
    return _commit(_fileno(file)) == 0;
#else
    // Some file systems (pipes, character devices) cannot be synced; what they took is gone anyway.
    return ::fsync(fileno(file)) == 0 || errno == EINVAL || errno == ENOTSUP;
#endif
}

bool syncFolderOf(const QString &fileName, FileError &error)
{
#ifndef Q_OS_WIN
    const QString path = QFileInfo(fileName).absolutePath();
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    const bool synced = descriptor >= 0 && ::fsync(descriptor) == 0;
    if (!synced)
        error = lastSystemError(path);
    if (descriptor >= 0)
        ::close(descriptor);
    return synced;
#else
    Q_UNUSED(fileName);
    Q_UNUSED(error);
    return true;
#endif
}

bool truncateFile(std::FILE *file, long size)
{
    std::clearerr(file);
#ifdef Q_OS_WIN
    return _chsize_s(_fileno(file), size) == 0;
#else
    return ::ftruncate(fileno(file), size) == 0;
#endif
}

bool readFileBytes(const QString &fileName, QByteArray &content, FileError &error)
{
    content.clear();
#ifdef Q_OS_WIN
    // A folder is told as on Linux, as EISDIR; the C library would fail to open it with EACCES.
    const QFileInfo info(fileName);
    if (info.isDir() || (info.exists() && !info.isFile())) {
        error = info.isDir() ? systemError(fileName, EISDIR)
                             : FileError{fileName, 0, QStringLiteral("It is not a regular file.")};
        return false;
    }
    std::FILE *file = openFile(fileName, "rb");
    if (!file) {
        error = lastSystemError(fileName);
        return false;
    }
    char chunk[65536];
    size_t got = 0;
    errno = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        content.append(chunk, static_cast<qsizetype>(got));
    const bool failed = std::ferror(file) != 0;
    if (failed)
        error = errno != 0 ? lastSystemError(fileName) : systemError(fileName, EIO);
    std::fclose(file);
    return !failed;
#else
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
#endif
}

namespace
{
// A name beside the file that nobody else uses, hidden, for a copy until it is complete.
QString temporaryNameBeside(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".%1-%2.part")
               .arg(QCoreApplication::applicationPid())
               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}

// Gives the open file the permissions, owner and group of the file `model`, when there is one.
// An owner or group the system does not let us give stays ours.
void takePermissions(std::FILE *file, const QString &model)
{
#ifndef Q_OS_WIN
    struct stat status;
    if (model.isEmpty() || ::stat(QFile::encodeName(model).constData(), &status) != 0)
        return;
    if (::fchown(fileno(file), status.st_uid, status.st_gid) != 0)
        (void)::fchown(fileno(file), uid_t(-1), status.st_gid);
    ::fchmod(fileno(file), status.st_mode & 07777);
#else
    Q_UNUSED(file);
    Q_UNUSED(model);
#endif
}

// Writes a file that must not exist yet, synced to the disk, with the permissions of `model`. On
// failure nothing is left behind.
bool writeNewFile(const QString &fileName, const QByteArray &content, FileError &error,
                  const QString &model)
{
    // "x": the open fails when the file exists, so nobody else's file is ever written over.
    std::FILE *file = openFile(fileName, "wbx");
    if (!file) {
        error = lastSystemError(fileName);
        return false;
    }
    takePermissions(file, model);
    errno = 0;
    bool written = std::fwrite(content.constData(), 1, static_cast<size_t>(content.size()), file) ==
                       static_cast<size_t>(content.size()) &&
                   syncToDisk(file);
    if (!written)
        error = errno != 0 ? lastSystemError(fileName) : systemError(fileName, EIO);
    if (std::fclose(file) != 0 && written) {
        error = lastSystemError(fileName);
        written = false;
    }
    if (!written)
        QFile::remove(fileName);
    return written;
}
} // namespace

bool removeFile(const QString &fileName, FileError &error)
{
    errno = 0;
#ifdef Q_OS_WIN
    const int result = _wremove(reinterpret_cast<const wchar_t *>(fileName.utf16()));
#else
    const int result = std::remove(QFile::encodeName(fileName).constData());
#endif
    if (result != 0)
        error = lastSystemError(fileName);
    return result == 0;
}

MoveOutcome moveIntoPlace(const QString &from, const QString &to, bool replace, FileError &error)
{
#ifdef Q_OS_WIN
    const auto source = reinterpret_cast<const wchar_t *>(from.utf16());
    const auto target = reinterpret_cast<const wchar_t *>(to.utf16());
    // A file its owner made read-only is not replaced. Windows refuses that itself; Wine, which
    // renames as Linux does, would not.
    const DWORD attributes = GetFileAttributesW(target);
    if (replace && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        error = FileError{to, ERROR_ACCESS_DENIED, qt_error_string(ERROR_ACCESS_DENIED)};
        return MoveOutcome::Failed;
    }
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (MoveFileExW(source, target, flags))
        return MoveOutcome::Moved;
    const DWORD number = GetLastError();
    if (!replace && (number == ERROR_ALREADY_EXISTS || number == ERROR_FILE_EXISTS))
        return MoveOutcome::TargetExists;
    error = FileError{to, static_cast<int>(number), qt_error_string(static_cast<int>(number))};
    return MoveOutcome::Failed;
#else
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
#endif
}

MoveOutcome writeFileSafely(const QString &fileName, const QByteArray &bytes, bool replace,
                            FileError &error, const QString &permissionsOf)
{
    const QString part = temporaryNameBeside(fileName);
    if (!writeNewFile(part, bytes, error, permissionsOf)) {
        error.file = fileName;
        return MoveOutcome::Failed;
    }
    const MoveOutcome moved = moveIntoPlace(part, fileName, replace, error);
    if (moved != MoveOutcome::Moved)
        QFile::remove(part);
    return moved;
}
