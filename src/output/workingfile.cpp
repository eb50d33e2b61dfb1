#include "output/workingfile.h"

#include <QFileInfo>

#include <cerrno>
#include <cstdio>

QByteArray toSingleByteLine(const QString &line)
{
    return line.toLatin1() + "\r\n";
}

namespace
{
// A working file left by an earlier run that was closed, killed or crashed before its report was
// made is kept as NAME.previous, replacing an older one, before a new working file starts. It is
// renamed, not copied, so it is never kept half.
bool keepPreviousWorkingFile(const QString &fileName, FileError &error)
{
    const QFileInfo existing(fileName);
    if (!existing.isFile() || existing.size() == 0)
        return true;
    return moveIntoPlace(fileName, fileName + QStringLiteral(".previous"), true, error) ==
           MoveOutcome::Moved;
}

// Writes whole lines in one open, write, sync and close; on any failure the file is cut back to
// its length before, so all of the lines or none are on the disk.
bool writeBytesToFile(const QString &fileName, const QByteArray &bytes, const QString &mode,
                      FileError &error)
{
    if (mode == QLatin1String("W") && !keepPreviousWorkingFile(fileName, error))
        return false;
    // Binary mode: the line end is CR LF on every platform, written by us.
    std::FILE *file = openFile(fileName, mode == QLatin1String("W") ? "wb" : "ab");
    if (!file) {
        error = lastSystemError(fileName);
        return false;
    }
    // Unbuffered: the line goes straight to the system, and nothing is left over in a buffer to
    // be written after a failure has been dealt with.
    std::setvbuf(file, nullptr, _IONBF, 0);
    std::fseek(file, 0, SEEK_END);
    const long sizeBefore = std::ftell(file);
    errno = 0;
    bool written = std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), file) ==
                       static_cast<size_t>(bytes.size()) &&
                   syncToDisk(file);
    if (!written) {
        error = errno != 0 ? lastSystemError(fileName) : systemError(fileName, EIO);
        // A full disk may have taken part of the line: cut the file back to its whole records.
        if (sizeBefore < 0 || !truncateFile(file, sizeBefore))
            error.description += QStringLiteral("; the incomplete line at its end could not be "
                                                "cut off again (") +
                                 errorText(lastSystemError(fileName)) + u')';
    }
    if (std::fclose(file) != 0 && written) {
        error = lastSystemError(fileName);
        written = false;
    }
    // A fresh working file keeps its name after a crash.
    if (written && mode == QLatin1String("W"))
        written = syncFolderOf(fileName, error);
    return written;
}

} // namespace

bool writeLineToFile(const QString &fileName, const QString &line, const QString &mode,
                     FileError &error)
{
    return writeBytesToFile(fileName, toSingleByteLine(line), mode, error);
}

bool appendLinesToFile(const QString &fileName, const QStringList &lines, FileError &error)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += toSingleByteLine(line);
    return writeBytesToFile(fileName, bytes, QStringLiteral("A"), error);
}
