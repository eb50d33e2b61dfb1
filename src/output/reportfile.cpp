#include "output/reportfile.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

CopyOutcome copyReportFile(const QByteArray &records, const QString &source, const QString &target,
                           bool replace, FileError &error,
                           const std::function<void(const QString &)> &beforeReadBack)
{
    const MoveOutcome moved = writeFileSafely(target, records, replace, error, source);
    if (moved != MoveOutcome::Moved)
        return moved == MoveOutcome::TargetExists ? CopyOutcome::TargetExists : CopyOutcome::Failed;

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
        error = FileError{target, 0, QString()};
        return CopyOutcome::Differs;
    }
    return CopyOutcome::Copied;
}

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
