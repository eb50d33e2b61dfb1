#include "rules/filingrules.h"

#include "rules/spaces.h"

#include <QHash>

namespace FilingRules
{

QString nameOf(const EmployeeEntries &employee)
{
    return trimSpaces(employee.lastName) + u' ' + trimSpaces(employee.firstName);
}

QString ssnAlreadyEntered(QStringView ssn, QStringView earlierName, qint64 line)
{
    const QString where = line > 0 ? QStringLiteral(", line %1").arg(line) : QString();
    return QStringLiteral("The SSN %1 is already entered for this account (%2%3).")
        .arg(rightTrimSpaces(ssn), earlierName, where);
}

QString addSsnAgainQuestion(QStringView ssn, QStringView earlierName)
{
    return ssnAlreadyEntered(ssn, earlierName) + QStringLiteral(" Add it a second time?");
}

QString accountAlreadyInFiling(QStringView accountNumber)
{
    return QStringLiteral("Account %1 is already in this filing.").arg(trimSpaces(accountNumber));
}

QString fileAccountAgainQuestion(QStringView accountNumber)
{
    return accountAlreadyInFiling(accountNumber) + QStringLiteral(" File it a second time?");
}

QString accountAppearsAgain(QStringView accountNumber, qint64 firstLine)
{
    return QStringLiteral("account %1 appears again (first at line %2)")
        .arg(trimSpaces(accountNumber))
        .arg(firstLine);
}

QString yearNotOffered(QStringView quarterYear, int currentYear)
{
    if (!EmployerRules::quarterYear(EmployerEntries{quarterYear.toString()}).isEmpty())
        return QString();
    if (EmployerRules::isOfferedYear(quarterYear.sliced(1), currentYear))
        return QString();
    return QStringLiteral("QUARTER-YEAR %1: the year must be one the employer screen offers, %2 "
                          "to %3")
        .arg(quarterYear)
        .arg(currentYear - EmployerRules::earlierYearsOffered)
        .arg(currentYear);
}

QString otherAccountOfEmployees(const Filing &previous, QStringView accountNumber,
                                const QList<EmployeeEntries> &employees)
{
    QHash<QString, QString> accountOf; // SSN -> account, in the previous report
    for (const FiledAccount &account : previous.accounts)
        for (const EmployeeEntries &employee : account.employees)
            accountOf.insert(rightTrimSpaces(employee.ssn),
                             trimSpaces(account.employer.accountNumber));
    const QString here = trimSpaces(accountNumber.toString());
    QHash<QString, qsizetype> count;
    for (const EmployeeEntries &employee : employees) {
        const QString account = accountOf.value(rightTrimSpaces(employee.ssn));
        if (account == here)
            return QString(); // one of them belongs here: the sheet is this account's
        if (!account.isEmpty())
            ++count[account];
    }
    for (auto it = count.cbegin(); it != count.cend(); ++it)
        if (2 * it.value() >= employees.size())
            return it.key();
    return QString();
}

QString importIntoAccountQuestion(QStringView listedUnder, QStringView accountNumber)
{
    return QStringLiteral("These employees are listed under account %1 in the previous report, "
                          "not under %2. Import them into %2?")
        .arg(listedUnder, trimSpaces(accountNumber));
}

} // namespace FilingRules
