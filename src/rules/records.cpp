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

} // namespace Records
