#pragma once

#include <QString>

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

} // namespace Records
