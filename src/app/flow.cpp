// The questions between the screens, which decide whether another employee or another account
// follows, and so the order of the records: A, then per account its E record and its S records.

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"
#include "rules/finding.h"

#include <QFileInfo>

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
    program.addAnotherAccount = true;
    cNeededRoutines(program).clearForm2();
    Form2 &employer = program.form2();
    employer.setMessage(QStringLiteral("Just a reminder the type of filing for this file is ") +
                        program.filingTypeWord() +
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
// question that follows its last record is asked, or the employer screen shows when it holds
// only the A record. The file is read as tavo-check reads a report; its errors stop it, its
// warnings do not, nor the lack of an account.
void cNeededRoutines::resumeFiling(const QString &fileName)
{
    const QString title = QStringLiteral("Resume Unfinished Report");
    QByteArray bytes;
    if (!readChosenFile(fileName, title, bytes))
        return;
    const std::optional<Filing> filing = readFiling(bytes);
    if (!bytes.startsWith("A,")) {
        program.desktop().tell(
            QStringLiteral("The file %1 holds no report to resume.").arg(fileName), title);
        return;
    }
    const QStringList findings = firstFindings(bytes, fileName, [](const Finding &finding) {
        return finding.severity == Severity::Error && finding.line > 0;
    });
    if (!findings.isEmpty() || !filing) {
        program.desktop().tell(QStringLiteral("The file %1 cannot be resumed:\n").arg(fileName) +
                                   findings.join(u'\n'),
                               title);
        return;
    }
    const QString working = program.sOutFileName;
    if (QFileInfo(fileName).absoluteFilePath() != QFileInfo(working).absoluteFilePath()) {
        if (!keepUnfinishedFiling(working) || !rewriteFile(working, bytes))
            return;
    }
    program.reportingTypeCode = filing->contact.filingType;
    program.takeFiling(*filing);
    if (filing->accounts.isEmpty())
        return showFirstAccount();
    program.form1().hide();
    addEmployee(filing->accounts.last().employees.isEmpty());
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
    program.addAnotherAccount = false;
    if (program.desktop().ask(accountQuestion)) {
        bringBackEmployerScreen(program);
        return;
    }
    program.addAnotherAccount = false;
    hideEmployeeScreen(program);
    openNamingScreen(program);
}

// Both questions in one call. The screens do not use it; it stays for callers that want the
// employee and account questions asked together.
void cNeededRoutines::doneAddingEmployees()
{
    program.addAnotherAccount = false;
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
