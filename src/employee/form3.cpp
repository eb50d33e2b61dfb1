#include "employee/form3.h"

#include "display/fieldmarks.h"
#include "rules/filingstate.h"
#include "rules/spaces.h"

#include <QCloseEvent>

#include <QShortcut>
#include <algorithm>

Form3::Form3(FilingState &state) : state(state)
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, EmployeeRules::fields);
    connect(ui.cmdAddEmployee, &QPushButton::clicked, this, &Form3::cmdAddEmployee_Click);
    connect(ui.cmdImportEmployees, &QPushButton::clicked, this, &Form3::cmdImportEmployees_Click);
    connect(ui.cmdReviewEmployees, &QPushButton::clicked, this, &Form3::cmdReviewEmployees_Click);
    connect(ui.cmdFillFromPrevious, &QPushButton::clicked, this, &Form3::cmdFillFromPrevious_Click);
    connect(ui.cmdSaveTemplate, &QPushButton::clicked, this, &Form3::cmdSaveTemplate_Click);
    // Ctrl+Enter adds the employee from any box, so a carried employee takes no Tab to the button.
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        connect(new QShortcut(keys, this), &QShortcut::activated, ui.cmdAddEmployee,
                &QPushButton::click);
}

EmployeeEntries Form3::entries() const
{
    EmployeeEntries entries;
    entries.accountNumber = state.currentAccount.accountNumber;
    readBoxes(this, EmployeeRules::fields, entries);
    return entries;
}

bool Form3::showVerdict(QString (*rule)(const EmployeeEntries &), const QString &message)
{
    return showFieldVerdict(this, fieldWithRule(EmployeeRules::fields, rule), message);
}

void Form3::clearEntries()
{
    clearBoxes(this, EmployeeRules::fields);
}

void Form3::showSsnEntry()
{
    ui.lblSSN->setVisible(true);
    ui.txtSSN->setVisible(true);
}

void Form3::showResumed(const QString &line)
{
    ui.lblResumed->setText(line);
}

void Form3::bringUp()
{
    ui.lblResumed->clear();
    showAccount();
    show();
    raise();
    activateWindow();
    ui.txtSSN->setFocus();
}

void Form3::showAccount()
{
    // Composed each time, so every account shows its own number, quarter and year.
    const EmployerEntries &account = state.currentAccount;
    ui.lblEANInfo->setText(QStringLiteral("Account Number: ") + account.accountNumber +
                           QStringLiteral("\r\nQuarter/Year: ") + account.quarterYear.left(1) +
                           u'/' + account.quarterYear.mid(1) + QStringLiteral("\r\nFile Type: ") +
                           state.filingTypeWord());
    ui.lblRunningTotals->setText(state.accountTotals.text());
    const FiledAccount *previous = state.previousAccount();
    for (QWidget *shown : {static_cast<QWidget *>(ui.lblFromPrevious),
                           static_cast<QWidget *>(ui.cmdFillFromPrevious),
                           static_cast<QWidget *>(ui.cmdSaveTemplate)})
        shown->setVisible(previous);
    if (!previous)
        return;
    // Those taken off this quarter's list count neither as entered nor as still to enter.
    const qsizetype all = previous->employees.size() -
                          state.previousReport->takenOffOf(previous->employer.accountNumber).size();
    const qsizetype left = state.stillToEnterRows().size();
    ui.lblFromPrevious->setText(
        left > 0
            ? QStringLiteral("%1 of %2 employees from the previous report are still to enter.")
                  .arg(left)
                  .arg(all)
            : QStringLiteral("All %1 employees from the previous report are entered.").arg(all));
    ui.cmdFillFromPrevious->setEnabled(left > 0);
}

void Form3::cmdFillFromPrevious_Click()
{
    // The next one still to enter after the one offered last, in the report's order, so that a
    // second press skips one; after the last one, the first still to enter again. The whole
    // screen is filled: the wages and weeks emptied for this quarter's, the old marks gone.
    const QList<qsizetype> left = state.stillToEnterRows();
    const FiledAccount *previous = state.previousAccount();
    if (left.isEmpty() || !previous)
        return;
    const EmployeeRecords &employees = previous->employees;
    // The first row still to enter after the one offered last, or the first of all.
    qsizetype offered = -1;
    for (qsizetype i = 0; i < employees.size() && offered < 0; ++i)
        offered = employees.ssn(i) == m_offered ? i : offered;
    const auto after = std::upper_bound(left.begin(), left.end(), offered);
    const EmployeeEntries next = employees.at(after == left.end() ? left.first() : *after);
    m_offered = trimSpaces(next.ssn);
    fillBoxes(this, EmployeeRules::fields, EmployeeRules::carriedOver(next));
    ui.txtEmployeeGrossWages->setFocus();
}

void Form3::closeEvent(QCloseEvent *event)
{
    // One click must not throw hours of typing away: closing the window asks first, and No keeps
    // the screen as it was. The working file keeps every record written so far either way.
    event->ignore();
    emit closeAsked();
}
