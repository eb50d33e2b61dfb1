#include "app/screenflow.h"

#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "desktop/desktop.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"
#include "output/diskfile.h"
#include "output/workingfile.h"
#include "review/reviewfiling.h"
#include "rules/employeeimport.h"
#include "rules/filingrules.h"
#include "rules/records.h"
#include "rules/reportreader.h"
#include "rules/spaces.h"

namespace
{

// Contact screen: the A record is written as the first line of a fresh working file, and the
// first account begins.
void contactContinue(Program &program)
{
    if (!cNeededRoutines(program).A_lineGood())
        return;
    FilingState &state = program.state;
    state.tempLine = Records::makeLine(program.form1().entries());
    if (!cNeededRoutines(program).writeToFile(state.sOutFileName, state.tempLine,
                                              QStringLiteral("W")))
        return;
    cNeededRoutines(program).showFirstAccount();
}

void resumeReport(Program &program)
{
    const QString fileName = program.desktop().chooseFileToOpen(
        QStringLiteral("Resume Unfinished Report"),
        QStringLiteral("Working files (testFile.TXT testFile.TXT.previous*)"));
    if (!fileName.isEmpty())
        cNeededRoutines(program).resumeFiling(fileName);
}

void fromPreviousReport(Program &program)
{
    const QString fileName = program.desktop().chooseFileToOpen(
        QStringLiteral("Start from Previous Report"), QStringLiteral("Report files (*.CSV *.csv)"));
    if (!fileName.isEmpty())
        cNeededRoutines(program).startFromPreviousReport(fileName);
}

// Employer screen: the E record is appended and the account's employees are asked about.
void employerContinue(Program &program)
{
    FilingState &state = program.state;
    const bool good = cNeededRoutines(program).E_lineGood();
    state.addAnotherAccount = false;
    if (!good)
        return;

    const EmployerEntries account = program.form2().entries();
    // An account this filing holds already is filed again only when the user says so.
    if (state.filedAccounts.contains(trimSpaces(account.accountNumber)) &&
        !program.desktop().ask(FilingRules::fileAccountAgainQuestion(account.accountNumber),
                               QString(), false))
        return;
    if (!cNeededRoutines(program).writeToFile(state.sOutFileName, Records::makeLine(account),
                                              QStringLiteral("A")))
        return;
    state.startAccount(account);

    program.form2().hide();
    cNeededRoutines(program).addEmployee(state.numberOFEmployee <= 0);
}

// Employee screen: the S record is appended, the employee counted, and the next one asked about.
void addEmployee(Program &program)
{
    if (!cNeededRoutines(program).S_lineGood())
        return;

    FilingState &state = program.state;
    const EmployeeEntries employee = program.form3().entries();
    // An SSN the account holds already is written again only when the user says so.
    const QString ssn = rightTrimSpaces(employee.ssn);
    const SsnIndex &written = state.accountTotals.ssns();
    if (written.contains(ssn) &&
        !program.desktop().ask(FilingRules::addSsnAgainQuestion(ssn, written.nameOf(ssn)),
                               QString(), false))
        return;
    if (!cNeededRoutines(program).writeToFile(state.sOutFileName, Records::makeLine(employee),
                                              QStringLiteral("A")))
        return;

    ++state.numberOFEmployee;
    state.accountTotals.addEmployee(employee);
    program.form3().showAccount();
    cNeededRoutines(program).addEmployee(false);
}

void saveWageTemplate(Program &program)
{
    const FilingState &state = program.state;
    if (!state.previousAccount())
        return;
    const QString title = QStringLiteral("Save Wage Template");
    const QString fileName = program.desktop().chooseFileToSave(
        title, QStringLiteral("Spreadsheet files (*.csv)"),
        QStringLiteral("wages %1.csv").arg(state.currentAccount.accountNumber));
    if (fileName.isEmpty())
        return;
    FileError error;
    if (!replaceFile(fileName, EmployeeImport::wageTemplate(state.stillToEnter()), error))
        program.desktop().tell(QStringLiteral("The file %1 could not be written.\n\n%2")
                                   .arg(fileName, errorText(error)),
                               title);
}

// The employees of a spreadsheet file, all of them or none.
void importEmployees(Program &program)
{
    const QString title = QStringLiteral("Import Employees");
    Desktop &desktop = program.desktop();
    const QString fileName = desktop.chooseFileToOpen(
        title, QStringLiteral("Spreadsheet files (*.csv *.CSV *.txt *.TXT);;All files (*)"));
    if (fileName.isEmpty())
        return;
    QByteArray bytes;
    if (!cNeededRoutines(program).readChosenFile(fileName, title, bytes))
        return;

    // Every line through the rules first; nothing is written unless all of them pass.
    FilingState &state = program.state;
    const QString &account = state.currentAccount.accountNumber;
    const EmployeeImport::Result result =
        EmployeeImport::importEmployees(bytes, account, state.accountTotals.ssns());
    if (!result.findings.isEmpty()) {
        QStringList lines;
        for (const Finding &finding : result.findings)
            lines.append(findingText(finding));
        desktop.showFindings(title, QStringLiteral("Nothing was imported."), lines);
        return;
    }
    // A first line skipped as column names is said, so a typo there cannot lose an employee.
    const QString header = result.headerSkipped
                               ? QStringLiteral("\n\nThe first line was read as column names.")
                               : QString();
    if (result.employees.isEmpty()) {
        desktop.tell(QStringLiteral("The file %1 holds no employees.").arg(fileName) + header,
                     title);
        return;
    }
    // A sheet of another account's employees, by the previous report, is imported only on Yes.
    if (state.previousReport) {
        const QString listedUnder = FilingRules::otherAccountOfEmployees(
            state.previousReport->filing, account, result.employees);
        if (!listedUnder.isEmpty() &&
            !desktop.ask(FilingRules::importIntoAccountQuestion(listedUnder, account), QString(),
                         false))
            return;
    }
    QStringList records;
    for (const EmployeeEntries &employee : result.employees)
        records.append(Records::makeLine(employee));
    if (!cNeededRoutines(program).writeLinesToFile(state.sOutFileName, records))
        return;

    state.numberOFEmployee += qint32(result.employees.size());
    for (const EmployeeEntries &employee : result.employees)
        state.accountTotals.addEmployee(employee);
    program.form3().showAccount();
    // Without a title of its own, like the questions of the flow that follow it.
    desktop.tell(
        (result.employees.size() == 1
             ? QStringLiteral("1 employee was imported.")
             : QStringLiteral("%1 employees were imported.").arg(result.employees.size())) +
        header);
    cNeededRoutines(program).addEmployee(false);
}

// Review Filing over the employee screen, on the working file's filing; each correction it
// accepts rewrites the working file. Closed, the employee screen shows what the corrections made
// of the account at hand.
void reviewFiling(Program &program)
{
    const QString &working = program.state.sOutFileName;
    std::optional<Filing> filing;
    {
        QByteArray bytes; // gone before the window is made
        FileError error;
        if (readFileBytes(working, bytes, error))
            filing = readReport(bytes, working, Reading::FilingAlone).filing;
    }
    if (!filing) {
        program.desktop().tell(
            QStringLiteral("The working file %1 holds no filing to review.").arg(working),
            QStringLiteral("Review Filing"));
        return;
    }
    Form3 &employee = program.form3();
    auto *review = new ReviewFiling(
        program.state, program.desktop(),
        [&program](const QByteArray &records) {
            return cNeededRoutines(program).rewriteFile(program.state.sOutFileName, records);
        },
        &employee);
    review->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(review, &QDialog::finished, &employee, &Form3::showAccount);
    review->setFiling(*filing);
    review->open();
}

// Naming screen: the report file named and made, or the user starts again.
void nameFileContinue(Program &program)
{
    FormNameFile &naming = program.formNameFile();
    FilingState &state = program.state;
    if (!naming.choicesKnown())
        return program.endOnProgramFault(
            QStringLiteral("The naming screen offers a choice this program does not know, "
                           "so no report file was made. The working file %1 still holds "
                           "every record.")
                .arg(state.sOutFileName));
    state.badName = false;
    if (cNeededRoutines(program).goodFileName()) {
        const NamingEntries entries = naming.entries();
        cNeededRoutines(program).nameFile(state.reportingTypeCode, entries.number,
                                          entries.sequenceNumber.toUpper());
        return;
    }
    state.badName = true;
    program.desktop().tell(QStringLiteral("File name was bad please try naming it again."));
    if (!program.hasEnded()) // the marks were seen while the message was up
        naming.startAgain();
}

} // namespace

