// Any bytes at all as an employee spreadsheet file for Import Employees: nothing may crash or trip
// a sanitizer; a file with findings builds nothing, and an accepted one builds one S record per
// employee, each printable ASCII with exactly the eleven fields of its layout.

#include "fuzzinput.h"
#include "recordproperties.h"
#include "rules/employeeimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // One SSN already written for the account, so that check runs too.
    const EmployeeImport::Result result = EmployeeImport::importEmployees(
        bytes, QStringLiteral("0123456"), {QStringLiteral("111111111")});
    bool sound = result.records.size() == result.employees.size() &&
                 (result.findings.isEmpty() || result.records.isEmpty());
    for (const QString &record : result.records)
        sound &= printable(record) && record.count(u',') == 10;
    for (const EmployeeImport::Finding &finding : result.findings)
        sound &= finding.line >= 1 && finding.line <= bytes.count('\n') + 1;
    if (!sound)
        reportFault("fuzz_import", QStringLiteral("records unsound, or a finding out of place"),
                    QString::fromLatin1(bytes));
    return 0;
}
