// The file layer's calls to Windows: wide-character names, _commit and MoveFileExW.

#include "output/diskfile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

std::FILE *openFile(const QString &fileName, const char *mode)
{
    errno = 0;
    const auto name = reinterpret_cast<const wchar_t *>(fileName.utf16());
    // fopen's "x" is younger than the system's msvcrt.dll, which MinGW's programs use; _wopen has
    // always known _O_EXCL.
    if (std::strchr(mode, 'x')) {
        const int descriptor =
            _wopen(name, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
        return descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
    }
    return _wfopen(name, reinterpret_cast<const wchar_t *>(QString::fromLatin1(mode).utf16()));
}

bool syncToDisk(std::FILE *file)
{
    if (std::fflush(file) != 0)
        return false;
    return _commit(_fileno(file)) == 0;
}

bool syncFolderOf(const QString &fileName, FileError &error)
{
    // Windows has no call for a folder's names; MoveFileExW's write-through stands for it.
    Q_UNUSED(fileName);
    Q_UNUSED(error);
    return true;
}

bool truncateFile(std::FILE *file, long size)
{
    std::clearerr(file);
    return _chsize_s(_fileno(file), size) == 0;
}

bool readFileBytes(const QString &fileName, QByteArray &content, FileError &error)
{
    content.clear();
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
}

void takePermissions(std::FILE *file, const QString &model)
{
    // A new file inherits its folder's access list, as the file it replaces did.
    Q_UNUSED(file);
    Q_UNUSED(model);
}

bool removeFile(const QString &fileName, FileError &error)
{
    errno = 0;
    const int result = _wremove(reinterpret_cast<const wchar_t *>(fileName.utf16()));
    if (result != 0)
        error = lastSystemError(fileName);
    return result == 0;
}

MoveOutcome moveIntoPlace(const QString &from, const QString &to, bool replace, FileError &error)
{
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
}
