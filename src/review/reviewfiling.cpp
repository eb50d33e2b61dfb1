#include "review/reviewfiling.h"

#include "desktop/desktop.h"
#include "display/fieldmarks.h"
#include "rules/calendar.h"
#include "rules/filingrules.h"
#include "rules/filingstate.h"
#include "rules/runningtotals.h"
#include "rules/spaces.h"

#include <QHeaderView>
#include <QKeyEvent>

#include <algorithm>

namespace
{
template <typename Entries, typename Records>
void showTable(QTableView *view, RecordTable<Entries, Records> *table)
{
    view->setModel(table);
    view->setItemDelegate(new RecordEditor<Entries, Records>(view));
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Typing replaces a cell's value, F2 edits it in place; Tab leaves the table.
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::DoubleClicked);
    view->setTabKeyNavigation(false);
    view->horizontalHeader()->setResizeContentsPrecision(50); // fast with many rows
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
}

CellEditor *editorOf(QTableView *view)
{
    return static_cast<CellEditor *>(view->itemDelegate());
}

// "FIELD: MESSAGE" for the first finding of the record's fields, or an empty text.
template <typename Entries> QString firstFinding(const Entries &entries)
{
    for (const auto &field : fieldsOf(entries)) {
        const QStringList findings = fieldFindings(field, entries);
        if (!findings.isEmpty())
            return QLatin1String(field.name) + QStringLiteral(": ") + findings.first();
    }
    return QString();
}

// "FIELD: MESSAGE" for a rule that spans records, the field named by its row.
template <typename Entries, std::size_t N>
QString spanningFinding(const FieldRow<Entries> (&fields)[N], QString (*rule)(const Entries &),
                        const QString &message)
{
    return QLatin1String(fieldWithRule(fields, rule).name) + QStringLiteral(": ") + message;
}
} // namespace

ReviewFiling::ReviewFiling(FilingState &state, Desktop &desktop, Write write, QWidget *parent)
    : QDialog(parent), state(state), desktop(desktop), m_write(std::move(write)),
      m_contact(ContactRules::fields, std::size(ContactRules::fields),
                [this](int row, const ContactEntries &e) { return commitContact(row, e); }),
      m_accounts(EmployerRules::fields, std::size(EmployerRules::fields),
                 [this](int row, const EmployerEntries &e) { return commitAccount(row, e); }),
      m_employees(EmployeeRules::fields, std::size(EmployeeRules::fields),
                  [this](int row, const EmployeeEntries &e) { return commitEmployee(row, e); })
{
    ui.setupUi(this);
    setUpScreen(this);
    setModal(true);
    showTable(ui.tblContact, &m_contact);
    showTable(ui.tblAccounts, &m_accounts);
    showTable(ui.tblEmployees, &m_employees);
    ui.tblEmployees->installEventFilter(this);
    for (QTableView *table : {ui.tblContact, ui.tblAccounts, ui.tblEmployees})
        connect(table->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
                [this, table](QWidget *, QAbstractItemDelegate::EndEditHint hint) {
                    if (hint == QAbstractItemDelegate::RevertModelCache) // Escape
                        clearFinding(table);
                });
    connect(ui.tblAccounts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { showAccount(current.row()); });
    connect(ui.tblEmployees->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &ReviewFiling::updateRemoveButton);
    connect(ui.cmdRemoveEmployee, &QPushButton::clicked, this,
            &ReviewFiling::cmdRemoveEmployee_Click);
    connect(ui.cmdCloseReview, &QPushButton::clicked, this, &QDialog::accept);
}

void ReviewFiling::setFiling(const Filing &filing)
{
    m_filing = filing;
    m_contact.setRecords({m_filing.contact});
    QList<EmployerEntries> accounts;
    for (const FiledAccount &account : std::as_const(m_filing.accounts))
        accounts.append(account.employer);
    m_accounts.setRecords(accounts);
    for (QTableView *view : {ui.tblContact, ui.tblAccounts})
        view->resizeColumnsToContents();
    // The account at hand is the last one; its first employee's SSN takes the focus.
    ui.tblAccounts->setCurrentIndex(m_accounts.index(int(accounts.size()) - 1, 0));
    ui.tblEmployees->resizeColumnsToContents();
    ui.tblEmployees->setCurrentIndex(m_employees.index(0, 0));
    ui.tblEmployees->setFocus();
}

