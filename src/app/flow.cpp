// The questions between the screens, which decide whether another employee or another account
// follows, and so the order of the records: A, then per account its E record and its S records.

#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "desktop/desktop.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"
#include "output/workingfile.h"
#include "rules/counted.h"
#include "rules/finding.h"
#include "rules/reportreader.h"

#include <QFileInfo>

#include <algorithm>

namespace
{

const QString firstEmployeeQuestion = QStringLiteral("Do you have any employees to report?");
const QString furtherEmployeeQuestion = QStringLiteral("Add an additional employee?");
const QString accountQuestion =
    QStringLiteral("Add an additional VL Unemployment Compensation tax account to this file?");

void hideEmployeeScreen(Program &program)
{
    if (program.hasForm3())
        program.form3().hide();
}

// The employer screen comes back emptied for the next account, with a reminder that every
// account of the file shares the filing type.
void bringBackEmployerScreen(Program &program)
{
    program.state.addAnotherAccount = true;
    cNeededRoutines(program).clearForm2();
    Form2 &employer = program.form2();
    employer.setMessage(QStringLiteral("Just a reminder the type of filing for this file is ") +
                        program.state.filingTypeWord() +
                        QStringLiteral(".\r\nAll account in the file must be of the "
                                       "same type."));
    employer.showQuarterChoice();
    employer.offerPreviousAccounts();
    hideEmployeeScreen(program);
    employer.show();
    employer.raise();
    employer.activateWindow();
}

// The naming screen is modal; closing it without a saved report ends the run.
void openNamingScreen(Program &program)
{
    FormNameFile &naming = program.formNameFile();
    naming.setWindowModality(Qt::ApplicationModal);
    naming.show();
    naming.raise();
    naming.activateWindow();
}

} // namespace

// The A record is written: the contact screen goes for good and the first account begins.
void cNeededRoutines::showFirstAccount()
{
    Form2 &employer = program.form2();
    employer.showQuarterChoice();
    employer.offerPreviousAccounts();
    program.form1().hide();
    employer.show();
}

// The filing of the file carries on where the file ends, as if its records had been typed: the
// question that follows its last record is asked over the employee screen, which says what was
// resumed, or the employer screen shows when it holds only the A record. The file is read as
// tavo-check reads a report: its errors stop it, its warnings are asked about (but for the last
// account's totals, which an unfinished account cannot meet yet), the lack of an account is none.
void cNeededRoutines::resumeFiling(const QString &fileName)
{
    const QString title = QStringLiteral("Resume Unfinished Report");
    QByteArray bytes;
    if (!readChosenFile(fileName, title, bytes))
        return;
    const Report report = readReport(bytes, fileName);
    const auto fileFault = [](const Finding &f) {
        return f.severity == Severity::Error && f.line == 0 && f.layout &&
               f.field != QLatin1String("RECORD TYPE");
    };
    const bool noReport = !bytes.startsWith("A,") &&
                          std::none_of(report.findings.begin(), report.findings.end(), fileFault);
    if (noReport) {
        program.desktop().tell(
            QStringLiteral("The file %1 holds no report to resume.").arg(fileName), title);
        return;
    }
    const std::optional<Filing> &filing = report.filing;
    const qint64 lastAccount = report.accounts.isEmpty() ? 0 : report.accounts.last().line;
    const QStringList errors = firstFindings(report.findings, [fileFault](const Finding &f) {
        return f.severity == Severity::Error && (f.line > 0 || fileFault(f));
    });
    if (!errors.isEmpty() || !filing) {
        program.desktop().tell(QStringLiteral("The file %1 cannot be resumed:\n").arg(fileName) +
                                   errors.join(u'\n'),
                               title);
        return;
    }
    const QList<Finding> doubts = doubtsOf(report, [lastAccount](const Finding &f) {
        return f.line != lastAccount || !accountTotalField(f.field);
    });
    const QString name = QFileInfo(fileName).fileName();
    if (!goOnDespite(doubts, QStringLiteral("The file ") + name,
                     QStringLiteral("Resume it anyway?")))
        return;
    const QString working = program.state.sOutFileName;
    if (QFileInfo(fileName).absoluteFilePath() != QFileInfo(working).absoluteFilePath()) {
        // A kept file comes back by renames; any other file is copied in.
        FileError error;
        if (const int age = keptFileAge(working, fileName); age > 0) {
            if (!takeBackKeptFile(working, age, error))
                return program.endOnFileFailure(
                    QStringLiteral("The file %1 could not be taken up again, so "
                                   "nothing was written.")
                        .arg(error.file),
                    error);
        } else if (!moveUnfinishedFilingAside(working) || !rewriteFile(working, bytes, fileName)) {
            return;
        }
    }
    program.state.reportingTypeCode = filing->contact.filingType;
    program.state.carryOnFromFiling(*filing);
    if (filing->accounts.isEmpty())
        return showFirstAccount();
    program.form1().hide();
    Form3 &employee = program.form3();
    employee.bringUp();
    employee.showResumed(QStringLiteral("Resumed %1: %2, %3.")
                             .arg(name, counted(filing->accounts.size(), "account", "accounts"),
                                  counted(filing->employeeCount(), "employee", "employees")));
    addEmployee(filing->accounts.last().employees.isEmpty());
}

// The contact screen's line about an unfinished filing that Resume can carry on: the working
// file's, or else the newest kept one's.
QString cNeededRoutines::unfinishedFilingLine()
{
    const QString working = program.state.sOutFileName;
    for (const QString &name : {working, keptFileName(working, 1)}) {
        QByteArray bytes;
        const std::optional<Filing> filing =
            holdsUnfinishedFiling(name, &bytes)
                ? readReport(bytes, name, Reading::FilingAlone).filing
                : std::nullopt;
        if (filing)
            return QStringLiteral("An unfinished report with %1 and %2 is kept as %3; Resume "
                                  "Unfinished Report\u2026 carries on from it.")
                .arg(counted(filing->accounts.size(), "account", "accounts"),
                     counted(filing->employeeCount(), "employee", "employees"), name);
    }
    return QString();
}

void cNeededRoutines::addEmployee(bool firstEmp)
{
    if (program.desktop().ask(firstEmp ? firstEmployeeQuestion : furtherEmployeeQuestion)) {
        clearForm3();
        program.form3().bringUp();
        return;
    }
    addAnotherAccount();
}

void cNeededRoutines::addAnotherAccount()
{
    program.state.addAnotherAccount = false;
    if (program.desktop().ask(accountQuestion)) {
        bringBackEmployerScreen(program);
        return;
    }
    program.state.addAnotherAccount = false;
    hideEmployeeScreen(program);
    openNamingScreen(program);
}

// Both questions in one call. The screens do not use it; it stays for callers that want the
// employee and account questions asked together.
void cNeededRoutines::doneAddingEmployees()
{
    program.state.addAnotherAccount = false;
    if (program.desktop().ask(furtherEmployeeQuestion)) {
        clearForm3();
        Form3 &employee = program.form3();
        employee.showSsnEntry();
        program.form2().hide();
        employee.bringUp();
        return;
    }
    if (program.desktop().ask(accountQuestion)) {
        bringBackEmployerScreen(program);
        return;
    }
    hideEmployeeScreen(program);
    openNamingScreen(program);
    program.form1().clearFilingTypeSelection();
}
