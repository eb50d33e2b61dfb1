// The records' way to the working file: the file layer writes, and a failure it reports, naming
// the file, ends the run with the general failure message.

#include "app/neededroutines.h"
#include "app/program.h"
#include "desktop/desktop.h"
#include "output/workingfile.h"

namespace
{
// Every write to the working file ends the same way when it fails.
bool reportWrite(Program &program, bool written, const FileError &error)
{
    if (!written)
        program.endOnFileFailure(
            QStringLiteral("The file %1 could not be written.").arg(error.file), error);
    return written;
}
} // namespace

bool cNeededRoutines::writeToFile(const QString &sFileName, const QString &sLine,
                                  const QString &readWriteAppend)
{
    // An unfinished filing left in the file is kept aside before a new one starts.
    if (readWriteAppend == QLatin1String("W") && !moveUnfinishedFilingAside(sFileName))
        return false;
    FileError error;
    const bool written = writeLineToFile(sFileName, sLine, readWriteAppend, error);
    return reportWrite(program, written, error);
}

bool cNeededRoutines::writeLinesToFile(const QString &sFileName, const QStringList &lines)
{
    FileError error;
    const bool written = appendLinesToFile(sFileName, lines, error);
    return reportWrite(program, written, error);
}

bool cNeededRoutines::rewriteFile(const QString &sFileName, const QByteArray &bytes,
                                  const QString &copiedFrom)
{
    FileError error;
    const bool written = replaceFile(sFileName, bytes, error, copiedFrom);
    return reportWrite(program, written, error);
}

bool cNeededRoutines::moveUnfinishedFilingAside(const QString &sFileName)
{
    FileError error;
    if (::moveUnfinishedFilingAside(sFileName, error))
        return true;
    program.endOnFileFailure(
        QStringLiteral("The file %1, kept from an earlier filing, could not be moved "
                       "aside, so nothing was written.")
            .arg(error.file),
        error);
    return false;
}

bool cNeededRoutines::readChosenFile(const QString &fileName, const QString &title,
                                     QByteArray &bytes)
{
    FileError error;
    if (readFileBytes(fileName, bytes, error))
        return true;
    program.desktop().tell(
        QStringLiteral("The file %1 could not be read.\n\n%2").arg(fileName, errorText(error)),
        title);
    return false;
}
