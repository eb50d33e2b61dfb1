#include "employer/form2.h"

#include "display/fieldmarks.h"
#include "rules/calendar.h"
#include "rules/counted.h"
#include "rules/filingstate.h"
#include "rules/spaces.h"

#include <QCloseEvent>

Form2::Form2(FilingState &state) : state(state)
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, EmployerRules::fields);

    // The current calendar year and the seven before it, newest first.
    const int currentYear = today().year();
    ui.lstYear->clear();
    for (int i = 0; i <= 7; ++i)
        ui.lstYear->addItem(QString::number(currentYear - i));

    ui.lblMessage->setText(QStringLiteral("The filing type is ") + state.filingTypeWord() + u'.');

    ui.cmdCreateELine->setFocus();
    connect(ui.cmdCreateELine, &QPushButton::clicked, this, &Form2::cmdCreateELine_Click);
    connect(ui.lstPreviousAccounts, &QListWidget::itemSelectionChanged, this,
            &Form2::lstPreviousAccounts_Click);
    offerPreviousAccounts();
}

EmployerEntries Form2::entries() const
{
    EmployerEntries entries;
    // The quarter item's first character is its digit.
    entries.quarterYear = selectedText(ui.lstQuarter).left(1) + selectedText(ui.lstYear);
    readBoxes(this, EmployerRules::fields, entries);
    return entries;
}

bool Form2::showVerdict(QString (*rule)(const EmployerEntries &), const QString &message)
{
    const FieldRow<EmployerEntries> &field = fieldWithRule(EmployerRules::fields, rule);
    const bool passed = message.isEmpty();
    constexpr QString (*quarterYear)(const EmployerEntries &) = EmployerRules::quarterYear;
    if (rule == quarterYear) {
        // Only the list that has no choice is marked.
        ui.lblQuarterYear_errorMessage->setText(message);
        for (QListWidget *list : {ui.lstQuarter, ui.lstYear}) {
            if (!passed && list->selectedItems().isEmpty())
                markField(list, message);
            else
                unmarkField(list);
        }
    } else {
        showFieldVerdict(this, field, message);
    }
    // The account number's label starts hidden; a failure shows it, and it stays visible.
    if (!passed)
        findChild<QLabel *>(QLatin1String(field.errorLabel))->setVisible(true);
    return passed;
}

void Form2::clearEntries()
{
    emptyList(ui.lstQuarter);
    emptyList(ui.lstYear);
    clearBoxes(this, EmployerRules::fields);
}

void Form2::showQuarterChoice()
{
    ui.lblQuarterFilingFor->setVisible(true);
    ui.lstQuarter->setVisible(true);
}

void Form2::offerPreviousAccounts()
{
    const QSignalBlocker quiet(ui.lstPreviousAccounts);
    ui.lstPreviousAccounts->clear();
    emptyList(ui.lstPreviousAccounts);
    ui.lblPreviousAccounts->setVisible(state.previousReport.has_value());
    ui.lstPreviousAccounts->setVisible(state.previousReport.has_value());
    if (!state.previousReport)
        return;
    for (const FiledAccount &account : state.previousReport->filing.accounts) {
        const bool filed = state.filedAccounts.contains(trimSpaces(account.employer.accountNumber));
        auto *item = new QListWidgetItem(
            QStringLiteral("%1, FEIN %2, %3")
                    .arg(trimSpaces(account.employer.accountNumber),
                         trimSpaces(account.employer.fein),
                         counted(account.employees.size(), "employee", "employees")) +
                (filed ? QStringLiteral(" (filed)") : QString()),
            ui.lstPreviousAccounts);
        // A filed account is shown, not offered: neither the mouse nor the keys choose it.
        if (filed)
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable));
    }
}

void Form2::lstPreviousAccounts_Click()
{
    const int row = ui.lstPreviousAccounts->currentRow();
    if (!state.previousReport || ui.lstPreviousAccounts->selectedItems().isEmpty())
        return;
    const EmployerEntries &account = state.previousReport->filing.accounts.at(row).employer;
    ui.txtEAN->setText(trimSpaces(account.accountNumber));
    ui.txtFEIN->setText(trimSpaces(account.fein));
}

void Form2::setMessage(const QString &message)
{
    ui.lblMessage->setText(message);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // One click must not throw hours of typing away: closing the window asks first, and No keeps
    // the screen as it was. The working file keeps every record written so far either way.
    event->ignore();
    emit closeAsked();
}
