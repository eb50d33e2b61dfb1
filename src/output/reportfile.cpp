#include "output/reportfile.h"

#include <QFile>

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