void ReviewFiling::showAccount(int account)
{
    m_account = account;
    editorOf(ui.tblEmployees)->forget();
    clearFinding(ui.tblEmployees);
    const FiledAccount &shown = m_filing.accounts.value(account);
    m_employees.setRecords(shown.employees, notEntered());
    showTotals(totalsOf(shown));
    updateRemoveButton();
}

QList<EmployeeEntries> ReviewFiling::notEntered() const
{
    QList<EmployeeEntries> rows;
    for (const EmployeeEntries &employee : state.stillToEnter(m_filing.accounts.value(m_account))) {
        // Who the employee is, and in the first of this quarter's figures, that none is entered.
        EmployeeEntries row = EmployeeRules::carriedOver(employee);
        for (const FieldRow<EmployeeEntries> &field : EmployeeRules::fields)
            if (!field.carried && field.box) {
                row.*field.entry = QStringLiteral("not entered");
                break;
            }
        rows.append(row);
    }
    return rows;
}

void ReviewFiling::updateRemoveButton()
{
    const int row = ui.tblEmployees->currentIndex().row();
    const qsizetype records = m_employees.records().size();
    ui.cmdRemoveEmployee->setEnabled(row >= 0 && (row >= records || records > 1));
}

void ReviewFiling::showTotals(const RunningTotals &totals)
{
    ui.lblReviewTotals->setText(m_account >= 0 ? totals.text() : QString());
}

bool ReviewFiling::showFinding(QTableView *table, int row, const QString &finding)
{
    clearFinding();
    if (finding.isEmpty())
        return false;
    QString name; // the table's caption
    for (const QLabel *label : findChildren<QLabel *>())
        if (label->buddy() == table)
            name = label->text();
    const QString text =
        QStringLiteral("%1, row %2, %3").arg(name, QString::number(row + 1), finding);
    ui.lblReviewMessage->setText(text);
    table->setAccessibleDescription(text);
    m_findingTable = table;
    return true;
}

void ReviewFiling::clearFinding(QTableView *of)
{
    if (!m_findingTable || (of && of != m_findingTable))
        return;
    ui.lblReviewMessage->clear();
    m_findingTable->setAccessibleDescription(QString());
    m_findingTable = nullptr;
}

bool ReviewFiling::commitContact(int row, const ContactEntries &changed)
{
    if (showFinding(ui.tblContact, row, firstFinding(changed)))
        return false;
    Filing filing = m_filing;
    filing.contact = changed;
    return write(filing);
}

bool ReviewFiling::commitAccount(int row, const EmployerEntries &changed)
{
    // The rules that span records hold for the cell that changes: another account's number, a
    // year the employer screen does not offer today.
    const EmployerEntries before = m_filing.accounts.at(row).employer;
    QString finding = firstFinding(changed);
    if (finding.isEmpty() &&
        trimSpaces(changed.accountNumber) != trimSpaces(before.accountNumber) &&
        m_filing.account(changed.accountNumber))
        finding = spanningFinding(EmployerRules::fields, EmployerRules::accountNumber,
                                  FilingRules::accountAlreadyInFiling(changed.accountNumber));
    const QString year = FilingRules::yearNotOffered(changed.quarterYear, today().year());
    if (finding.isEmpty() && changed.quarterYear != before.quarterYear && !year.isEmpty())
        finding = spanningFinding(EmployerRules::fields, EmployerRules::quarterYear, year);
    if (showFinding(ui.tblAccounts, row, finding))
        return false;
    Filing filing = m_filing;
    FiledAccount &account = filing.accounts[row];
    account.employer = changed;
    for (qsizetype i = 0; i < account.employees.size(); ++i) { // they carry its number
        EmployeeEntries employee = account.employees.at(i);
        employee.accountNumber = changed.accountNumber;
        account.employees.replace(i, employee);
    }
    if (!write(filing))
        return false;
    showTotals(totalsOf(m_filing.accounts.value(m_account)));
    return true;
}

