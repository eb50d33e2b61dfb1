#include "rules/employeeimport.h"

#include "rules/amounts.h"
#include "rules/csvreader.h"
#include "rules/records.h"

#include <QHash>

namespace EmployeeImport
{

namespace
{

constexpr qsizetype fieldCount = 7;

bool holdsLetter(QStringView text)
{
    for (const QChar c : text) {
        if (c.isLetter())
            return true;
    }
    return false;
}

} // namespace

QString findingText(const Finding &finding)
{
    return QStringLiteral("line %1, %2: %3").arg(finding.line).arg(finding.field, finding.message);
}

QString ssnFromFile(QStringView text)
{
    if (text.size() != 11 || text[3] != u'-' || text[6] != u'-')
        return text.toString();
    QString digits = text.first(3).toString();
    digits += text.sliced(4, 2);
    digits += text.sliced(7);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return text.toString();
    }
    return digits;
}

QString wagesFromFile(QStringView text)
{
    const QString cents = centsFromDollars(text);
    return cents.isEmpty() ? text.toString() : cents;
}

QList<QPair<QString, QString>> employeeFaults(const EmployeeEntries &employee)
{
    QList<QPair<QString, QString>> faults;
    for (const FieldRow<EmployeeEntries> &row : EmployeeRules::fields) {
        QString message = row.rule(employee);
        if (!message.isEmpty())
            faults.append({QLatin1String(row.name), std::move(message)});
    }
    return faults;
}

Result importEmployees(QByteArrayView bytes, const QString &accountNumber,
                       const QSet<QString> &ssnsWritten)
{
    Result result;
    const QList<CsvLine> lines = readCsvLines(bytes);
    QHash<QString, qsizetype> firstLineOfSsn; // the SSNs of the file so far
    for (const CsvLine &line : lines) {
        if (&line == &lines.first() && !line.fields.isEmpty() && holdsLetter(line.fields.first()))
            continue; // the header
        const auto find = [&](const QString &field, const QString &message) {
            result.findings.append({line.number, field, message});
        };
        if (!line.fault.isEmpty()) {
            find(QStringLiteral("line"), line.fault);
            continue;
        }
        if (line.fields.size() != fieldCount) {
            find(QStringLiteral("line"),
                 QStringLiteral("%1 fields found, 7 expected: SSN, last name, first name, middle "
                                "name, gross wages, taxable wages, credit weeks.")
                     .arg(line.fields.size()));
            continue;
        }
        const QStringList &f = line.fields;
        EmployeeEntries employee{accountNumber,       ssnFromFile(f[0]),   f[1], f[2], f[3],
                                 wagesFromFile(f[4]), wagesFromFile(f[5]), f[6]};
        const QList<QPair<QString, QString>> faults = employeeFaults(employee);
        if (faults.isEmpty() || faults.first().first != QLatin1String("SSN")) {
            // A good SSN: one that stands twice is reported where it comes again.
            const QString ssn = rightTrimSpaces(employee.ssn);
            if (ssnsWritten.contains(ssn))
                find(QStringLiteral("SSN"),
                     QStringLiteral("SSN %1 has already been entered for this account.").arg(ssn));
            else if (const qsizetype first = firstLineOfSsn.value(ssn); first > 0)
                find(QStringLiteral("SSN"),
                     QStringLiteral("SSN %1 stands twice in the file, first on line %2.")
                         .arg(ssn)
                         .arg(first));
            else
                firstLineOfSsn.insert(ssn, line.number);
        }
        for (const auto &fault : faults)
            find(fault.first, fault.second);
        if (result.findings.isEmpty()) {
            result.records.append(Records::makeLine(employee));
            result.employees.append(std::move(employee));
        }
    }
    if (!result.findings.isEmpty()) {
        result.employees.clear();
        result.records.clear();
    }
    return result;
}

} // namespace EmployeeImport
