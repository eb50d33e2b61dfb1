// Any bytes at all as an employee spreadsheet file for Import Employees: nothing may crash or trip
// a sanitizer, every finding lies on a line of the file, in line order, and names a field, and
// when the file is accepted every S record built from it is printable ASCII with exactly the
// eleven fields of its layout, one record per employee.

#include "fuzzinput.h"
#include "recordproperties.h"
#include "rules/employeeimport.h"

namespace
{
QString faultIn(const EmployeeImport::Result &result, const QByteArray &bytes)
{
    qsizetype previousLine = 1;
    for (const EmployeeImport::Finding &finding : result.findings) {
        const bool known =
            finding.field == "line" ||
            std::any_of(std::begin(EmployeeRules::fields), std::end(EmployeeRules::fields),
                        [&](const auto &row) { return finding.field == row.name; });
        if (finding.line < previousLine || finding.line > bytes.count('\n') + 1 || !known ||
            finding.message.isEmpty())
            return QStringLiteral("a finding out of place: ") +
                   EmployeeImport::findingText(finding);
        previousLine = finding.line;
    }
    if (!result.findings.isEmpty() && !(result.records.isEmpty() && result.employees.isEmpty()))
        return QStringLiteral("records built despite findings");
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
