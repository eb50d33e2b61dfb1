#include "contact/form1.h"

#include "display/fieldmarks.h"
#include "rules/counted.h"
#include "rules/filingstate.h"

#include <QCloseEvent>

Form1::Form1(FilingState &state) : state(state)
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, ContactRules::fields);
    // Continue stays disabled until a filing type is chosen, so Close Progam starts with the focus.
    ui.cmdEnd->setFocus();
    // A selection made with the mouse or the arrow keys counts; the current row that the list
    // gets when it takes the focus does not.
    connect(ui.lstReportingTypeCode, &QListWidget::itemSelectionChanged, this,
            &Form1::lstReportingTypeCode_Click);
    connect(ui.cmdCreateALine, &QPushButton::clicked, this, &Form1::cmdCreateALine_Click);
    connect(ui.cmdEnd, &QPushButton::clicked, this, &Form1::cmdEnd_Click);
    connect(ui.cmdResumeReport, &QPushButton::clicked, this, &Form1::cmdResumeReport_Click);
    connect(ui.cmdFromPreviousReport, &QPushButton::clicked, this,
            &Form1::cmdFromPreviousReport_Click);
}

ContactEntries Form1::entries() const
{
    ContactEntries entries;
    entries.filingType = state.reportingTypeCode;
    readBoxes(this, ContactRules::fields, entries);
    return entries;
}

bool Form1::showVerdict(QString (*rule)(const ContactEntries &), const QString &message)
{
    return showFieldVerdict(this, fieldWithRule(ContactRules::fields, rule), message);
}

void Form1::lstReportingTypeCode_Click()
{
    QListWidget *list = ui.lstReportingTypeCode;
    const QList<QListWidgetItem *> selected = list->selectedItems();
    if (selected.isEmpty()) {
        // Ctrl+click or Ctrl+Space took the choice away. A chosen type stays chosen, shown as the
        // A record will carry it; only another choice changes it.
        if (chosenType) {
            const QSignalBlocker quiet(list);
            list->setCurrentItem(chosenType, QItemSelectionModel::ClearAndSelect);
        }
        return;
    }
    chosenType = selected.first();
    state.reportingTypeCode = chosenType->text().toUpper() == QLatin1String("ORIGINAL")
                                  ? QStringLiteral("O")
                                  : QStringLiteral("A");
    ui.cmdCreateALine->setVisible(true);
    ui.cmdCreateALine->setEnabled(true);
}

void Form1::clearFilingTypeSelection()
{
    chosenType = nullptr;
    ui.lstReportingTypeCode->clearSelection();
}

void Form1::showUnfinished(const QString &line)
{
    ui.lblUnfinished->setText(line);
    ui.lblUnfinished->setVisible(!line.isEmpty());
}

void Form1::showPreviousReport()
{
    const FilingState::PreviousReport &report = *state.previousReport;
    fillBoxes(this, ContactRules::fields, report.filing.contact);
    const qsizetype accounts = report.filing.accounts.size(),
                    employees = report.filing.employeeCount();
    ui.lblPreviousReport->setText(QStringLiteral("Previous report: %1, %2, %3.")
                                      .arg(report.name, counted(accounts, "account", "accounts"),
                                           counted(employees, "employee", "employees")));
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the window leaves without a question; a working file on disk stays as it was.
    event->accept();
    emit closed();
}
