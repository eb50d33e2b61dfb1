#pragma once

#include "rules/amounts.h"
#include "rules/employeerules.h"

#include <QHash>
#include <QString>
#include <QStringView>

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

    qint64 employees() const { return m_employees; }
    // The SSNs written for the account, trailing spaces dropped, each with the name of the first
    // employee written with it, "LAST FIRST".
    const QHash<QString, QString> &ssns() const { return m_ssns; }
    // True when the count equals the third month's and both sums equal the E record's wages.
    bool addUp() const;
    // Two lines, and a third when the figures add up.
    QString text() const;

private:
    QString m_thirdMonth, m_grossWages, m_taxableWages; // from the E record
    qint64 m_employees = 0;
    WholeNumberSum m_sGross, m_sTaxable;
    QHash<QString, QString> m_ssns;
};
