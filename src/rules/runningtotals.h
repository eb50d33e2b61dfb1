#pragma once

#include "rules/amounts.h"
#include "rules/employeerules.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

// An account's E record against what its S records come to: the third month's count against the
// number of S records, and each wage total against the S records' sum. Each is compared as
// compareWholeNumbers does (the E record's figure first), or not at all when either text is no
// whole number.
struct AccountComparison {
    std::optional<int> employees, grossWages, taxableWages;
    bool addsUp() const { return employees == 0 && grossWages == 0 && taxableWages == 0; }
};
AccountComparison compareAccount(QStringView thirdMonth, QStringView grossWages,
                                 QStringView taxableWages, qint64 employees, QStringView grossSum,
                                 QStringView taxableSum);

// The SSNs of an account's employees, each with the name of the first employee written with it,
// "LAST FIRST". SSNs are compared without trailing spaces. Nine-digit SSNs, all that the rules let
// through, are kept as numbers and their names in one block, so a hundred thousand of them take a
// few megabytes.
class SsnIndex
{
public:
    // Adds the SSN unless it is there already.
    void add(QStringView ssn, QStringView lastName, QStringView firstName);
    // Room for that many SSNs in all.
    void reserve(qsizetype count) { m_numbers.reserve(count); }
    bool contains(QStringView ssn) const { return find(ssn) >= 0; }
    // The name written with the SSN, or an empty text when it is not there.
    QString nameOf(QStringView ssn) const;
    qsizetype size() const { return m_numbers.size() + m_others.size(); }

private:
    // Where the SSN's name starts in m_names, or -1.
    qsizetype find(QStringView ssn) const;
    QHash<quint32, qsizetype> m_numbers; // nine-digit SSNs
    QHash<QString, qsizetype> m_others;  // any other text
    QString m_names;                     // the names, each ended by a NUL
};

// What the S records written for the current account add up to, beside its E record's
// third-month count and wage totals, for the employee screen to show while employees are entered.
class RunningTotals
{
public:
    // A new account, its E record just written: no employees yet.
    void startAccount(const QString &thirdMonth, const QString &grossWages,
                      const QString &taxableWages);
    // One S record written for the account. The texts are those the rules let through.
    void addEmployee(const EmployeeEntries &employee);
    void addEmployee(QStringView ssn, QStringView lastName, QStringView firstName,
                     QStringView grossWages, QStringView taxableWages);

    qint64 employees() const { return m_employees; }
    // Room for that many employees.
    void reserve(qsizetype count) { m_ssns.reserve(count); }
    // The SSNs written for the account.
    const SsnIndex &ssns() const { return m_ssns; }
    // True when the count equals the third month's and both sums equal the E record's wages.
    bool addUp() const;
    // Two lines, and a third when the figures add up.
    QString text() const;

private:
    QString m_thirdMonth, m_grossWages, m_taxableWages; // from the E record
    qint64 m_employees = 0;
    WholeNumberSum m_sGross, m_sTaxable;
    SsnIndex m_ssns;
};
