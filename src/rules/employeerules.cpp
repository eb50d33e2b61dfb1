#include "rules/employeerules.h"

#include "rules/checkstring.h"
#include "rules/namerules.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

namespace
{

const QString taxableAboveGross =
    QStringLiteral("GROSS WAGES must be greater than or equal to TAXABLE WAGES");

// Each wage rule makes the comparison once its own wage is a number, and only when the partner is
// a usable number too (blank text never is); otherwise the partner's own rule reports it.
bool taxableExceedsGross(QStringView taxable, QStringView gross)
{
    return compareWholeNumbers(taxable, gross) > 0;
}

} // namespace

namespace EmployeeRules
{

QString ssn(const EmployeeEntries &entries)
{
    return checkNumberField(entries.ssn,
                            {QStringLiteral("Employee SSN  must not be blank."),
                             QStringLiteral("Employee SSN  must only contain the digits 0 to 9."),
                             9, QStringLiteral("Employee SSN  must be 9 digits long.")});
}

QString unusableSsn(quint64 ssn)
{
    const quint64 area = ssn / 1000000, group = ssn / 10000 % 100, serial = ssn % 10000;
    if (ssn == 78051120 || ssn == 219099999)
        return QStringLiteral("is a widely misused number that belongs to no employee");
    if (area == 0 || area == 666 || area >= 900)
        return QStringLiteral("cannot have been issued: no SSN begins with %1")
            .arg(area, 3, 10, QLatin1Char('0'));
    if (group == 0)
        return QStringLiteral("cannot have been issued: its group number (digits 4 and 5) is 00");
    if (serial == 0)
        return QStringLiteral("cannot have been issued: its serial number (digits 6 to 9) is 0000");
    return QString();
}

QString lastName(const EmployeeEntries &entries)
{
    const QStringView trimmed = trimSpaces(QStringView(entries.lastName));
    if (trimmed.isEmpty())
        return QStringLiteral("Employee Last Name in S line must not be blank. ");
    if (trimmed.size() > lastNameLength)
        return QStringLiteral("EMPLOYEE LAST NAME too long must only be 25 characters.");
    if (!checkString(trimmed, nameSet, true))
        return QStringLiteral("EMPLOYEE LAST NAME  must only contain alphanumerics, apostrophe and "
                              "hyphens. No spaces allowed.");
    // All three name tests run; the last one that fails has its message shown.
    QString message;
    if (!checkForGoodApostropheInEmployeeLastName(trimmed))
        message = QStringLiteral("EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  "
                                 "Must be like O'Connell.");
    if (!checkForOneOrLessHyphensInEmployeeLastNameField(trimmed))
        message =
            QStringLiteral("EMPLOYEE LAST NAME - ONLY TWO hyphens allowed in last name field. "
                           "IE: LASTNAME - COMPOUNDNAME - SUFFIX.");
    if (!checkForTwoHyphensInARow(trimmed))
        message = QStringLiteral(
            "EMPLOYEE LAST NAME not formatted correctly. Two hyphens in a row not allowed.");
    return message;
}

QString firstName(const EmployeeEntries &entries)
{
    const QStringView trimmed = trimSpaces(QStringView(entries.firstName));
    if (trimmed.isEmpty())
        return QStringLiteral("EMPLOYEE FIRST NAME in S line must not be blank. ");
    if (trimmed.size() > givenNameLength)
        return QStringLiteral("EMPLOYEE FIRST NAME  too long must only be 15 characters long.");
    // The character test and the hyphen test both run; the hyphen message wins when both fail.
    QString message;
    if (!checkString(trimmed, nameSet, true))
        message = QStringLiteral("EMPLOYEE FIRST NAME must only contain alphanumerics, apostrophe "
                                 "and hyphens. No spaces allowed.");
    if (!checkForTwoHyphensInARow(trimmed))
        message = QStringLiteral(
            "EMPLOYEE FIRST NAME not formatted correctly. Two hyphens in a row not allowed.");
    return message;
}

QString middleName(const EmployeeEntries &entries)
{
    const QStringView text = entries.middleName;
    if (text.isEmpty())
        return QString(); // nothing typed at all: the middle name is optional
    const QStringView trimmed = trimSpaces(text);
    if (trimmed.size() > givenNameLength)
        return QStringLiteral("EMPLOYEE MIDDLE NAME too long must only be 15 characters long.");
    // A middle name of spaces only fails here: blank text is never in a character set.
    QString message;
    if (!checkString(trimmed, nameSet, true))
        message =
            QStringLiteral("EMPLOYEE MIDDLE NAME  must only contain alphanumerics, apostrophe "
                           " and hyphens. No spaces allowed.");
    if (!checkForTwoHyphensInARow(trimmed))
        message = QStringLiteral(
            "EMPLOYEE MIDDLE NAME not formatted correctly. Two hyphens in a row not allowed.");
    return message;
}

QString grossWages(const EmployeeEntries &entries)
{
    const QStringView gross = entries.grossWages, taxable = entries.taxableWages;
    if (isBlank(gross))
        return QStringLiteral("GROSS WAGES must not be blank.");
    if (!isDigitText(gross))
        return QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint;
    if (isDigitText(taxable) && taxableExceedsGross(taxable, gross))
        return taxableAboveGross;
    return QString();
}

QString taxableWages(const EmployeeEntries &entries)
{
    const QStringView gross = entries.grossWages, taxable = entries.taxableWages;
    if (isBlank(taxable))
        return QStringLiteral("TAXABLE WAGES must not be blank.");
    if (!isDigitText(taxable))
        return QStringLiteral("TAXABLE WAGES must be numeric.  ") + wagesHint;
    if (isDigitText(gross) && taxableExceedsGross(taxable, gross))
        return taxableAboveGross;
    return QString();
}

QString creditWeeks(const EmployeeEntries &entries)
{
    const QStringView text = entries.creditWeeks;
    const QString outOfRange =
        QStringLiteral("EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.");
    if (isBlank(text))
        return QStringLiteral("EMPLOYEE CREDIT WEEKS must be not be blank. Employee Credit Weeks "
                              "must be numeric between 0 and 14 inclusive.");
    if (!isDigitText(text))
        return outOfRange;
    if (compareWholeNumbers(text, u"15") >= 0)
        return outOfRange;
    return QString();
}

EmployeeEntries carriedOver(const EmployeeEntries &last)
{
    EmployeeEntries entries;
    for (const FieldRow<EmployeeEntries> &row : fields)
        if (row.carried)
            entries.*row.entry = last.*row.entry;
    return entries;
}

} // namespace EmployeeRules
