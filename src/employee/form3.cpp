#include "employee/form3.h"

#include "app/neededroutines.h"
#include "app/program.h"
#include "employer/form2.h"
#include "rules/records.h"
#include "rules/checkstring.h"
#include "validation/fielddisplay.h"

#include <QCloseEvent>

Form3::Form3(Program &program) : program(program)
{
    ui.setupUi(this);
    nameEntriesAfterTheirCaptions(this);
    connect(ui.cmdAddEmployee, &QPushButton::clicked, this, &Form3::cmdAddEmployee_Click);
}

QString Form3::makeSLine(const QString &accountNumber, const QString &ssn, const QString &lastName,
                         const QString &firstName, const QString &middleName,
                         const QString &grossWages, const QString &taxableWages,
                         const QString &creditWeeks)
{
    return Records::sLine(accountNumber, ssn, lastName, firstName, middleName, grossWages,
                          taxableWages, creditWeeks);
}

QString Form3::accountInformation() const
{
    const Ui::Form2 &employer = program.form2().ui;
    return QStringLiteral("Account Number: ") + employer.txtEAN->text() +
           QStringLiteral("\r\nQuarter/Year: ") + selectedText(employer.lstQuarter).left(1) + u'/' +
           selectedText(employer.lstYear) + QStringLiteral("\r\nFile Type: ") +
           program.filingTypeWord();
}

void Form3::bringUp()
{
    // Composed each time, so every account shows its own number, quarter and year.
    ui.lblEANInfo->setText(accountInformation());
    show();
    raise();
    activateWindow();
    ui.txtSSN->setFocus();
}

void Form3::cmdAddEmployee_Click()
{
    if (!cNeededRoutines(program).S_lineGood())
        return;

    const QString line =
        makeSLine(program.form2().ui.txtEAN->text(), ui.txtSSN->text(), ui.txtEmpLastName->text(),
                  ui.txtEmpFirstName->text(), ui.txtEmployeeMiddleName->text(),
                  ui.txtEmployeeGrossWages->text(), ui.txtEmpTaxableWages->text(),
                  ui.txtEmployeeCreditWeek->text());
    if (!cNeededRoutines(program).writeToFile(program.sOutFileName, line, QStringLiteral("A")))
        return;

    ++program.numberOFEmployee;
    cNeededRoutines(program).addEmployee(false);
}

void Form3::closeEvent(QCloseEvent *event)
{
    // Closing the window ends the run; the working file keeps every record written so far.
    event->accept();
    program.endProgram();
}
