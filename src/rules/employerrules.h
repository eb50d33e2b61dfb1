#pragma once

#include "rules/fieldtable.h"

#include <QString>
#include <QStringView>

// What the employer screen holds: the quarter and year chosen and the boxes as typed.
struct EmployerEntries {
    QString quarter; // the quarter's digit, "1" to "4"; empty when none is chosen
    QString year;    // as "2026"; empty when none is chosen
    QString accountNumber;
    QString fein;
    QString firstMonth;
    QString secondMonth;
    QString thirdMonth;
    QString grossWages;
    QString employeeWithholding;
    QString taxableWages;
    QString employerContributions;

    // The E record's quarter-year code, as 22026.
    QString quarterYear() const { return quarter + year; }
};

// The employer field rules. Each takes the box's text as typed (and the partner boxes' texts for
// the amount cross-checks) and returns the message to show, or an empty text when it passes.
namespace EmployerRules
{

// The message for a quarter or a year not chosen; the screen marks the list without a choice.
QString quarterYear(bool quarterSelected, bool yearSelected);

QString accountNumber(QStringView text);
QString fein(QStringView text);
QString firstMonth(QStringView text);
QString secondMonth(QStringView text);
QString thirdMonth(QStringView text);

// The amounts keep three relations, each checked from both sides: gross wages >= taxable wages,
// gross wages >= employee withholding, taxable wages >= employer contributions.
QString grossWages(QStringView gross, QStringView taxable, QStringView withholding);
QString employeeWithholding(QStringView withholding, QStringView gross);
QString taxableWages(QStringView taxable, QStringView gross, QStringView contributions);
QString employerContributions(QStringView contributions, QStringView taxable);

// A quarter-year code as the E record holds it: a quarter digit 1 to 4, then a four-digit year.
QString quarterYearCode(QStringView code);

// The same rules on the screen's entries, each with its partners. The quarter-year rule asks for
// the missing choice first, then checks the code the two choices make.
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

// In the order of the E record's fields.
inline constexpr FieldRow<EmployerEntries> fields[] = {
    {"ACCOUNT NUMBER", 2, 7, "txtEAN", "lblEAN_errorMessage", accountNumber},
    {"FEIN", 3, 0, "txtFEIN", "lblFEINError", fein},
    {"QUARTER-YEAR", 4, 0, "lstQuarter", "lblQuarterYear_errorMessage", quarterYear},
    {"EMPLOYEES MONTH 1", 5, 5, "txtFirstMonth", "lblFirstMonth_errorMessage", firstMonth},
    {"EMPLOYEES MONTH 2", 6, 5, "txtSecondMonth", "lblSecondMonth_errorMessage", secondMonth},
    {"EMPLOYEES MONTH 3", 7, 5, "txtThirdMonth", "lblThirdMonth_errorMessage", thirdMonth},
    {"GROSS WAGES", 8, 13, "txtGrossWages", "txtGrossWages_errorMessage", grossWages},
    {"EMPLOYEE WITHHOLDING", 9, 13, "txtEmployeeWithholding", "txtEmployeeWithholding_errorMessage",
     employeeWithholding},
    {"TAXABLE WAGES", 10, 13, "txtTaxableWages", "txtTaxableWages_errorMessage", taxableWages},
    {"EMPLOYER CONTRIBUTIONS", 11, 13, "txtEmployerContributions",
     "txtEmployerContributions_errorMessage", employerContributions},
};

} // namespace EmployerRules
