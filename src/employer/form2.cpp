#include "employer/form2.h"

#include "app/neededroutines.h"
#include "app/program.h"
#include "rules/records.h"
#include "validation/fielddisplay.h"

#include <QCloseEvent>

Form2::Form2(Program &program) : program(program)
{
    ui.setupUi(this);
    setUpScreen(this);

    // The current calendar year and the seven before it, newest first.
    const int currentYear = program.today().year();
    ui.lstYear->clear();
    for (int i = 0; i <= 7; ++i)
        ui.lstYear->addItem(QString::number(currentYear - i));

    ui.lblMessage->setText(QStringLiteral("The filing type is ") + program.filingTypeWord() + u'.');

    ui.cmdCreateELine->setFocus();
    connect(ui.cmdCreateELine, &QPushButton::clicked, this, &Form2::cmdCreateELine_Click);
}

QString Form2::makeELine(const QString &accountNumber, const QString &fein,
                         const QString &quarterYear, const QString &firstMonth,
                         const QString &secondMonth, const QString &thirdMonth,
                         const QString &grossWages, const QString &employeeWithholding,
                         const QString &taxableWages, const QString &employerContributions)
{
    return Records::eLine(accountNumber, fein, quarterYear, firstMonth, secondMonth, thirdMonth,
                          grossWages, employeeWithholding, taxableWages, employerContributions);
}

QString Form2::quarterYearCode() const
{
    return selectedText(ui.lstQuarter).left(1) + selectedText(ui.lstYear);
}

void Form2::cmdCreateELine_Click()
{
    const bool good = cNeededRoutines(program).E_lineGood();
    program.addAnotherAccount = false;
    if (!good)
        return;

    const QString line =
        makeELine(ui.txtEAN->text(), ui.txtFEIN->text(), quarterYearCode(),
                  ui.txtFirstMonth->text(), ui.txtSecondMonth->text(), ui.txtThirdMonth->text(),
                  ui.txtGrossWages->text(), ui.txtEmployeeWithholding->text(),
                  ui.txtTaxableWages->text(), ui.txtEmployerContributions->text());
    if (!cNeededRoutines(program).writeToFile(program.sOutFileName, line, QStringLiteral("A")))
        return;
    program.accountTotals.startAccount(ui.txtThirdMonth->text(), ui.txtGrossWages->text(),
                                       ui.txtTaxableWages->text());

    hide();
    cNeededRoutines(program).addEmployee(program.numberOFEmployee <= 0);
}

void Form2::closeEvent(QCloseEvent *event)
{
    // One click must not throw hours of typing away: closing the window asks first, and No keeps
    // the screen as it was. The working file keeps every record written so far either way.
    event->ignore();
    program.askToEndProgram();
}
