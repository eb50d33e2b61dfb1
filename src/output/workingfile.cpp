#include "output/workingfile.h"

#include "app/neededroutines.h"
#include "app/program.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

QByteArray toSingleByteLine(const QString &line)
{
    return line.toLatin1() + "\r\n";
}

namespace
{
FileError lastSystemError()
{
    const int number = errno;
    return FileError{number, QString::fromLocal8Bit(std::strerror(number))};
}
} // namespace

bool writeLineToFile(const QString &fileName, const QString &line, const QString &mode,
                     FileError &error)
{
    // Binary mode: the line end is CR LF on every platform, written by us.
    const char *openMode = mode == QLatin1String("W") ? "wb" : "ab";
    errno = 0;
    std::FILE *file = std::fopen(QFile::encodeName(fileName).constData(), openMode);
    if (!file) {
        error = lastSystemError();
        return false;
    }
    const QByteArray bytes = toSingleByteLine(line);
    const bool written = std::fwrite(bytes.constData(), 1, bytes.size(), file) ==
                             static_cast<size_t>(bytes.size()) &&
                         std::fflush(file) == 0;
    if (!written)
        error = lastSystemError();
    if (std::fclose(file) != 0 && written) {
        error = lastSystemError();
        return false;
    }
    return written;
}

bool cNeededRoutines::writeToFile(const QString &sFileName, const QString &sLine,
                                  const QString &readWriteAppend)
{
    FileError error;
    if (writeLineToFile(sFileName, sLine, readWriteAppend, error))
        return true;
    program.fail(QStringLiteral("The file %1 could not be written.").arg(sFileName), error.number,
                 error.description);
    return false;
}
