#pragma once

#include "rules/employerrules.h"
#include "ui_form2.h"

#include <QWidget>

struct FilingState;

// The employer screen: one tax account's quarter totals. Its Continue hands over to the flow,
// which checks the entries, appends the E record and asks about the account's employees.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(FilingState &state);

    // The quarter's digit and the year chosen, and the boxes as typed.
    EmployerEntries entries() const;
    // A rule's verdict in its field's error label and on its entry. True when the field passed.
    bool showVerdict(QString (*rule)(const EmployerEntries &), const QString &message);
    // Every entry emptied, both lists as on a fresh screen; labels, colours and the message stay.
    void clearEntries();
    // The quarter's caption and list are shown, as before every account.
    void showQuarterChoice();
    // The accounts of the previous report, while one is remembered, those filed in this run
    // marked; choosing one fills the account number and the FEIN.
    void offerPreviousAccounts();
    // The red line under the heading.
    void setMessage(const QString &message);

signals:
    void cmdCreateELine_Click();
    // The window's close button: the run ends only when the user says so.
    void closeAsked();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void lstPreviousAccounts_Click();

private:
    Ui::Form2 ui;
    FilingState &state;
};