bool ReviewFiling::commitEmployee(int row, const EmployeeEntries &changed)
{
    // An SSN changed to one another employee of the account holds is taken only on the user's
    // Yes; a record whose SSN stands twice is otherwise corrected as any other.
    const EmployeeRecords &employees = m_filing.accounts.at(m_account).employees;
    const QString ssn = rightTrimSpaces(changed.ssn);
    const bool newSsn = ssn != rightTrimSpaces(employees.at(row).ssn);
    QString finding = firstFinding(changed);
    // The account's SSNs are gathered only for an SSN that changes.
    const SsnIndex holders =
        finding.isEmpty() && newSsn ? totalsOf(m_filing.accounts.at(m_account)).ssns() : SsnIndex();
    if (holders.contains(ssn)) {
        const QString name = holders.nameOf(ssn);
        if (!desktop.ask(FilingRules::addSsnAgainQuestion(ssn, name), QString(), false))
            finding = spanningFinding(EmployeeRules::fields, EmployeeRules::ssn,
                                      FilingRules::ssnAlreadyEntered(ssn, name));
    }
    if (showFinding(ui.tblEmployees, row, finding))
        return false;
    Filing filing = m_filing;
    filing.accounts[m_account].employees.replace(row, changed);
    if (!write(filing))
        return false;
    if (newSsn) // the greyed rows follow
        m_employees.setNotRecords(notEntered());
    showTotals(totalsOf(m_filing.accounts.value(m_account)));
    return true;
}

bool ReviewFiling::write(const Filing &filing)
{
    if (!m_write(filing.toBytes())) {
        QDialog::done(Rejected); // the run has ended: nothing is committed any more
        return false;
    }
    m_filing = filing;
    state.carryOnFromFiling(m_filing);
    return true;
}

void ReviewFiling::done(int result)
{
    for (QTableView *table : {ui.tblContact, ui.tblAccounts, ui.tblEmployees})
        if (!editorOf(table)->settle())
            return;
    QDialog::done(result);
}

void ReviewFiling::cmdRemoveEmployee_Click()
{
    const int row = ui.tblEmployees->currentIndex().row();
    const qsizetype records = m_employees.records().size();
    if (m_account < 0 || row < 0)
        return;
    if (row >= records)
        return takeOff(row);
    const FiledAccount &account = m_filing.accounts.at(m_account);
    if (records == 1) {
        desktop.tell(QStringLiteral(
            "An account keeps at least one employee. Correct this employee instead."));
        return;
    }
    const EmployeeEntries employee = account.employees.at(row);
    if (!desktop.ask(QStringLiteral("Remove the employee %1, %2 %3, from account %4?")
                         .arg(trimSpaces(employee.ssn), trimSpaces(employee.lastName),
                              trimSpaces(employee.firstName), account.employer.accountNumber),
                     QString(), false))
        return;
    Filing filing = m_filing;
    filing.accounts[m_account].employees.removeAt(row);
    if (!write(filing))
        return;
    showAccount(m_account);
    ui.tblEmployees->setCurrentIndex(
        m_employees.index(std::min(row, m_employees.rowCount() - 1), 0));
}

void ReviewFiling::takeOff(int row)
{
    // One of the previous report's employees who left: no longer counted as still to enter.
    // Nothing of the working file changes.
    const EmployeeEntries employee =
        m_employees.notRecords().at(row - m_employees.records().size());
    const QString ssn = trimSpaces(employee.ssn);
    if (!desktop.ask(QStringLiteral("Take %1, %2 off this quarter's list?")
                         .arg(ssn, FilingRules::nameOf(employee)),
                     QString(), false))
        return;
    const QString &number = m_filing.accounts.at(m_account).employer.accountNumber;
    state.previousReport->takenOff[trimSpaces(number)].insert(ssn);
    m_employees.setNotRecords(notEntered());
    ui.tblEmployees->setCurrentIndex(
        m_employees.index(std::min(row, m_employees.rowCount() - 1), 0));
}

bool ReviewFiling::eventFilter(QObject *watched, QEvent *event)
{
    // An editor open in the table takes its own Delete key; this is the table's.
    if (watched == ui.tblEmployees && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        cmdRemoveEmployee_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
