#include "rules/records.h"

#include "rules/checkstring.h"

#include <QStringList>

namespace Records
{

QString aLine(const QString &reportingTypeCode, const QString &contactName,
              const QString &contactEmail, const QString &contactPhone,
              const QString &phoneExtension)
{
    return QStringLiteral("A,") + reportingTypeCode + u',' + contactName + u',' + contactEmail +
           u',' + contactPhone + u',' + phoneExtension + QStringLiteral(", , , , , ");
}

QString eLine(const QString &accountNumber, const QString &fein, const QString &quarterYear,
              const QString &firstMonth, const QString &secondMonth, const QString &thirdMonth,
              const QString &grossWages, const QString &employeeWithholding,
              const QString &taxableWages, const QString &employerContributions)
{
    return QStringList{QStringLiteral("E"), accountNumber,        fein,
                       quarterYear,         firstMonth,           secondMonth,
                       thirdMonth,          grossWages,           employeeWithholding,
                       taxableWages,        employerContributions}
        .join(u',');
}

QString sLine(const QString &accountNumber, const QString &ssn, const QString &lastName,
              const QString &firstName, const QString &middleName, const QString &grossWages,
              const QString &taxableWages, const QString &creditWeeks)
{
    return QStringLiteral("S,") + accountNumber + QStringLiteral("  ,") + ssn + u',' +
           trimSpaces(lastName) + u',' + trimSpaces(firstName) + u',' + trimSpaces(middleName) +
           u',' + grossWages + u',' + taxableWages + u',' + creditWeeks + QStringLiteral(", , ");
}

QString makeLine(const ContactEntries &e)
{
    return aLine(e.filingType, e.name, e.email, e.phone, e.extension);
}

QString makeLine(const EmployerEntries &e)
{
    return eLine(e.accountNumber, e.fein, e.quarterYear(), e.firstMonth, e.secondMonth,
                 e.thirdMonth, e.grossWages, e.employeeWithholding, e.taxableWages,
                 e.employerContributions);
}

QString makeLine(const EmployeeEntries &e)
{
    return sLine(e.accountNumber, e.ssn, e.lastName, e.firstName, e.middleName, e.grossWages,
                 e.taxableWages, e.creditWeeks);
}

std::optional<Fields> splitLine(QStringView line)
{
    Fields fields;
    qsizetype start = 0;
    for (int k = 0; k < fieldCount - 1; ++k) {
        const qsizetype comma = line.indexOf(u',', start);
        if (comma < 0)
            return std::nullopt;
        fields[k] = line.sliced(start, comma - start);
        start = comma + 1;
    }
    fields[fieldCount - 1] = line.sliced(start);
    if (fields[fieldCount - 1].contains(u','))
        return std::nullopt;
    return fields;
}

ContactEntries contactEntries(const Fields &f)
{
    return {f[1].toString(), f[2].toString(), f[3].toString(), f[4].toString(), f[5].toString()};
}

EmployerEntries employerEntries(const Fields &f)
{
    // The quarter-year code is the quarter's digit followed by the year.
    return {f[3].left(1).toString(), f[3].mid(1).toString(), f[1].toString(), f[2].toString(),
            f[4].toString(),         f[5].toString(),        f[6].toString(), f[7].toString(),
            f[8].toString(),         f[9].toString(),        f[10].toString()};
}

EmployeeEntries employeeEntries(const Fields &f)
{
    // The account number carries two spaces in the record.
    const QStringView account = f[1].endsWith(u"  ") ? f[1].chopped(2) : f[1];
    return {account.toString(), f[2].toString(), f[3].toString(), f[4].toString(),
            f[5].toString(),    f[6].toString(), f[7].toString(), f[8].toString()};
}

} // namespace Records
