#pragma once

#include "review/recordtable.h"
#include "rules/filing.h"
#include "ui_reviewfiling.h"

#include <QDialog>

#include <functional>

class Desktop;
struct FilingState;

// Review Filing: the records written so far, the contact, the accounts and the chosen account's
// employees, in three tables. A corrected cell is checked with its whole record through its
// kind's field table, the very rules and box lengths of its screen; a record that passes replaces
// the old one in the working file at once, which is rewritten safely; one that fails stays in its
// editor with its finding. An employee can be removed, but an account keeps at least one; one of
// the previous report's employees still to enter can be taken off this quarter's list.
class ReviewFiling : public QDialog
{
    Q_OBJECT

public:
    // `write` puts a corrected filing's records in the working file; false when they could not be
    // written, which has then been reported and has ended the run.
    using Write = std::function<bool(const QByteArray &records)>;
    ReviewFiling(FilingState &state, Desktop &desktop, Write write, QWidget *parent);
    // The working file's filing in the tables, the account at hand chosen.
    void setFiling(const Filing &filing);
    // An edit still open is committed first; refused, the window stays open with its finding.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void cmdRemoveEmployee_Click();

private:
    void showAccount(int account);
    // The previous report's employees of the shown account still to enter, as greyed rows.
    QList<EmployeeEntries> notEntered() const;
    // Remove Employee only where something can be removed or taken off.
    void updateRemoveButton();
    // A greyed row's employee taken off this quarter's list, after asking.
    void takeOff(int row);
    // The chosen account's totals under the tables, as the employee screen shows them.
    void showTotals(const RunningTotals &totals);
    bool commitContact(int row, const ContactEntries &changed);
    bool commitAccount(int row, const EmployerEntries &changed);
    bool commitEmployee(int row, const EmployeeEntries &changed);
    // The finding of a table's row, "FIELD: MESSAGE", shown as "TABLE, row R, FIELD: MESSAGE"
    // under the tables and on the table for a screen reader, the one before gone; true when there
    // is one. A finding goes once it no longer applies; given a table, only that table's goes.
    bool showFinding(QTableView *table, int row, const QString &finding);
    void clearFinding(QTableView *of = nullptr);
    bool write(const Filing &filing);

    Ui::ReviewFiling ui;
    FilingState &state;
    Desktop &desktop;
    Write m_write;
    Filing m_filing;
    int m_account = -1;                   // the account whose employees show
    QTableView *m_findingTable = nullptr; // whose finding shows
    RecordTable<ContactEntries> m_contact;
    RecordTable<EmployerEntries> m_accounts;
    RecordTable<EmployeeEntries, EmployeeRecords> m_employees;
};
