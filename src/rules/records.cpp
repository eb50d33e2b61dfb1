#include "rules/records.h"

#include "rules/checkstring.h"

#include <algorithm>

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
    int k = 0;
    const QChar *start = line.begin();
    for (const QChar *c = line.begin(); c != line.end(); ++c) {
        if (*c != u',')
            continue;
        if (k == fieldCount - 1)
            return std::nullopt;
        fields[k++] = QStringView(start, c);
        start = c + 1;
    }
    if (k != fieldCount - 1)
        return std::nullopt;
    fields[k] = QStringView(start, line.end());
    return fields;
}

namespace
{
// Copies the view into the text, in the text's own storage when it has room.
void assign(QString &text, QStringView view)
{
    if (text.size() != view.size())
        text.resize(view.size());
    std::copy(view.begin(), view.end(), text.begin());
}
} // namespace

void readEntries(const Fields &f, ContactEntries &e)
{
    assign(e.filingType, f[1]);
    assign(e.name, f[2]);
    assign(e.email, f[3]);
    assign(e.phone, f[4]);
    assign(e.extension, f[5]);
}

void readEntries(const Fields &f, EmployerEntries &e)
{
    // The quarter-year code is the quarter's digit followed by the year.
    assign(e.quarter, f[3].left(1));
    assign(e.year, f[3].mid(1));
    assign(e.accountNumber, f[1]);
    assign(e.fein, f[2]);
    assign(e.firstMonth, f[4]);
    assign(e.secondMonth, f[5]);
    assign(e.thirdMonth, f[6]);
    assign(e.grossWages, f[7]);
    assign(e.employeeWithholding, f[8]);
    assign(e.taxableWages, f[9]);
    assign(e.employerContributions, f[10]);
}

void readEntries(const Fields &f, EmployeeEntries &e)
{
    // The account number carries two spaces in the record.
    assign(e.accountNumber, f[1].endsWith(u"  ") ? f[1].chopped(2) : f[1]);
    assign(e.ssn, f[2]);
    assign(e.lastName, f[3]);
    assign(e.firstName, f[4]);
    assign(e.middleName, f[5]);
    assign(e.grossWages, f[6]);
    assign(e.taxableWages, f[7]);
    assign(e.creditWeeks, f[8]);
}

} // namespace Records
