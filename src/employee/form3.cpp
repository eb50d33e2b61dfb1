#include "employee/form3.h"

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "output/diskfile.h"
#include "output/workingfile.h"
#include "review/reviewfiling.h"
#include "rules/checkstring.h"
#include "rules/employeeimport.h"
#include "rules/records.h"
#include "validation/fielddisplay.h"

#include <QCloseEvent>

namespace
{
// The previous report's employees of the account at hand taken off this quarter's list: they
// left, so they are not still to enter.
QSet<QString> takenOff(const Program &program)
{
    return program.previousReport
               ? program.previousReport->takenOffOf(program.currentAccount.accountNumber)
               : QSet<QString>();
}
} // namespace

Form3::Form3(Program &program) : program(program)
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, EmployeeRules::fields);
    connect(ui.cmdAddEmployee, &QPushButton::clicked, this, &Form3::cmdAddEmployee_Click);
    connect(ui.cmdImportEmployees, &QPushButton::clicked, this, &Form3::cmdImportEmployees_Click);
    connect(ui.cmdReviewEmployees, &QPushButton::clicked, this, &Form3::cmdReviewEmployees_Click);
    connect(ui.cmdFillFromPrevious, &QPushButton::clicked, this, &Form3::cmdFillFromPrevious_Click);
    connect(ui.cmdSaveTemplate, &QPushButton::clicked, this, &Form3::cmdSaveTemplate_Click);
}

QString Form3::accountInformation() const
{
    const EmployerEntries &account = program.currentAccount;
    return QStringLiteral("Account Number: ") + account.accountNumber +
           QStringLiteral("\r\nQuarter/Year: ") + account.quarterYear.left(1) + u'/' +
           account.quarterYear.mid(1) + QStringLiteral("\r\nFile Type: ") +
           program.filingTypeWord();
}

