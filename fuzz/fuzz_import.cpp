// Any bytes at all as an employee spreadsheet file for Import Employees: nothing may crash or trip
// a sanitizer, every finding lies on a line of the file and names a field, and when the file is
// accepted every S record built from it is printable ASCII with exactly the eleven fields of its
// layout, one record per employee.

#include "fuzzinput.h"
#include "recordproperties.h"
#include "rules/employeeimport.h"

#include <QByteArray>
#include <QSet>

#include <cstddef>
#include <cstdint>

namespace
{

QString faultIn(const EmployeeImport::Result &result, const QByteArray &bytes)
{
    const qsizetype lines = bytes.count('\n') + 1;
    static const QSet<QString> fields = {
        QStringLiteral("line"),          QStringLiteral("SSN"),
        QStringLiteral("LAST NAME"),     QStringLiteral("FIRST NAME"),
        QStringLiteral("MIDDLE NAME"),   QStringLiteral("GROSS WAGES"),
        QStringLiteral("TAXABLE WAGES"), QStringLiteral("CREDIT WEEKS")};
    qsizetype previousLine = 0;
    for (const EmployeeImport::Finding &finding : result.findings) {
        if (finding.line < 1 || finding.line > lines)
            return QStringLiteral("a finding on line %1 of %2").arg(finding.line).arg(lines);
        if (finding.line < previousLine)
            return QStringLiteral("findings out of line order");
        previousLine = finding.line;
        if (!fields.contains(finding.field) || finding.message.isEmpty())
            return QStringLiteral("a finding without a field or a message");
    }
    if (!result.findings.isEmpty())
        return result.records.isEmpty() && result.employees.isEmpty()
                   ? QString()
                   : QStringLiteral("records built despite findings");
    if (result.records.size() != result.employees.size())
        return QStringLiteral("not one record per employee");
    for (const QString &record : result.records) {
        if (!printable(record) || record.count(u',') != 10)
            return QStringLiteral("not eleven printable plain fields: ") + record;
    }
    return QString();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // One SSN already written for the account, so that check runs too.
    const EmployeeImport::Result result = EmployeeImport::importEmployees(
        bytes, QStringLiteral("0123456"), {QStringLiteral("111111111")});
    const QString fault = faultIn(result, bytes);
    if (!fault.isEmpty())
        reportFault("fuzz_import", fault, QString::fromLatin1(bytes));
    return 0;
}
