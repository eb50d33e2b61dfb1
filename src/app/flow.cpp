// The questions between the screens, which decide whether another employee or another account
// follows, and so the order of the records: A, then per account its E record and its S records.

#include "app/desktop.h"
#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"

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
    program.form1().hide();
    employer.show();
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
