#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "display/fieldmarks.h"
#include "naming/formnamefile.h"
#include "output/reportfile.h"
#include "rules/reportname.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

bool cNeededRoutines::goodFileName()
{
    // Every rule that applies runs, so one press marks every wrong entry. Without a filer kind
    // the number is not examined: the missing choice has already failed.
    const bool filerKind = goodEmployerOrTPA();
    const bool method = goodFTPorUpload();
    bool number = true;
    switch (program.formNameFile().entries().filerKind) {
    case FilerKind::Employer:
        number = goodFileNameEAN();
        break;
    case FilerKind::Tpa:
        number = goodTPAID();
        break;
    case FilerKind::None:
        break;
    }
    const bool sequence = goodSequenceNumber();
    return filerKind && method && number && sequence;
}

bool cNeededRoutines::goodEmployerOrTPA()
{
    return checkField(program.formNameFile(), NamingRules::employerOrTPA);
}

bool cNeededRoutines::goodFTPorUpload()
{
    return checkField(program.formNameFile(), NamingRules::ftpOrUpload);
}

// The account number and the TPAID share one box, one label and one rule: the number's, which
// the filer kind chosen makes the one or the other.
bool cNeededRoutines::goodFileNameEAN()
{
    return checkField(program.formNameFile(), NamingRules::number);
}

bool cNeededRoutines::goodTPAID()
{
    return checkField(program.formNameFile(), NamingRules::number);
}

bool cNeededRoutines::goodSequenceNumber()
{
    return checkField(program.formNameFile(), NamingRules::sequenceNumber);
}

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
                .arg(program.sOutFileName));
        return;
    }
    saveNamedFile(name);
}

void cNeededRoutines::saveNamedFile(const QString &name)
{
    const QString workingFile = program.sOutFileName;
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
            program.badName = true;
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

namespace
{
// Prints the lines on the printer, one printed line each, in one document. False when the
// printer could not be started.
bool printLines(QPrinter &printer, const QStringList &lines)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QFontMetrics metrics = painter.fontMetrics();
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int baseline = metrics.ascent();
    for (const QString &line : lines) {
        if (baseline + metrics.descent() > pageHeight) {
            printer.newPage();
            baseline = metrics.ascent();
        }
        painter.drawText(0, baseline, line);
        baseline += metrics.lineSpacing();
    }
    return painter.end();
}
} // namespace

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
