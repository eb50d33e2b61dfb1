#pragma once

#include "rules/fieldtable.h"

#include <QString>

// What the employer screen holds: the quarter-year code its two lists make and the boxes as typed.
struct EmployerEntries {
    // The quarter's digit followed by the year, as 22026; a list without a choice adds nothing.
    QString quarterYear;
    QString accountNumber;
    QString fein;
    QString firstMonth;
    QString secondMonth;
    QString thirdMonth;
    QString grossWages;
    QString employeeWithholding;
    QString taxableWages;
    QString employerContributions;
};

// The employer field rules: each picks its partner entries and returns the message to show, or
// an empty text when the field passes. The amounts keep three relations, each checked from both
// sides: gross wages >= taxable wages, gross wages >= employee withholding, taxable wages >=
// employer contributions.
namespace EmployerRules
{
// A tax account number has seven digits, leading zeros included.
inline constexpr int accountNumberLength = 7;
// The year list offers the current year and the seven before it, newest first.
inline constexpr int earlierYearsOffered = 7;
bool isOfferedYear(QStringView year, int currentYear);

QString quarterYear(const EmployerEntries &entries);
QString accountNumber(const EmployerEntries &entries);
QString fein(const EmployerEntries &entries);
QString firstMonth(const EmployerEntries &entries);
QString secondMonth(const EmployerEntries &entries);
QString thirdMonth(const EmployerEntries &entries);
QString grossWages(const EmployerEntries &entries);
QString employeeWithholding(const EmployerEntries &entries);
QString taxableWages(const EmployerEntries &entries);
QString employerContributions(const EmployerEntries &entries);

// The E record's fields after the record type, in order.
inline constexpr FieldRow<EmployerEntries> fields[] = {
    {"ACCOUNT NUMBER", "Account Number", &EmployerEntries::accountNumber, accountNumberLength,
     "txtEAN", "lblEAN_errorMessage", accountNumber},
    {"FEIN", "FEIN", &EmployerEntries::fein, 0, "txtFEIN", "lblFEINError", fein},
    {"QUARTER-YEAR", "Quarter/Year", &EmployerEntries::quarterYear, 0, "lstQuarter",
     "lblQuarterYear_errorMessage", quarterYear},
    {"EMPLOYEES MONTH 1", "Month 1", &EmployerEntries::firstMonth, 5, "txtFirstMonth",
     "lblFirstMonth_errorMessage", firstMonth},
    {"EMPLOYEES MONTH 2", "Month 2", &EmployerEntries::secondMonth, 5, "txtSecondMonth",
     "lblSecondMonth_errorMessage", secondMonth},
    {"EMPLOYEES MONTH 3", "Month 3", &EmployerEntries::thirdMonth, 5, "txtThirdMonth",
     "lblThirdMonth_errorMessage", thirdMonth},
    {"GROSS WAGES", "Gross Wages", &EmployerEntries::grossWages, 13, "txtGrossWages",
     "txtGrossWages_errorMessage", grossWages},
    {"EMPLOYEE WITHHOLDING", "Withholding", &EmployerEntries::employeeWithholding, 13,
     "txtEmployeeWithholding", "txtEmployeeWithholding_errorMessage", employeeWithholding},
    {"TAXABLE WAGES", "Taxable Wages", &EmployerEntries::taxableWages, 13, "txtTaxableWages",
     "txtTaxableWages_errorMessage", taxableWages},
    {"EMPLOYER CONTRIBUTIONS", "Contributions", &EmployerEntries::employerContributions, 13,
     "txtEmployerContributions", "txtEmployerContributions_errorMessage", employerContributions},
};
} // namespace EmployerRules

// The field table of the kind.
inline const auto &fieldsOf(const EmployerEntries &)
{
    return EmployerRules::fields;
}
