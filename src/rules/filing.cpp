#include "rules/filing.h"

#include "rules/records.h"

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

std::optional<Filing> readFiling(QByteArrayView bytes)
{
    Filing filing;
    const QString text = QString::fromLatin1(bytes);
    qsizetype start = 0;
    for (int line = 0; start < text.size(); ++line) {
        qsizetype end = text.indexOf(u'\n', start);
        end = end < 0 ? text.size() : end;
        QStringView record = QStringView(text).sliced(start, end - start);
        start = end + 1;
        if (record.endsWith(u'\r'))
            record.chop(1);
        const std::optional<Records::Fields> f = Records::splitLine(record);
        const QStringView type = f ? (*f)[0] : QStringView();
        if (type == u"A" && line == 0)
            Records::readEntries(*f, filing.contact);
        else if (type == u"E" && line > 0)
            filing.accounts.append({Records::readEntries<EmployerEntries>(*f), {}});
        else if (type == u"S" && !filing.accounts.isEmpty())
            filing.accounts.last().employees.append(Records::readEntries<EmployeeEntries>(*f));
        else
            return std::nullopt;
    }
    if (bytes.isEmpty())
        return std::nullopt;
    return filing;
}
