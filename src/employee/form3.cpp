#include "employee/form3.h"

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "output/diskfile.h"
#include "review/reviewfiling.h"
#include "rules/checkstring.h"
#include "rules/employeeimport.h"
#include "rules/records.h"
#include "validation/fielddisplay.h"

#include <QCloseEvent>

Form3::Form3(Program &program) : program(program)
{
    ui.setupUi(this);
    setUpScreen(this);
    limitBoxes(this, EmployeeRules::fields);
    connect(ui.cmdAddEmployee, &QPushButton::clicked, this, &Form3::cmdAddEmployee_Click);
    connect(ui.cmdImportEmployees, &QPushButton::clicked, this, &Form3::cmdImportEmployees_Click);
    connect(ui.cmdReviewEmployees, &QPushButton::clicked, this, &Form3::cmdReviewEmployees_Click);
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
    program.accountTotals.addEmployee(employee.ssn, employee.grossWages, employee.taxableWages);
    showRunningTotals();
    cNeededRoutines(program).addEmployee(false);
}

void Form3::showRunningTotals()
{
    ui.lblRunningTotals->setText(program.accountTotals.text());
}

void Form3::cmdImportEmployees_Click()
{
    const QString title = QStringLiteral("Import Employees");
    const QString fileName = program.desktop().chooseFileToOpen(
        title, QStringLiteral("Spreadsheet files (*.csv *.CSV *.txt *.TXT);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    FileError error;
    if (!readFileBytes(fileName, bytes, error)) {
        program.desktop().tell(
            QStringLiteral("The file %1 could not be read.\n\n%2").arg(fileName, errorText(error)),
            title);
        return;
    }

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
        program.accountTotals.addEmployee(employee.ssn, employee.grossWages, employee.taxableWages);
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
