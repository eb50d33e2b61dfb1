// Any bytes at all as an employee spreadsheet file for Import Employees: nothing may crash or trip
// a sanitizer; a file with findings takes no employee, every finding lies on a line of the file,
// and an accepted employee makes a sound S record (recordproperties.h).

#include "fuzzinput.h"
#include "recordproperties.h"
#include "rules/employeeimport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // One SSN already written for the account, so that check runs too.
    SsnIndex written;
    written.add(u"111111111", u"DOE", u"JOHN");
    const EmployeeImport::Result result =
        EmployeeImport::importEmployees(bytes, QStringLiteral("0123456"), written);
    QString fault = result.findings.isEmpty() || result.employees.isEmpty()
                        ? QString()
                        : QStringLiteral("employees taken despite findings");
    for (const EmployeeEntries &employee : result.employees)
        if (fault.isEmpty())
            fault = brokenProperty(employee);
    for (const Finding &finding : result.findings)
        if (finding.line < 0 || finding.line > bytes.count('\n') + 1)
            fault = QStringLiteral("a finding out of place");
    if (!fault.isEmpty())
        reportFault("fuzz_import", fault, QString::fromLatin1(bytes));
    return 0;
}
