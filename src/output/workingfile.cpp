#include "output/workingfile.h"

#include "rules/reportname.h"
#include "rules/reportreader.h"

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

bool replaceFile(const QString &fileName, const QByteArray &bytes, FileError &error,
                 const QString &copiedFrom)
{
    return writeFileSafely(fileName, bytes, true, error,
                           copiedFrom.isEmpty() ? fileName : copiedFrom) == MoveOutcome::Moved;
}

QString keptFileName(const QString &fileName, int age)
{
    return fileName + QStringLiteral(".previous") +
           (age > 1 ? QStringLiteral("-%1").arg(age) : QString());
}

bool holdsUnfinishedFiling(const QString &fileName, QByteArray *read)
{
    QByteArray bytes;
    FileError ignored;
    if (!QFileInfo(fileName).isFile() || !readFileBytes(fileName, bytes, ignored))
        return false; // nothing to keep; starting the new file reports what is in the way
    if (!readReport(bytes, fileName, Reading::Findings).accountLine)
        return false; // no account yet
    const QFileInfo working(fileName);
    for (const QFileInfo &other : working.dir().entryInfoList(QDir::Files)) {
        QByteArray report;
        if (other.size() == bytes.size() && readReportFileName(other.fileName()) &&
            readFileBytes(other.filePath(), report, ignored) && report == bytes)
            return false; // already saved as this report
    }
    if (read)
        *read = std::move(bytes);
    return true;
}

namespace
{
// Moves the kept files from `age` on one place older, dropping the oldest; false, naming the file
// that did not move, on a failure.
bool moveKeptFiles(const QString &fileName, int from, int to, FileError &error)
{
    const int step = to > from ? -1 : 1;
    for (int age = to; age != from; age += step) {
        const QString older = age + step > 0 ? keptFileName(fileName, age + step) : fileName;
        if (QFileInfo(older).exists() &&
            moveIntoPlace(older, keptFileName(fileName, age), true, error) != MoveOutcome::Moved) {
            error.file = older;
            return false;
        }
    }
    return true;
}
} // namespace

bool moveUnfinishedFilingAside(const QString &fileName, FileError &error)
{
    // The newest kept file is NAME.previous, the older ones NAME.previous-2 to -5.
    return !holdsUnfinishedFiling(fileName) || moveKeptFiles(fileName, 0, keptWorkingFiles, error);
}

int keptFileAge(const QString &fileName, const QString &chosen)
{
    for (int age = 1; age <= keptWorkingFiles; ++age)
        if (QFileInfo(keptFileName(fileName, age)).absoluteFilePath() ==
            QFileInfo(chosen).absoluteFilePath())
            return age;
    return 0;
}

bool takeBackKeptFile(const QString &fileName, int age, FileError &error)
{
    // Out of the kept ones first, under a name the file dialog still offers, the older ones
    // closing the gap; then the working file is kept as ever, and no kept file is dropped for it.
    const QString aside = fileName + QStringLiteral(".previous-resumed");
    if (moveIntoPlace(keptFileName(fileName, age), aside, true, error) != MoveOutcome::Moved)
        return false;
    return moveKeptFiles(fileName, keptWorkingFiles, age, error) &&
           moveUnfinishedFilingAside(fileName, error) &&
           moveIntoPlace(aside, fileName, true, error) == MoveOutcome::Moved;
}
