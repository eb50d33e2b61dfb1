#include "output/reportfile.h"

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "output/formnamefile.h"
#include "validation/fielddisplay.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRandomGenerator>

#include <cerrno>

namespace
{
// A name beside the target that nobody else uses, for the copy until it is complete.
QString temporaryNameBeside(const QString &target)
{
    const QFileInfo info(target);
    return info.absolutePath() + QStringLiteral("/.") + info.fileName() +
           QStringLiteral(".%1-%2.part")
               .arg(QCoreApplication::applicationPid())
               .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
}
} // namespace

CopyOutcome copyReportFile(const QByteArray &records, const QString &source, const QString &target,
                           bool replace, FileError &error,
                           const std::function<void(const QString &)> &beforeReadBack)
{
    const QString part = temporaryNameBeside(target);
    if (!writeNewFile(part, records, error))
        return CopyOutcome::Failed;
    const MoveOutcome moved = moveIntoPlace(part, target, replace, error);
    if (moved != MoveOutcome::Moved) {
        QFile::remove(part);
        return moved == MoveOutcome::TargetExists ? CopyOutcome::TargetExists : CopyOutcome::Failed;
    }

    if (beforeReadBack)
        beforeReadBack(target);
    // What reached the disk is what gets uploaded: the report must hold the working file's bytes.
    QByteArray report;
    QByteArray working;
    if (!readFileBytes(target, report, error) || !readFileBytes(source, working, error)) {
        QFile::remove(target);
        return CopyOutcome::Failed;
    }
    if (report != records || working != records) {
        QFile::remove(target);
        error = systemError(EIO);
        return CopyOutcome::Differs;
    }
    return CopyOutcome::Copied;
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
        program.fault(QStringLiteral("The report file could not be named, so none was made. The "
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
        program.fail(
            QStringLiteral("The working file %1 could not be read, so no report file was made.")
                .arg(workingFile),
            error.number, error.description);
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
        program.fail(QStringLiteral("The report file %1 was read back after copying and did not "
                                    "match the working file %2, so it was removed. The working "
                                    "file still holds every record.")
                         .arg(name, workingFile),
                     error.number, error.description);
        return;
    }
    if (outcome == CopyOutcome::Failed) {
        program.fail(QStringLiteral("The report file %1 could not be made; the working file %2 "
                                    "still holds every record.")
                         .arg(name, workingFile),
                     error.number, error.description);
        return;
    }

    // A replaced report takes the working file's place; a new one leaves it beside the report.
    if (replaced && !removeFile(workingFile, error)) {
        program.fail(QStringLiteral("The working file %1 could not be deleted.").arg(workingFile),
                     error.number, error.description);
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
        program.fail(QStringLiteral("The file %1 could not be read for printing.").arg(sFileName),
                     error.number, error.description);
        return;
    }
    QStringList lines = QString::fromLatin1(content).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the text after the last line end

    QPrinter printer;
    program.desktop().preparePrinter(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
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
    painter.end();
}
