#pragma once

#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/runningtotals.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QSet>

#include <optional>

// A working file's records as entries: the A record, then each account's E record and its S
// records, in the file's order. What the records hold is not checked here: the rules of the
// screens and tavo-check do that.
struct FiledAccount {
    EmployerEntries employer;
    QList<EmployeeEntries> employees;
};
struct Filing {
    ContactEntries contact;
    QList<FiledAccount> accounts;

    // The records, each a line ended by CR LF.
    QByteArray toBytes() const;
    // The number of S records of all accounts.
    qsizetype employeeCount() const;
    // The account of that number, or null; without the padding spaces either may carry.
    const FiledAccount *account(QStringView number) const;
};

// The account's running totals, as the employee screen keeps them while its records are typed.
RunningTotals totalsOf(const FiledAccount &account);

// The employees of the account whose SSN is not among `entered` (nine digits each) nor among
// `takenOff`, in order.
QList<EmployeeEntries> stillToEnter(const FiledAccount &account,
                                    const QHash<QString, QString> &entered,
                                    const QSet<QString> &takenOff = {});
