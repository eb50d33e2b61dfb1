// Any bytes at all as a report file for tavo-check: nothing may crash or trip a sanitizer, and
// what it reports must hang together: every finding on a line of the file and in line order, the
// counts of errors and warnings those of the findings, the accounts those of the E records, and
// a file without errors holds one A record.

#include "check/reportchecker.h"
#include "fuzzinput.h"

#include <QFile>
#include <QTemporaryDir>

namespace
{
QString faultIn(const FileReport &report, std::size_t size)
{
    qint64 counts[2] = {0, 0}, previousLine = 0;
    for (const Finding &finding : report.findings) {
        if (finding.line < 0 || finding.line > report.lines || finding.message.isEmpty())
            return QStringLiteral("a finding on line %1 of %2").arg(finding.line).arg(report.lines);
        if (finding.line != 0 && finding.line < previousLine)
            return QStringLiteral("findings out of line order");
        previousLine = finding.line != 0 ? finding.line : previousLine;
        ++counts[finding.severity == Severity::Error ? 0 : 1];
    }
    if (!report.readError.isEmpty() || counts[0] != report.errors || counts[1] != report.warnings)
        return QStringLiteral("not read, or the counts do not match the findings");
    if (report.accounts.size() != report.eRecords)
        return QStringLiteral("%1 accounts for %2 E records")
            .arg(report.accounts.size())
            .arg(report.eRecords);
    if (size > 0 && report.errors == 0 && report.aRecords != 1)
        return QStringLiteral("no error, yet not exactly one A record");
    return QString();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    // A report file's name, so the name check runs too.
    static const QString path = folder.filePath(QStringLiteral("FTP_WR4-4B_0123456.CSV"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const QString fault = faultIn(checkReportFile(path), size);
    if (!fault.isEmpty())
        reportFault("fuzz_check", fault,
                    QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