void ScreenFlow::connect(Program &program, Form1 &screen)
{
    Form1 *form = &screen;
    Program *p = &program;
    QObject::connect(form, &Form1::cmdCreateALine_Click, form, [p] { contactContinue(*p); });
    QObject::connect(form, &Form1::cmdEnd_Click, form, [p] { p->askToEndProgram(); });
    QObject::connect(form, &Form1::cmdResumeReport_Click, form, [p] { resumeReport(*p); });
    QObject::connect(form, &Form1::cmdFromPreviousReport_Click, form,
                     [p] { fromPreviousReport(*p); });
    QObject::connect(form, &Form1::closed, form, [p] { p->endProgram(); });
}

void ScreenFlow::connect(Program &program, Form2 &screen)
{
    Form2 *form = &screen;
    Program *p = &program;
    QObject::connect(form, &Form2::cmdCreateELine_Click, form, [p] { employerContinue(*p); });
    QObject::connect(form, &Form2::closeAsked, form, [p] { p->askToEndProgram(); });
}

void ScreenFlow::connect(Program &program, Form3 &screen)
{
    Form3 *form = &screen;
    Program *p = &program;
    QObject::connect(form, &Form3::cmdAddEmployee_Click, form, [p] { addEmployee(*p); });
    QObject::connect(form, &Form3::cmdImportEmployees_Click, form, [p] { importEmployees(*p); });
    QObject::connect(form, &Form3::cmdReviewEmployees_Click, form, [p] { reviewFiling(*p); });
    QObject::connect(form, &Form3::cmdSaveTemplate_Click, form, [p] { saveWageTemplate(*p); });
    QObject::connect(form, &Form3::closeAsked, form, [p] { p->askToEndProgram(); });
}

void ScreenFlow::connect(Program &program, FormNameFile &screen)
{
    FormNameFile *form = &screen;
    Program *p = &program;
    QObject::connect(form, &FormNameFile::cmdNameFile_Click, form, [p] { nameFileContinue(*p); });
    // Closing the window (its frame button, Alt+F4) ends the run without a report file.
    QObject::connect(form, &QDialog::rejected, form, [p] { p->endProgram(); });
}
