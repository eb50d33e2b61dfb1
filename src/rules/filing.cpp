#include "rules/filing.h"

#include "rules/records.h"
#include "rules/spaces.h"

namespace
{
// Where the field of the rule stands in an S record, counted from 0 (the record type).
qsizetype positionOf(QString (*rule)(const EmployeeEntries &))
{
    return 1 + (&fieldWithRule(EmployeeRules::fields, rule) - EmployeeRules::fields);
}
} // namespace

EmployeeRecords::EmployeeRecords(const QList<EmployeeEntries> &employees)
{
    m_lines.reserve(employees.size());
    for (const EmployeeEntries &employee : employees)
        append(employee);
}

EmployeeEntries EmployeeRecords::at(qsizetype i) const
{
    const QString text = QString::fromLatin1(m_lines.at(i));
    return Records::readEntries<EmployeeEntries>(*Records::splitLine(text));
}

QString EmployeeRecords::ssn(qsizetype i) const
{
    // Read from the line's bytes alone, without making the whole line text: Fill Next and the
    // count of those still to enter ask for every employee's SSN at each press.
    static const qsizetype field = positionOf(EmployeeRules::ssn);
    const QByteArray &line = m_lines.at(i);
    qsizetype start = 0;
    for (qsizetype k = 0; k < field && start >= 0; ++k)
        start = line.indexOf(',', start) + 1;
    const qsizetype end = line.indexOf(',', start);
    return trimSpaces(QString::fromLatin1(line.mid(start, end < 0 ? -1 : end - start)));
}

void EmployeeRecords::append(const EmployeeEntries &employee)
{
    m_lines.append(Records::makeLine(employee).toLatin1());
}

void EmployeeRecords::replace(qsizetype i, const EmployeeEntries &employee)
{
    m_lines.replace(i, Records::makeLine(employee).toLatin1());
}

QByteArray Filing::toBytes() const
{
    QByteArray bytes = Records::makeLine(contact).toLatin1() + "\r\n";
    for (const FiledAccount &account : accounts) {
        bytes += Records::makeLine(account.employer).toLatin1() + "\r\n";
        for (qsizetype i = 0; i < account.employees.size(); ++i)
            bytes += account.employees.line(i) + "\r\n";
    }
    return bytes;
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
    // The fields the totals need, straight from each line.
    const qsizetype ssn = positionOf(EmployeeRules::ssn),
                    lastName = positionOf(EmployeeRules::lastName),
                    firstName = positionOf(EmployeeRules::firstName),
                    gross = positionOf(EmployeeRules::grossWages),
                    taxable = positionOf(EmployeeRules::taxableWages);
    totals.reserve(account.employees.size());
    QString text;
    for (qsizetype i = 0; i < account.employees.size(); ++i) {
        text = QLatin1String(account.employees.line(i));
        const Records::Fields f = *Records::splitLine(text);
        totals.addEmployee(f[ssn], f[lastName], f[firstName], f[gross], f[taxable]);
    }
    return totals;
}

QList<qsizetype> stillToEnterRows(const FiledAccount &account, const SsnIndex &entered,
                                  const QSet<QString> &takenOff)
{
    QList<qsizetype> left;
    for (qsizetype i = 0; i < account.employees.size(); ++i) {
        const QString ssn = account.employees.ssn(i);
        if (!entered.contains(ssn) && !takenOff.contains(ssn))
            left.append(i);
    }
    return left;
}

QList<EmployeeEntries> stillToEnter(const FiledAccount &account, const SsnIndex &entered,
                                    const QSet<QString> &takenOff)
{
    QList<EmployeeEntries> left;
    for (const qsizetype i : stillToEnterRows(account, entered, takenOff))
        left.append(account.employees.at(i));
    return left;
}
