#pragma once

#include "rules/employeerules.h"
#include "ui_form3.h"

#include <QWidget>

struct FilingState;

// The employee screen: one employee of the current account at a time. Add Employee hands over to
// the flow, which checks the entries, appends the S record, counts the employee and asks whether
// another follows; Import Employees, Review Filing and Save Wage Template are the flow's too.
// Fill Next is the screen's own: it fills the boxes from the previous report.
class Form3 : public QWidget
{
    Q_OBJECT

public:
    explicit Form3(FilingState &state);

    // Shows the screen for the current account with the focus in the SSN box.
    void bringUp();
    // The information label and the running totals composed afresh from the account at hand, and
    // how many of the previous report's employees are still to enter.
    void showAccount();

    // The current account's number and the boxes as typed.
    EmployeeEntries entries() const;
    // A rule's verdict in its field's error label and on its box. True when the field passed.
    bool showVerdict(QString (*rule)(const EmployeeEntries &), const QString &message);
    // Every box emptied; labels, colours, the information label and the count stay.
    void clearEntries();
    // The SSN's caption and box are shown.
    void showSsnEntry();
    // A line on what was just taken up again, until the screen is next brought up.
    void showResumed(const QString &line);

signals:
    void cmdAddEmployee_Click();
    void cmdImportEmployees_Click();
    void cmdReviewEmployees_Click();
    void cmdSaveTemplate_Click();
    // The window's close button: the run ends only when the user says so.
    void closeAsked();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdFillFromPrevious_Click();

private:
    Ui::Form3 ui;
    FilingState &state;
    QString m_offered; // the SSN Fill Next offered last, in the previous report's order
};
