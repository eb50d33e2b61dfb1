#pragma once

#include "rules/employerrules.h"
#include "rules/filing.h"
#include "rules/runningtotals.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// What the screens of one filing share: the filing type, the account at hand and its totals, the
// accounts filed so far and last quarter's report. Plain values; the screens show them, the flow
// changes them as records are written.
struct FilingState {
    QString sOutFileName =
        QStringLiteral("testFile.TXT"); // the working file, in the current folder
    QString reportingTypeCode;          // "O" or "A"; empty until a filing type is chosen
    QString tempLine;                   // the A record, between building and writing it
    // True while the employer screen is brought back for another account; the employer screen's
    // Continue sets it false.
    bool addAnotherAccount = false;
    qint32 numberOFEmployee = 0; // S records written for the current account
    bool badName = false;        // the last naming attempt failed or was declined

    // The account whose E record was written last: its S records carry its number, the employee
    // screen shows it, and its employees are added up against its figures.
    EmployerEntries currentAccount;
    RunningTotals accountTotals;
    // The accounts whose E record this filing holds, without padding.
    QStringList filedAccounts;

    // Last quarter's report a new quarter starts from, remembered until the program ends.
    struct PreviousReport {
        QString name;
        Filing filing;
        // Per account number, the SSNs of its employees taken off this quarter's list (they left):
        // they no longer count as still to enter.
        QHash<QString, QSet<QString>> takenOff;
        QSet<QString> takenOffOf(QStringView accountNumber) const;
    };
    std::optional<PreviousReport> previousReport;

    // "ORIGINAL" for the code "O", "AMENDED" for anything else.
    QString filingTypeWord() const;
    // A new account, its E record just written.
    void startAccount(const EmployerEntries &account);
    // The account at hand as the previous report has it, or null.
    const FiledAccount *previousAccount() const;
    // The previous report's employees of the account, as the filing holds it, that are neither
    // entered nor taken off; of the account at hand when none is given.
    QList<EmployeeEntries> stillToEnter() const;
    // Their rows in the previous report's account at hand.
    QList<qsizetype> stillToEnterRows() const;
    QList<EmployeeEntries> stillToEnter(const FiledAccount &account) const;
    // The state taken from a filing's records, as if they had been typed: the last account is the
    // one at hand, with its employees counted and added up.
    void carryOnFromFiling(const Filing &filing);
};
