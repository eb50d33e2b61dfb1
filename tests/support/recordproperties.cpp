#include "recordproperties.h"

#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

namespace RecordProperties
{
namespace
{

bool printable(const QString &text)
{
    for (const QChar c : text) {
        if (c < u' ' || c > u'~')
            return false;
    }
    return true;
}

// An entry its rule let through stands in a record as it is.
QString entryFault(const QString &entry, const QString &message)
{
    if (!message.isEmpty() || (printable(entry) && !entry.contains(u',') && !entry.contains(u'"')))
        return QString();
    return QStringLiteral("accepted entry \"%1\" cannot stand in a record").arg(describe({entry}));
}

QString recordFault(const QString &record, QChar kind)
{
    if (!printable(record) || record.contains(u'"'))
        return QStringLiteral("record not printable ASCII or with a quote: ") + describe({record});
    const QStringList fields = record.split(u',');
    if (fields.size() != 11 || fields[0] != kind)
        return QStringLiteral("not eleven fields of a %1 record: %2").arg(kind).arg(record);
    return QString();
}

QString choice(const QString &entry, const QStringList &items)
{
    return entry.isEmpty() ? QString() : items[entry.at(0).unicode() % items.size()];
}

} // namespace

Verdict check(Screen screen, QStringList e)
{
    while (e.size() < 11)
        e.append(QString());
    QStringList messages;
    QString record;
    QChar kind;
    int firstTyped = 0; // the entries before it are list choices, not typed text
    if (screen == Screen::Contact) {
        const QString code = e[0].startsWith(u'A') ? QStringLiteral("A") : QStringLiteral("O");
        messages = {QString(), ContactRules::contactName(e[1]), ContactRules::contactEmail(e[2]),
                    ContactRules::contactPhone(e[3]), ContactRules::phoneExtension(e[4])};
        record = Records::aLine(code, e[1], e[2], e[3], e[4]);
        kind = u'A';
        firstTyped = 1;
    } else if (screen == Screen::Employer) {
        const QString quarter = choice(e[0], {"1", "2", "3", "4"});
        const QString year = choice(e[1], {"2026", "2025", "2024", "2019"});
        messages = {EmployerRules::quarterYear(!quarter.isEmpty(), !year.isEmpty()).message,
                    QString(),
                    EmployerRules::accountNumber(e[2]),
                    EmployerRules::fein(e[3]),
                    EmployerRules::firstMonth(e[4]),
                    EmployerRules::secondMonth(e[5]),
                    EmployerRules::thirdMonth(e[6]),
                    EmployerRules::grossWages(e[7], e[9], e[8]),
                    EmployerRules::employeeWithholding(e[8], e[7]),
                    EmployerRules::taxableWages(e[9], e[7], e[10]),
                    EmployerRules::employerContributions(e[10], e[9])};
        record =
            Records::eLine(e[2], e[3], quarter + year, e[4], e[5], e[6], e[7], e[8], e[9], e[10]);
        kind = u'E';
        firstTyped = 2;
    } else if (screen == Screen::Employee) {
        messages = {EmployeeRules::ssn(e[0]),
                    EmployeeRules::lastName(e[1]),
                    EmployeeRules::firstName(e[2]),
                    EmployeeRules::middleName(e[3]),
                    EmployeeRules::grossWages(e[4], e[5]),
                    EmployeeRules::taxableWages(e[5], e[4]),
                    EmployeeRules::creditWeeks(e[6])};
        record = Records::sLine("0123456", e[0], e[1], e[2], e[3], e[4], e[5], e[6]);
        kind = u'S';
    } else {
        const QString filer = choice(e[0], {"Employer", "TPA"});
        const QString method = choice(e[1], {"FILE UPLOAD", "FTP"});
        messages = {NamingRules::employerOrTPA(filer), NamingRules::ftpOrUpload(method), QString(),
                    filer == "TPA" ? NamingRules::tpaid(e[3]) : NamingRules::accountNumber(e[3]),
                    NamingRules::sequenceNumber(e[4])};
        record =
            composeReportFileName(method, e[2].startsWith(u'A') ? "A" : "O", e[3], e[4].toUpper());
        firstTyped = 3;
    }

    Verdict verdict;
    verdict.accepted = true;
    for (qsizetype i = 0; i < messages.size(); ++i) {
        verdict.accepted &= messages[i].isEmpty();
        if (verdict.fault.isEmpty() && i >= firstTyped)
            verdict.fault = entryFault(e[i], messages[i]);
    }
    if (!verdict.accepted || !verdict.fault.isEmpty())
        return verdict;
    if (kind.isNull()) {
        if (!printable(record) || record.contains(u'/') || record.contains(u'\\'))
            verdict.fault =
                QStringLiteral("report name not a plain file name: ") + describe({record});
        return verdict;
    }
    verdict.fault = recordFault(record, kind);
    if (verdict.fault.isEmpty() && kind == u'S') {
        const QStringList fields = record.split(u',');
        if (fields[1] != QLatin1String("0123456  "))
            verdict.fault = QStringLiteral("S account not padded with two spaces: ") + record;
        for (int i = 3; i <= 5; ++i) {
            if (fields[i] != fields[i].trimmed())
                verdict.fault = QStringLiteral("S name not trimmed: ") + record;
        }
    }
    return verdict;
}

QString describe(const QStringList &entries)
{
    QString out;
    for (const QString &entry : entries) {
        out += out.isEmpty() ? QStringLiteral("[") : QStringLiteral(" | ");
        for (const QChar c : entry)
            out += (c >= u' ' && c <= u'~')
                       ? QString(c)
                       : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out + u']';
}

} // namespace RecordProperties
