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

// An account's S records, each held as its line's bytes and made entries again when asked for: a
// working file of a hundred thousand employees takes little more memory than its bytes.
class EmployeeRecords
{
public:
    EmployeeRecords() = default;
    EmployeeRecords(const QList<EmployeeEntries> &employees);

    qsizetype size() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    EmployeeEntries at(qsizetype i) const;
    EmployeeEntries operator[](qsizetype i) const { return at(i); }
    // The record's line, without its line end.
    const QByteArray &line(qsizetype i) const { return m_lines.at(i); }
    // The record's SSN without the spaces around it, read from its line alone.
    QString ssn(qsizetype i) const;

    void append(const EmployeeEntries &employee);
    // A line read from a file, an S record of eleven fields.
    void appendLine(QByteArrayView line) { m_lines.append(line.toByteArray()); }
    void replace(qsizetype i, const EmployeeEntries &employee);
    void removeAt(qsizetype i) { m_lines.removeAt(i); }

    // Walks the records as entries, each made when reached.
    class const_iterator
    {
    public:
        const_iterator(const EmployeeRecords *records, qsizetype i) : m_records(records), m_i(i) {}
        EmployeeEntries operator*() const { return m_records->at(m_i); }
        const_iterator &operator++() { return ++m_i, *this; }
        bool operator!=(const const_iterator &other) const { return m_i != other.m_i; }

    private:
        const EmployeeRecords *m_records;
        qsizetype m_i;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    QList<QByteArray> m_lines;
};

// A working file's records as entries: the A record, then each account's E record and its S
// records, in the file's order. What the records hold is not checked here: the rules of the
// screens and tavo-check do that.
struct FiledAccount {
    EmployerEntries employer;
    EmployeeRecords employees;
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

// The employees of the account whose SSN is not among `entered` nor among `takenOff`, in order:
// their rows in the account, or their entries.
QList<qsizetype> stillToEnterRows(const FiledAccount &account, const SsnIndex &entered,
                                  const QSet<QString> &takenOff = {});
QList<EmployeeEntries> stillToEnter(const FiledAccount &account, const SsnIndex &entered,
                                    const QSet<QString> &takenOff = {});
