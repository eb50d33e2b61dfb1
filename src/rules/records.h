#pragma once

#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The three record layouts of the working file, eleven comma-separated fields each. The builders
// put the values in as given and check nothing; the screens' rules have passed them before.
namespace Records
{

// A, the filing type code, the contact's name, e-mail address, phone number and extension, and
// five reserved single spaces.
QString aLine(const QString &reportingTypeCode, const QString &contactName,
              const QString &contactEmail, const QString &contactPhone,
              const QString &phoneExtension);

// E followed by the ten employer values in record order.
QString eLine(const QString &accountNumber, const QString &fein, const QString &quarterYear,
              const QString &firstMonth, const QString &secondMonth, const QString &thirdMonth,
              const QString &grossWages, const QString &employeeWithholding,
              const QString &taxableWages, const QString &employerContributions);

// S, the account number padded with two spaces, the SSN, the three names trimmed, the two wages,
// the credit weeks and two reserved single spaces.
QString sLine(const QString &accountNumber, const QString &ssn, const QString &lastName,
              const QString &firstName, const QString &middleName, const QString &grossWages,
              const QString &taxableWages, const QString &creditWeeks);

// The same three records made from the screens' entries.
QString makeLine(const ContactEntries &entries);
QString makeLine(const EmployerEntries &entries);
QString makeLine(const EmployeeEntries &entries);

// And back: a record line cut at its commas, as views of the line, and the fields made entries
// again. A line that has not the eleven fields of a record gives nothing. The entries of a line
// that makeLine made are the entries it was made from, but for the S record's names, trimmed.
// readEntries fills entries of the caller's, using their storage again, for a reader of many
// lines.
inline constexpr int fieldCount = 11;
using Fields = std::array<QStringView, fieldCount>;
std::optional<Fields> splitLine(QStringView line);
void readEntries(const Fields &fields, ContactEntries &entries);
void readEntries(const Fields &fields, EmployerEntries &entries);
void readEntries(const Fields &fields, EmployeeEntries &entries);
template <typename Entries> Entries readEntries(const Fields &fields)
{
    Entries entries;
    readEntries(fields, entries);
    return entries;
}

} // namespace Records
