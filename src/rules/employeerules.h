#pragma once

#include <QString>
#include <QStringView>

#include "rules/checkstring.h"
#include "rules/fieldtable.h"

// What the employee screen holds, with the account number of the employer screen it belongs to.
struct EmployeeEntries {
    QString accountNumber; // the account's seven digits, without the S record's two spaces
    QString ssn;
    QString lastName;
    QString firstName;
    QString middleName;
    QString grossWages;
    QString taxableWages;
    QString creditWeeks;
};

// The employee field rules. Each takes the box's text as typed (the wage rules also the partner
// wage) and returns the message to show, or an empty text when the field passes.
namespace EmployeeRules
{

// Apostrophe, hyphen, the Latin letters and the digits: no space, no full stop, no accents.
inline constexpr CharacterSet nameSet{
    u"'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"};

QString ssn(QStringView text);
QString lastName(QStringView text);
QString firstName(QStringView text);
QString middleName(QStringView text);
// Both wage rules make the same check from their own side: taxable wages may not exceed gross.
QString grossWages(QStringView gross, QStringView taxable);
QString taxableWages(QStringView taxable, QStringView gross);
QString creditWeeks(QStringView text);

// The same rules on the screen's entries, each with its partner.
QString ssn(const EmployeeEntries &entries);
QString lastName(const EmployeeEntries &entries);
QString firstName(const EmployeeEntries &entries);
QString middleName(const EmployeeEntries &entries);
QString grossWages(const EmployeeEntries &entries);
QString taxableWages(const EmployeeEntries &entries);
QString creditWeeks(const EmployeeEntries &entries);

// In the order of the S record's fields.
inline constexpr FieldRow<EmployeeEntries> fields[] = {
    {"SSN", 3, 9, "txtSSN", "lblSSN_errorMesage", ssn},
    {"LAST NAME", 4, 25, "txtEmpLastName", "lblEmpLastName_errorMessage", lastName},
    {"FIRST NAME", 5, 15, "txtEmpFirstName", "lblEmpFirstName_errorMessage", firstName},
    {"MIDDLE NAME", 6, 15, "txtEmployeeMiddleName", "lblEmployeMiddleName_errorMessage",
     middleName},
    {"GROSS WAGES", 7, 12, "txtEmployeeGrossWages", "lblEmployeeGrossWages_errorMessage",
     grossWages},
    {"TAXABLE WAGES", 8, 12, "txtEmpTaxableWages", "lblEmpTaxableWages_errorMessage", taxableWages},
    {"CREDIT WEEKS", 9, 2, "txtEmployeeCreditWeek", "lblEmployeeCreditWeek_errorMessage",
     creditWeeks},
};

} // namespace EmployeeRules
