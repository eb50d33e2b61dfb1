// Writes a valid report file for the checker's benchmark: the A record, then ACCOUNTS accounts of
// EMPLOYEES employees each, made with the screens' own record builders. The SSNs are all different,
// scattered rather than in order, and all of a kind that can have been issued; each E record's
// totals are the sums of its S records.
//
// Usage: make-report FILE [ACCOUNTS [EMPLOYEES]]

#include "rules/records.h"

#include <QList>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("Usage: make-report FILE [ACCOUNTS [EMPLOYEES]]\n", stderr);
        return 2;
    }
    const long accounts = argc > 2 ? std::atol(argv[2]) : 100;
    const long employees = argc > 3 ? std::atol(argv[3]) : 10000;
    FILE *out = std::fopen(argv[1], "wb");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    const auto put = [out](const QString &record) {
        const QByteArray bytes = record.toLatin1() + "\r\n";
        std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), out);
    };
    put(Records::makeLine(ContactEntries{QStringLiteral("O"), QStringLiteral("Pat Payroll"),
                                         QStringLiteral("pat@example.com"),
                                         QStringLiteral("8005551234"), QString()}));

    const QString lastNames[] = {QStringLiteral("O'NEIL"), QStringLiteral("SMITH-JONES"),
                                 QStringLiteral("GARCIA"), QStringLiteral("NGUYEN"),
                                 QStringLiteral("KOWALSKI")};
    const QString firstNames[] = {QStringLiteral("MARY"), QStringLiteral("JOHN"),
                                  QStringLiteral("ANA"), QStringLiteral("LI")};
    quint64 serial = 0;
    for (long a = 0; a < accounts; ++a) {
        const QString account = QStringLiteral("%1").arg(1000000 + a * 37, 7, 10, QChar(u'0'));
        QList<QString> lines;
        quint64 grossSum = 0, taxableSum = 0;
        for (long e = 0; e < employees; ++e, ++serial) {
            // A step prime to 10^8 visits each value below it once, out of order; spread over areas
            // 100 to 599, groups 01 to 99 and serials from 0001, every SSN can have been issued.
            const quint64 scattered = (serial * 48271 + 12345) % 100000000;
            const quint64 rest = scattered / 500;
            const quint64 ssn =
                (100 + scattered % 500) * 1000000 + (1 + rest % 99) * 10000 + 1 + rest / 99;
            const quint64 gross = 100000 + serial * 7919 % 9000000;
            const quint64 taxable = gross / 2;
            grossSum += gross;
            taxableSum += taxable;
            // Each field by its name, so a field added to the record is empty here, not shifted.
            EmployeeEntries employee;
            employee.accountNumber = account;
            employee.ssn = QString::number(ssn);
            employee.lastName = lastNames[serial % 5];
            employee.firstName = firstNames[serial % 4];
            employee.middleName = serial % 3 ? QString() : QStringLiteral("Q");
            employee.grossWages = QString::number(gross);
            employee.taxableWages = QString::number(taxable);
            employee.creditWeeks = QString::number(serial % 15);
            lines.append(Records::makeLine(employee));
        }
        EmployerEntries employer;
        employer.quarterYear = QStringLiteral("12024");
        employer.accountNumber = account;
        employer.fein = QStringLiteral("123456789");
        employer.firstMonth = employer.secondMonth = employer.thirdMonth =
            QString::number(employees);
        employer.grossWages = QString::number(grossSum);
        employer.employeeWithholding = QString::number(grossSum / 100);
        employer.taxableWages = QString::number(taxableSum);
        employer.employerContributions = QString::number(taxableSum / 50);
        put(Records::makeLine(employer));
        for (const QString &line : lines)
            put(line);
    }
    return std::fclose(out) == 0 ? 0 : 1;
}
