#include "rules/employerrules.h"

#include "rules/checkstring.h"

#include <algorithm>
#include <initializer_list>

namespace
{

enum class Relation { AtLeastPartner, AtMostPartner };

struct Comparison {
    QStringView partner;
    Relation relation;
    QString message;
};

// An amount's comparisons run in order, each even when an earlier one failed, so the last failing
// message stands. A partner that is blank or not digits is left to its own rule.
QString amountField(QStringView text, const NumberFieldMessages &messages,
                    std::initializer_list<Comparison> comparisons)
{
    QString message = checkNumberField(text, messages);
    if (!message.isEmpty())
        return message;
    for (const Comparison &comparison : comparisons) {
        if (isBlank(comparison.partner) || !isDigitText(comparison.partner))
            continue;
        const int order = compareWholeNumbers(text, comparison.partner);
        const bool holds =
            comparison.relation == Relation::AtLeastPartner ? order >= 0 : order <= 0;
        if (!holds)
            message = comparison.message;
    }
    return message;
}

const QString wagesHint = QStringLiteral(
    "Enter wages, excluding the decimal point, ie $1234.56 wages should be entered as "
    "123456.");

} // namespace

namespace EmployerRules
{

QString quarterYear(bool quarterSelected, bool yearSelected)
{
    if (!quarterSelected && !yearSelected)
        return QStringLiteral("You must select a QUARTER and YEAR for this filing.");
    if (!quarterSelected)
        return QStringLiteral("You must select a QUARTER for this filing.");
    if (!yearSelected)
        return QStringLiteral("You must select a YEAR for this filing.");
    return QString();
}

QString accountNumber(QStringView text)
{
    return checkNumberField(
        text,
        {QStringLiteral("ACCOUNT NUMBER must not be blank."),
         QStringLiteral("ACCOUNT NUMBER must be numberic.  Please include leading zeros."), 7,
         QStringLiteral("ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros.")});
}

QString fein(QStringView text)
{
    return checkNumberField(text, {QStringLiteral("FEIN must not be blank."),
                                   QStringLiteral("FEIN must only contain the digits 0 to 9."), 9,
                                   QStringLiteral("FEIN must be 9 digits long.")});
}

QString firstMonth(QStringView text)
{
    return checkNumberField(
        text, {QStringLiteral("NUMBER OF EMPLOYEES for the first month must not be blank."),
               QStringLiteral("NUMBER OF EMPLOYEES for the first month must be numeric")});
}

QString secondMonth(QStringView text)
{
    return checkNumberField(
        text, {QStringLiteral("NUMBER OF EMPLOYEES  for the second month must not be blank."),
               QStringLiteral("NUMBER OF EMPLOYEES  for the second month must be numeric")});
}

QString thirdMonth(QStringView text)
{
    return checkNumberField(
        text, {QStringLiteral("NUMBER OF EMPLOYEES  for the third month must not be blank."),
               QStringLiteral("NUMBER OF EMPLOYEES  for the third month must be numeric")});
}

QString grossWages(QStringView gross, QStringView taxable, QStringView withholding)
{
    return amountField(
        gross,
        {QStringLiteral("GROSS WAGES must not be blank."),
         QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint},
        {{taxable, Relation::AtLeastPartner,
          QStringLiteral("GROSS WAGES must be greater than or equal to TAXABLE WAGES")},
         {withholding, Relation::AtLeastPartner,
          QStringLiteral("GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING")}});
}

QString employeeWithholding(QStringView withholding, QStringView gross)
{
    return amountField(
        withholding,
        {QStringLiteral("EMPLOYEE WITHHOLDING must not be blank."),
         QStringLiteral("EMPLOYEE WITHHOLDING must be numeric.  ") + wagesHint},
        {{gross, Relation::AtMostPartner,
          QStringLiteral("EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES")}});
}

QString taxableWages(QStringView taxable, QStringView gross, QStringView contributions)
{
    return amountField(
        taxable,
        {QStringLiteral("TAXABLE WAGES must not be blank."),
         QStringLiteral("TAXABLE WAGES must be numeric. ") + wagesHint},
        {{gross, Relation::AtMostPartner,
          QStringLiteral("TAXABLE WAGES must be less than or equal to GROSS WAGES")},
         {contributions, Relation::AtLeastPartner,
          QStringLiteral(
              "TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.")}});
}

QString employerContributions(QStringView contributions, QStringView taxable)
{
    return amountField(
        contributions,
        {QStringLiteral("Employer Contributions must not be blank."),
         QStringLiteral("EMPLOYER CONTRIBUTIONS must be numeric.  ") + wagesHint},
        {{taxable, Relation::AtMostPartner,
          QStringLiteral("EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES")}});
}

QString quarterYearCode(QStringView code)
{
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool good = code.size() == 5 && code[0] >= u'1' && code[0] <= u'4' &&
                      std::all_of(code.begin() + 1, code.end(), digit);
    return good ? QString()
                : QStringLiteral("QUARTER-YEAR must be the quarter, 1 to 4, followed by the "
                                 "four-digit year, as 12014");
}

QString quarterYear(const EmployerEntries &entries)
{
    const QString choice = quarterYear(!entries.quarter.isEmpty(), !entries.year.isEmpty());
    return choice.isEmpty() ? quarterYearCode(entries.quarterYear()) : choice;
}

QString accountNumber(const EmployerEntries &entries)
{
    return accountNumber(QStringView(entries.accountNumber));
}

QString fein(const EmployerEntries &entries)
{
    return fein(QStringView(entries.fein));
}

QString firstMonth(const EmployerEntries &entries)
{
    return firstMonth(QStringView(entries.firstMonth));
}

QString secondMonth(const EmployerEntries &entries)
{
    return secondMonth(QStringView(entries.secondMonth));
}

QString thirdMonth(const EmployerEntries &entries)
{
    return thirdMonth(QStringView(entries.thirdMonth));
}

QString grossWages(const EmployerEntries &entries)
{
    return grossWages(entries.grossWages, entries.taxableWages, entries.employeeWithholding);
}

QString employeeWithholding(const EmployerEntries &entries)
{
    return employeeWithholding(entries.employeeWithholding, entries.grossWages);
}

QString taxableWages(const EmployerEntries &entries)
{
    return taxableWages(entries.taxableWages, entries.grossWages, entries.employerContributions);
}

QString employerContributions(const EmployerEntries &entries)
{
    return employerContributions(entries.employerContributions, entries.taxableWages);
}

} // namespace EmployerRules
