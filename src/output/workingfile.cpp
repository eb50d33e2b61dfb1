#include "output/workingfile.h"

#include "rules/reportname.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

QByteArray toSingleByteLine(const QString &line)
{
    return line.toLatin1() + "\r\n";
}

namespace
{
// Writes whole lines in one open, write, sync and close; on any failure the file is cut back to
// its length before, so all of the lines or none are on the disk.
bool writeBytesToFile(const QString &fileName, const QByteArray &bytes, const QString &mode,
                      FileError &error)
{
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

bool replaceFile(const QString &fileName, const QByteArray &bytes, FileError &error)
{
    return writeFileSafely(fileName, bytes, true, error) == MoveOutcome::Moved;
}

bool keepWorkingFile(const QString &fileName, FileError &error)
{
    QByteArray bytes;
    if (!QFileInfo(fileName).isFile() || !readFileBytes(fileName, bytes, error))
        return true; // nothing to keep; starting the new file reports what is in the way
    if (!bytes.startsWith("E,") && !bytes.contains("\nE,"))
        return true; // no account yet
    const QFileInfo working(fileName);
    for (const QFileInfo &other : working.dir().entryInfoList(QDir::Files)) {
        QByteArray report;
        if (other.size() == bytes.size() && readReportFileName(other.fileName()) &&
            readFileBytes(other.filePath(), report, error) && report == bytes)
            return true; // already saved as this report
    }
    // The newest kept file is NAME.previous, the older ones NAME.previous-2 to -5.
    const auto kept = [&fileName](int age) {
        return fileName + QStringLiteral(".previous") +
               (age > 1 ? QStringLiteral("-%1").arg(age) : QString());
    };
    for (int age = keptWorkingFiles; age >= 1; --age) {
        const QString from = age > 1 ? kept(age - 1) : fileName;
        if (QFileInfo(from).exists() &&
            moveIntoPlace(from, kept(age), true, error) != MoveOutcome::Moved) {
            error.file = from;
            return false;
        }
    }
    return true;
}
