#include "rules/filing.h"

#include "rules/records.h"
#include "rules/spaces.h"

QByteArray Filing::toBytes() const
{
    QString text = Records::makeLine(contact) + QStringLiteral("\r\n");
    for (const FiledAccount &account : accounts) {
        text += Records::makeLine(account.employer) + QStringLiteral("\r\n");
        for (const EmployeeEntries &employee : account.employees)
            text += Records::makeLine(employee) + QStringLiteral("\r\n");
    }
    return text.toLatin1();
}

qsizetype Filing::employeeCount() const
{
    qsizetype count = 0;
    for (const FiledAccount &account : accounts)
        count += account.employees.size();
    return count;
}

const FiledAccount *Filing::account(QStringView number) const
{
    for (const FiledAccount &account : accounts)
        if (trimSpaces(account.employer.accountNumber) == trimSpaces(number))
            return &account;
    return nullptr;
}

RunningTotals totalsOf(const FiledAccount &account)
{
    RunningTotals totals;
    const EmployerEntries &employer = account.employer;
    totals.startAccount(employer.thirdMonth, employer.grossWages, employer.taxableWages);
    for (const EmployeeEntries &employee : account.employees)
        totals.addEmployee(employee);
    return totals;
}

QList<EmployeeEntries> stillToEnter(const FiledAccount &account,
                                    const QHash<QString, QString> &entered,
                                    const QSet<QString> &takenOff)
{
    QList<EmployeeEntries> left;
    for (const EmployeeEntries &employee : account.employees) {
        const QString ssn = trimSpaces(employee.ssn);
        if (!entered.contains(ssn) && !takenOff.contains(ssn))
            left.append(employee);
    }
    return left;
}
