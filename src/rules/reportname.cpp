#include "rules/reportname.h"

#include "rules/spaces.h"

QString composeReportFileName(const NamingEntries &entries, const QString &reportingType)
{
    const bool original = reportingType == QLatin1String("O");
    const bool amended = reportingType == QLatin1String("A");
    if (!original && !amended)
        return QString();
    QString prefix;
    switch (entries.method) {
    case FilingMethod::FileUpload:
        prefix = original ? QStringLiteral("FILEUPLOAD_WR4-4B_")
                          : QStringLiteral("FILEUPLOAD_WR4X-4BX_");
        break;
    case FilingMethod::Ftp:
        prefix = original ? QStringLiteral("FTP_WR4-4B_") : QStringLiteral("FTP_WR4X-4BX_");
        break;
    case FilingMethod::None:
        return QString();
    }

    // Spaces around the sequence number never reach the name; a blank one adds no part at all.
    const QString sequence = trimSpaces(entries.sequenceNumber).toUpper();
    return prefix + entries.number + (sequence.isEmpty() ? QString() : u'_' + sequence) +
           QStringLiteral(".CSV");
}

std::optional<ReportFileName> readReportFileName(const QString &fileName)
{
    const QString extension = QStringLiteral(".CSV");
    for (const FilingMethod method : {FilingMethod::FileUpload, FilingMethod::Ftp}) {
        for (const QString &type : {QStringLiteral("O"), QStringLiteral("A")}) {
            const QString prefix = composeReportFileName({FilerKind::None, method, {}, {}}, type)
                                       .chopped(extension.size());
            if (!fileName.startsWith(prefix) || !fileName.endsWith(extension) ||
                fileName.size() < prefix.size() + extension.size())
                continue;
            const QString middle =
                fileName.mid(prefix.size(), fileName.size() - prefix.size() - extension.size());
            const qsizetype underscore = middle.indexOf(u'_');
            const QString number = underscore < 0 ? middle : middle.left(underscore);
            return ReportFileName{
                {number.size() == NamingRules::numberLength(FilerKind::Tpa) ? FilerKind::Tpa
                                                                            : FilerKind::Employer,
                 method, number, underscore < 0 ? QString() : middle.mid(underscore + 1)},
                type};
        }
    }
    return std::nullopt;
}
