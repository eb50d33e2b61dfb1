#include "employee/form3.h"

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "display/fieldmarks.h"
#include "output/diskfile.h"
#include "output/workingfile.h"
#include "review/reviewfiling.h"
#include "rules/employeeimport.h"
#include "rules/filingrules.h"
#include "rules/records.h"
#include "rules/spaces.h"

#include <QCloseEvent>
#include <QShortcut>

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
    // Ctrl+Enter adds the employee from any box, so a carried employee takes no Tab to the button.
    for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        connect(new QShortcut(keys, this), &QShortcut::activated, ui.cmdAddEmployee,
                &QPushButton::click);
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

void Form3::showResumed(const QString &line)
{
    ui.lblResumed->setText(line);
}

void Form3::bringUp()
{
    // Composed each time, so every account shows its own number, quarter and year.
    ui.lblEANInfo->setText(accountInformation());
    ui.lblResumed->clear();
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
    // An SSN the account holds already is written again only when the user says so.
    const QString ssn = rightTrimSpaces(employee.ssn);
    if (const auto earlier = program.accountTotals.ssns().constFind(ssn);
        earlier != program.accountTotals.ssns().cend() &&
        !program.desktop().ask(FilingRules::addSsnAgainQuestion(ssn, *earlier), QString(), false))
        return;
    if (!cNeededRoutines(program).writeToFile(program.sOutFileName, Records::makeLine(employee),
                                              QStringLiteral("A")))
        return;

    ++program.numberOFEmployee;
    program.accountTotals.addEmployee(employee);
    showRunningTotals();
    cNeededRoutines(program).addEmployee(false);
}

QList<EmployeeEntries> Form3::stillToEnter() const
{
    const FiledAccount *previous = program.previousAccount();
    return previous ? ::stillToEnter(
                          *previous, program.accountTotals.ssns(),
                          program.previousReport->takenOffOf(program.currentAccount.accountNumber))
                    : QList<EmployeeEntries>();
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
    // Those taken off this quarter's list count neither as entered nor as still to enter.
    const qsizetype all =
        previous->employees.size() -
        program.previousReport->takenOffOf(previous->employer.accountNumber).size();
    const qsizetype left = stillToEnter().size();
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
    QSet<QString> left;
    for (const EmployeeEntries &employee : stillToEnter())
        left.insert(trimSpaces(employee.ssn));
    const FiledAccount *previous = program.previousAccount();
    if (left.isEmpty() || !previous)
        return;
    const QList<EmployeeEntries> &employees = previous->employees;
    const qsizetype count = employees.size();
    qsizetype at = -1;
    for (qsizetype i = 0; i < count && at < 0; ++i)
        at = trimSpaces(employees[i].ssn) == m_offered ? i : at;
    const EmployeeEntries *next = nullptr;
    for (qsizetype step = 1; step <= count && !next; ++step)
        if (left.contains(trimSpaces(employees[(at + step + count) % count].ssn)))
            next = &employees[(at + step + count) % count];
    m_offered = trimSpaces(next->ssn);
    fillBoxes(this, EmployeeRules::fields, EmployeeRules::carriedOver(*next));
    ui.txtEmployeeGrossWages->setFocus();
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
    if (!replaceFile(fileName, EmployeeImport::wageTemplate(stillToEnter()), error))
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
        program.desktop().showFindings(title, QStringLiteral("Nothing was imported."), lines);
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
    // A sheet of another account's employees, by the previous report, is imported only on Yes.
    if (program.previousReport) {
        const QString listedUnder = FilingRules::otherAccountOfEmployees(
            program.previousReport->filing, program.currentAccount.accountNumber, result.employees);
        if (!listedUnder.isEmpty() &&
            !program.desktop().ask(FilingRules::importIntoAccountQuestion(
                                       listedUnder, program.currentAccount.accountNumber),
                                   QString(), false))
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
