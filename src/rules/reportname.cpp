#include "rules/reportname.h"

#include "rules/checkstring.h"

QString composeReportFileName(const QString &uploadOrFtp, const QString &reportingType,
                              const QString &number, const QString &sequenceNumber)
{
    QString prefix;
    const bool original = reportingType == QLatin1String("O");
    const bool amended = reportingType == QLatin1String("A");
    if (uploadOrFtp == QLatin1String("FILE UPLOAD") && original)
        prefix = QStringLiteral("FILEUPLOAD_WR4-4B_");
    else if (uploadOrFtp == QLatin1String("FILE UPLOAD") && amended)
        prefix = QStringLiteral("FILEUPLOAD_WR4X-4BX_");
    else if (uploadOrFtp == QLatin1String("FTP") && original)
        prefix = QStringLiteral("FTP_WR4-4B_");
    else if (uploadOrFtp == QLatin1String("FTP") && amended)
        prefix = QStringLiteral("FTP_WR4X-4BX_");
    else
        return QString();

    // Spaces around the sequence number never reach the name; a blank one adds no part at all.
    const QString sequence = trimSpaces(sequenceNumber).toUpper();
    return prefix + number + (sequence.isEmpty() ? QString() : u'_' + sequence) +
           QStringLiteral(".CSV");
}
