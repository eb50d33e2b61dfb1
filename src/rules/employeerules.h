#pragma once

#include "rules/checkstring.h"
#include "rules/fieldtable.h"

#include <QString>

// What the employee screen holds, with the number of the account it belongs to.
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

// The employee field rules: each picks its partner entries and returns the message to show, or
// an empty text when the field passes. Both wage rules make the same check from their own side:
// taxable wages may not exceed gross.
namespace EmployeeRules
{

// The longest names the screen and the rules take: the last name, the first and middle names.
inline constexpr int lastNameLength = 25;
inline constexpr int givenNameLength = 15;

// Apostrophe, hyphen, the Latin letters and the digits: no space, no full stop, no accents.
inline constexpr CharacterSet nameSet{
    u"'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"};

QString ssn(const EmployeeEntries &entries);
QString lastName(const EmployeeEntries &entries);
QString firstName(const EmployeeEntries &entries);
QString middleName(const EmployeeEntries &entries);
QString grossWages(const EmployeeEntries &entries);
QString taxableWages(const EmployeeEntries &entries);
QString creditWeeks(const EmployeeEntries &entries);

// The S record's fields after the record type, in order; two reserved single spaces follow. The
// account number is the employer screen's, carried by the flow; the rest are the screen's boxes,
// the names written without their surrounding spaces. The SSN and the names are carried from last
// quarter's report into this one; the wages and weeks are each quarter's own.
inline constexpr FieldRow<EmployeeEntries> fields[] = {
    {"ACCOUNT NUMBER", nullptr, &EmployeeEntries::accountNumber, 0, nullptr, nullptr, nullptr,
     Written::PaddedAccount},
    {"SSN", "SSN", &EmployeeEntries::ssn, 9, "txtSSN", "lblSSN_errorMesage", ssn, Written::AsTyped,
     true},
    {"LAST NAME", "Last Name", &EmployeeEntries::lastName, lastNameLength, "txtEmpLastName",
     "lblEmpLastName_errorMessage", lastName, Written::Trimmed, true},
    {"FIRST NAME", "First Name", &EmployeeEntries::firstName, givenNameLength, "txtEmpFirstName",
     "lblEmpFirstName_errorMessage", firstName, Written::Trimmed, true},
    {"MIDDLE NAME", "Middle Name", &EmployeeEntries::middleName, givenNameLength,
     "txtEmployeeMiddleName", "lblEmployeMiddleName_errorMessage", middleName, Written::Trimmed,
     true},
    {"GROSS WAGES", "Gross Wages", &EmployeeEntries::grossWages, 12, "txtEmployeeGrossWages",
     "lblEmployeeGrossWages_errorMessage", grossWages},
    {"TAXABLE WAGES", "Taxable Wages", &EmployeeEntries::taxableWages, 12, "txtEmpTaxableWages",
     "lblEmpTaxableWages_errorMessage", taxableWages},
    {"CREDIT WEEKS", "Credit Weeks", &EmployeeEntries::creditWeeks, 2, "txtEmployeeCreditWeek",
     "lblEmployeeCreditWeek_errorMessage", creditWeeks},
};

// Last quarter's employee as this quarter starts it: the fields its table carries, the others
// empty.
EmployeeEntries carriedOver(const EmployeeEntries &last);

// Why an SSN of nine digits cannot belong to an employee: one never issued (area 000, 666 or 900
// to 999, group 00, serial 0000) or a widely misused one. An empty text for any other.
QString unusableSsn(quint64 ssn);

} // namespace EmployeeRules

// The field table of the kind.
inline const auto &fieldsOf(const EmployeeEntries &)
{
    return EmployeeRules::fields;
}