EmployeeEntries Form3::entries() const
{
    EmployeeEntries entries;
    entries.accountNumber = program.currentAccount.accountNumber;
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

void Form3::bringUp()
{
    // Composed each time, so every account shows its own number, quarter and year.
    ui.lblEANInfo->setText(accountInformation());
    showRunningTotals();
    show();
    raise();
    activateWindow();
    ui.txtSSN->setFocus();
}

void Form3::cmdAddEmployee_Click()
{
    if (!cNeededRoutines(program).S_lineGood())
        return;

    const EmployeeEntries employee = entries();
    if (!cNeededRoutines(program).writeToFile(program.sOutFileName, Records::makeLine(employee),
                                              QStringLiteral("A")))
        return;

    ++program.numberOFEmployee;
    program.accountTotals.addEmployee(employee);
    showRunningTotals();
    cNeededRoutines(program).addEmployee(false);
}

void Form3::showRunningTotals()
{
    ui.lblRunningTotals->setText(program.accountTotals.text());
    const FiledAccount *previous = program.previousAccount();
    for (QWidget *shown : {static_cast<QWidget *>(ui.lblFromPrevious),
                           static_cast<QWidget *>(ui.cmdFillFromPrevious),
                           static_cast<QWidget *>(ui.cmdSaveTemplate)})
        shown->setVisible(previous);
    if (!previous)
        return;
    const qsizetype all = previous->employees.size();
    const qsizetype left =
        stillToEnter(*previous, program.accountTotals.ssns(), takenOff(program)).size();
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
    // second press skips one; after the last one, the first still to enter again.
    const FiledAccount *previous = program.previousAccount();
    if (!previous)
        return;
    const QList<EmployeeEntries> &employees = previous->employees;
    const qsizetype count = employees.size();
    const QSet<QString> gone = takenOff(program);
    qsizetype at = -1;
    for (qsizetype i = 0; i < count && at < 0; ++i)
        at = trimSpaces(employees[i].ssn) == m_offered ? i : at;
    for (qsizetype step = 1; step <= count; ++step) {
        const EmployeeEntries &next = employees[(at + step + count) % count];
        if (program.accountTotals.ssns().contains(trimSpaces(next.ssn)) ||
            gone.contains(trimSpaces(next.ssn)))
            continue;
        m_offered = trimSpaces(next.ssn);
        ui.txtSSN->setText(m_offered);
        ui.txtEmpLastName->setText(trimSpaces(next.lastName));
        ui.txtEmpFirstName->setText(trimSpaces(next.firstName));
        ui.txtEmployeeMiddleName->setText(trimSpaces(next.middleName));
        ui.txtEmployeeGrossWages->setFocus();
        return;
    }
}

void Form3::cmdSaveTemplate_Click()
{
    const FiledAccount *previous = program.previousAccount();
    if (!previous)
        return;
    const QString title = QStringLiteral("Save Wage Template");
    const QString fileName = program.desktop().chooseFileToSave(
        title, QStringLiteral("Spreadsheet files (*.csv)"),
        QStringLiteral("wages %1.csv").arg(program.currentAccount.accountNumber));
    if (fileName.isEmpty())
        return;
    FileError error;
    if (!replaceFile(fileName,
                     EmployeeImport::wageTemplate(
                         stillToEnter(*previous, program.accountTotals.ssns(), takenOff(program))),
                     error))
        program.desktop().tell(QStringLiteral("The file %1 could not be written.\n\n%2")
                                   .arg(fileName, errorText(error)),
                               title);
}

void Form3::cmdImportEmployees_Click()
{
    const QString title = QStringLiteral("Import Employees");
    const QString fileName = program.desktop().chooseFileToOpen(
        title, QStringLiteral("Spreadsheet files (*.csv *.CSV *.txt *.TXT);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    if (!cNeededRoutines(program).readChosenFile(fileName, title, bytes))
        return;

    // Every line through the rules first; nothing is written unless all of them pass.
    const EmployeeImport::Result result = EmployeeImport::importEmployees(
        bytes, program.currentAccount.accountNumber, program.accountTotals.ssns());
    if (!result.findings.isEmpty()) {
        QStringList lines;
        for (const Finding &finding : result.findings)
            lines.append(findingText(finding));
        program.desktop().showFindings(title, lines);
        return;
    }
    // A first line skipped as column names is said, so a typo there cannot lose an employee.
    const QString header = result.headerSkipped
                               ? QStringLiteral("\n\nThe first line was read as column names.")
                               : QString();
    if (result.employees.isEmpty()) {
        program.desktop().tell(
            QStringLiteral("The file %1 holds no employees.").arg(fileName) + header, title);
        return;
    }
    QStringList records;
    for (const EmployeeEntries &employee : result.employees)
        records.append(Records::makeLine(employee));
    if (!cNeededRoutines(program).writeLinesToFile(program.sOutFileName, records))
        return;

    program.numberOFEmployee += qint32(result.employees.size());
    for (const EmployeeEntries &employee : result.employees)
        program.accountTotals.addEmployee(employee);
    showRunningTotals();
    // Without a title of its own, like the questions of the flow that follow it.
    program.desktop().tell(
        (result.employees.size() == 1
             ? QStringLiteral("1 employee was imported.")
             : QStringLiteral("%1 employees were imported.").arg(result.employees.size())) +
        header);
    cNeededRoutines(program).addEmployee(false);
}

void Form3::cmdReviewEmployees_Click()
{
    auto *review = new ReviewFiling(program, this);
    review->setAttribute(Qt::WA_DeleteOnClose);
    // Closed, the screen shows what the corrections made of the account at hand.
    connect(review, &QDialog::finished, this, [this] {
        ui.lblEANInfo->setText(accountInformation());
        showRunningTotals();
    });
    if (review->readWorkingFile())
        review->open();
    else
        delete review;
}

void Form3::closeEvent(QCloseEvent *event)
{
    // One click must not throw hours of typing away: closing the window asks first, and No keeps
    // the screen as it was. The working file keeps every record written so far either way.
    event->ignore();
    program.askToEndProgram();
}
