#pragma once

#include "rules/employeerules.h"
#include "ui_form3.h"

#include <QWidget>

class Program;

// The employee screen: one employee of the current account at a time. Add Employee appends the
// S record, counts the employee and asks whether another follows. Import Employees adds the
// employees of a spreadsheet file in one go, all of them or none.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(Program &program);

    // Shows the screen for the current account, the information label and the running totals
    // composed afresh from it, with the focus in the SSN box.
    void bringUp();

    // The current account's number and the seven boxes as typed.
    EmployeeEntries entries() const;
    // A rule's verdict in its field's error label and on its box. True when the field passed.
    bool showVerdict(QString (*rule)(const EmployeeEntries &), const QString &message);
    // Every box emptied; labels, colours, the information label and the count stay.
    void clearEntries();
    // The SSN's caption and box are shown.
    void showSsnEntry();
    // A line on what was just taken up again, until the screen is next brought up.
    void showResumed(const QString &line);

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdAddEmployee_Click();
    void cmdImportEmployees_Click();
    void cmdReviewEmployees_Click();
    void cmdFillFromPrevious_Click();
    void cmdSaveTemplate_Click();

private:
    QString accountInformation() const;
    // The running totals, and how many of the previous report's employees are still to enter.
    void showRunningTotals();
    // The previous report's employees of the account at hand not yet entered nor taken off.
    QList<EmployeeEntries> stillToEnter() const;

    Ui::Form3 ui;
    Program &program;
    QString m_offered; // the SSN Fill Next offered last, in the previous report's order
};
