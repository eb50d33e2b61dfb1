#pragma once

#include "rules/employeerules.h"
#include "rules/filing.h"

#include <QString>
#include <QStringView>

// The rules that span records, each written once: every way into the working file (the screens,
// the import, Review Filing, Resume, Start from Previous Report) and tavo-check take them from
// here, so one fact gets one verdict in the same words everywhere.
namespace FilingRules
{

// An SSN stands once in an account unless the user says otherwise: the screens ask with these
// words, the import refuses with them and tavo-check warns with them. `earlierName` is the
// employee who holds it, "LAST FIRST"; `line`, when not 0, the earlier one's line in a file.
QString nameOf(const EmployeeEntries &employee);
QString ssnAlreadyEntered(QStringView ssn, QStringView earlierName, qint64 line = 0);
QString addSsnAgainQuestion(QStringView ssn, QStringView earlierName);

// An account stands once in a filing unless the user says otherwise.
QString accountAlreadyInFiling(QStringView accountNumber);
QString fileAccountAgainQuestion(QStringView accountNumber);
QString accountAppearsAgain(QStringView accountNumber, qint64 firstLine);

// The quarter-year's year against the years the employer screen offers on the date: the message
// when it is not one of them, or an empty text (also for a code whose format is wrong, which its
// field rule reports).
QString yearNotOffered(QStringView quarterYear, int currentYear);

// A sheet of employees meant for another account: when at least half of their SSNs stand under
// one other account of the previous report and none under `accountNumber`, that account's
// number; otherwise an empty text. And the question the import asks then.
QString otherAccountOfEmployees(const Filing &previous, QStringView accountNumber,
                                const QList<EmployeeEntries> &employees);
QString importIntoAccountQuestion(QStringView listedUnder, QStringView accountNumber);

} // namespace FilingRules
