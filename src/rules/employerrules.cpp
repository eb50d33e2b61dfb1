#include "rules/employerrules.h"

#include "rules/calendar.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

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

} // namespace

namespace EmployerRules
{

bool isOfferedYear(QStringView year, int currentYear)
{
    const bool number = year.size() == 4 && isDigitText(year);
    const int value = number ? year.toInt() : 0;
    return number && value <= currentYear && value >= currentYear - earlierYearsOffered;
}

QString quarterYear(const EmployerEntries &entries)
{
    const QString &code = entries.quarterYear;
    // A list without a choice adds nothing to the code: a quarter alone is its digit, a year alone
    // one of the years the list offers. Anything else is a code from elsewhere, wrongly formed.
    const auto quarter = [](QChar c) { return c >= u'1' && c <= u'4'; };
    if (code.isEmpty())
        return QStringLiteral("You must select a QUARTER and YEAR for this filing.");
    if (code.size() == 4 && isOfferedYear(code, today().year()))
        return QStringLiteral("You must select a QUARTER for this filing.");
    if (code.size() == 1 && quarter(code[0]))
        return QStringLiteral("You must select a YEAR for this filing.");
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    const bool good =
        code.size() == 5 && quarter(code[0]) && std::all_of(code.begin() + 1, code.end(), digit);
    return good ? QString()
                : QStringLiteral("QUARTER-YEAR must be the quarter, 1 to 4, followed by the "
                                 "four-digit year, as 12014");
}

QString accountNumber(const EmployerEntries &entries)
{
    return checkNumberField(
        entries.accountNumber,
        {QStringLiteral("ACCOUNT NUMBER must not be blank."),
         QStringLiteral("ACCOUNT NUMBER must be numberic.  Please include leading zeros."),
         accountNumberLength,
         QStringLiteral("ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros.")});
}

QString fein(const EmployerEntries &entries)
{
    return checkNumberField(entries.fein,
                            {QStringLiteral("FEIN must not be blank."),
                             QStringLiteral("FEIN must only contain the digits 0 to 9."), 9,
                             QStringLiteral("FEIN must be 9 digits long.")});
}

QString firstMonth(const EmployerEntries &entries)
{
    return checkNumberField(
        entries.firstMonth,
        {QStringLiteral("NUMBER OF EMPLOYEES for the first month must not be blank."),
         QStringLiteral("NUMBER OF EMPLOYEES for the first month must be numeric")});
}

QString secondMonth(const EmployerEntries &entries)
{
    return checkNumberField(
        entries.secondMonth,
        {QStringLiteral("NUMBER OF EMPLOYEES  for the second month must not be blank."),
         QStringLiteral("NUMBER OF EMPLOYEES  for the second month must be numeric")});
}

QString thirdMonth(const EmployerEntries &entries)
{
    return checkNumberField(
        entries.thirdMonth,
        {QStringLiteral("NUMBER OF EMPLOYEES  for the third month must not be blank."),
         QStringLiteral("NUMBER OF EMPLOYEES  for the third month must be numeric")});
}

QString grossWages(const EmployerEntries &entries)
{
    return amountField(
        entries.grossWages,
        {QStringLiteral("GROSS WAGES must not be blank."),
         QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint},
        {{entries.taxableWages, Relation::AtLeastPartner,
          QStringLiteral("GROSS WAGES must be greater than or equal to TAXABLE WAGES")},
         {entries.employeeWithholding, Relation::AtLeastPartner,
          QStringLiteral("GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING")}});
}

QString employeeWithholding(const EmployerEntries &entries)
{
    return amountField(
        entries.employeeWithholding,
        {QStringLiteral("EMPLOYEE WITHHOLDING must not be blank."),
         QStringLiteral("EMPLOYEE WITHHOLDING must be numeric.  ") + wagesHint},
        {{entries.grossWages, Relation::AtMostPartner,
          QStringLiteral("EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES")}});
}

QString taxableWages(const EmployerEntries &entries)
{
    return amountField(
        entries.taxableWages,
        {QStringLiteral("TAXABLE WAGES must not be blank."),
         QStringLiteral("TAXABLE WAGES must be numeric. ") + wagesHint},
        {{entries.grossWages, Relation::AtMostPartner,
          QStringLiteral("TAXABLE WAGES must be less than or equal to GROSS WAGES")},
         {entries.employerContributions, Relation::AtLeastPartner,
          QStringLiteral(
              "TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.")}});
}

QString employerContributions(const EmployerEntries &entries)
{
    return amountField(
        entries.employerContributions,
        {QStringLiteral("Employer Contributions must not be blank."),
         QStringLiteral("EMPLOYER CONTRIBUTIONS must be numeric.  ") + wagesHint},
        {{entries.taxableWages, Relation::AtMostPartner,
          QStringLiteral("EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES")}});
}

} // namespace EmployerRules
