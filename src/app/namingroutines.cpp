// The report file: named from the naming screen's entries, made from the working file's bytes,
// and the printing of a file.

#include "app/neededroutines.h"
#include "app/program.h"
#include "desktop/desktop.h"
#include "naming/formnamefile.h"
#include "naming/printing.h"
#include "output/reportfile.h"
#include "output/workingfile.h"
#include "rules/reportname.h"

#include <QFileInfo>
#include <QPrinter>

void cNeededRoutines::nameFile(const QString &reportingType, const QString &EANorTPAID,
                               const QString &sequenceNumber)
{
    NamingEntries naming = program.formNameFile().entries();
    naming.number = EANorTPAID;
    naming.sequenceNumber = sequenceNumber;
    const QString name = composeReportFileName(naming, reportingType);
    if (name.isEmpty()) {
        // The rules let only known choices through; a name that cannot be made is our fault.
        program.endOnProgramFault(
            QStringLiteral("The report file could not be named, so none was made. The "
                           "working file %1 still holds every record.")
                .arg(program.state.sOutFileName));
        return;
    }
    saveNamedFile(name);
}

void cNeededRoutines::saveNamedFile(const QString &name)
{
    const QString workingFile = program.state.sOutFileName;
    // The working file is read before anything else happens: a missing or unreadable one makes
    // no report, not even an empty one. These bytes are what the report is made of.
    QByteArray records;
    FileError error;
    if (!readFileBytes(workingFile, records, error)) {
        program.endOnFileFailure(
            QStringLiteral("The working file %1 could not be read, so no report file was made.")
                .arg(workingFile),
            error);
        return;
    }

    CopyOutcome outcome = CopyOutcome::TargetExists;
    if (!QFileInfo::exists(name))
        outcome =
            copyReportFile(records, workingFile, name, false, error, program.beforeReportReadBack);

    bool replaced = false;
    if (outcome == CopyOutcome::TargetExists) {
        if (!program.desktop().ask(QStringLiteral(
                "File with the name already exists, do you want to overwrite it?"))) {
            program.desktop().tell(QStringLiteral("The file name = ") + name +
                                   QStringLiteral(".  you selected already exists please name the "
                                                  "file again"));
            if (program.hasEnded())
                return;
            program.state.badName = true;
            program.formNameFile().clearEntries();
            return;
        }
        outcome =
            copyReportFile(records, workingFile, name, true, error, program.beforeReportReadBack);
        replaced = true;
    }

    if (outcome == CopyOutcome::Differs) {
        program.endOnFileFailure(
            QStringLiteral("The report file %1 was read back after copying and did not "
                           "match the working file %2, so it was removed. The working "
                           "file still holds every record.")
                .arg(name, workingFile),
            error);
        return;
    }
    if (outcome == CopyOutcome::Failed) {
        program.endOnFileFailure(
            QStringLiteral("The report file %1 could not be made; the working file %2 "
                           "still holds every record.")
                .arg(name, workingFile),
            error);
        return;
    }

    // A replaced report takes the working file's place; a new one leaves it beside the report.
    if (replaced && !removeFile(workingFile, error)) {
        program.endOnFileFailure(
            QStringLiteral("The working file %1 could not be deleted.").arg(workingFile), error);
        return;
    }

    program.desktop().tell(QStringLiteral("File named ") + name +
                           QStringLiteral(" has been created. This CSV file will be stored in the "
                                          "same location where this program is located.  The "
                                          "program is now closing\u2026"));
    program.endProgram();
}

void cNeededRoutines::print_file(const QString &sFileName)
{
    if (!program.desktop().ask(QStringLiteral("Log file created. Would you like to print it?"),
                               Program::programTitle))
        return;

    QByteArray content;
    FileError error;
    if (!readFileBytes(sFileName, content, error)) {
        program.endOnFileFailure(
            QStringLiteral("The file %1 could not be read for printing.").arg(sFileName), error);
        return;
    }
    QStringList lines = QString::fromLatin1(content).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the text after the last line end

    QPrinter printer;
    program.desktop().preparePrinter(printer);
    if (!printLines(printer, lines))
        program.endOnFileFailure(
            QStringLiteral("The file %1 could not be printed: the printer could not be "
                           "started.")
                .arg(sFileName),
            FileError{sFileName, 0, QString()});
}
