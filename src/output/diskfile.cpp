#include "output/diskfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

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
