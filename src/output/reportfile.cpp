#include "output/reportfile.h"

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "output/formnamefile.h"
#include "validation/fielddisplay.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace
{
FileError errorOf(const QFileDevice &file)
{
    return FileError{static_cast<int>(file.error()), file.errorString()};
}

bool readWholeFile(const QString &path, QByteArray &content, FileError &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = errorOf(file);
        return false;
    }
    content = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = errorOf(file);
        return false;
    }
    return true;
}
} // namespace

CopyOutcome copyReportFile(const QString &source, const QString &target, bool replace,
                           FileError &error)
{
    QByteArray content;
    if (!readWholeFile(source, content, error))
        return CopyOutcome::Failed;

    if (replace) {
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() ||
            !file.commit()) {
            error = errorOf(file);
            return CopyOutcome::Failed;
        }
        return CopyOutcome::Copied;
    }

    const QString targetFolder = QFileInfo(target).absolutePath();
    QTemporaryFile copy(targetFolder + QStringLiteral("/.tavo-csv-XXXXXX"));
    if (!copy.open() || copy.write(content) != content.size() || !copy.flush()) {
        error = errorOf(copy);
        return CopyOutcome::Failed;
    }
    copy.close();
    // QFile::rename never replaces an existing file.
    if (!copy.rename(target)) {
        if (QFileInfo::exists(target))
            return CopyOutcome::TargetExists;
        error = errorOf(copy);
        return CopyOutcome::Failed;
    }
    copy.setAutoRemove(false);
    return CopyOutcome::Copied;
}

void cNeededRoutines::nameFile(const QString &reportingType, const QString &EANorTPAID,
                               const QString &sequenceNumber)
{
    const auto &ui = program.formNameFile().ui;
    const QString name = composeReportFileName(selectedText(ui.lstFTPorUPLOAD), reportingType,
                                               EANorTPAID, sequenceNumber);
    if (name.isEmpty())
        return;
    saveNamedFile(name);
}

void cNeededRoutines::saveNamedFile(const QString &name)
{
    const QString workingFile = program.sOutFileName;
    if (!QFileInfo(workingFile).isFile()) {
        program.fail(QStringLiteral("The working file %1 is missing, so no report file was made.")
                         .arg(workingFile),
                     2, QStringLiteral("No such file or directory"));
        return;
    }

    FileError error;
    CopyOutcome outcome = CopyOutcome::TargetExists;
    if (!QFileInfo::exists(name))
        outcome = copyReportFile(workingFile, name, false, error);

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
        outcome = copyReportFile(workingFile, name, true, error);
        replaced = true;
    }

    if (outcome == CopyOutcome::Failed) {
        program.fail(QStringLiteral("The report file %1 could not be made; the working file %2 "
                                    "still holds every record.")
                         .arg(name, workingFile),
                     error.number, error.description);
        return;
    }

    // A replaced report takes the working file's place; a new one leaves it beside the report.
    if (replaced) {
        QFile working(workingFile);
        if (!working.remove()) {
            program.fail(
                QStringLiteral("The working file %1 could not be deleted.").arg(workingFile),
                static_cast<int>(working.error()), working.errorString());
            return;
        }
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
    if (!readWholeFile(sFileName, content, error)) {
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
