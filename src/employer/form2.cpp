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

EmployerEntries Form2::entries() const
{
    return {selectedText(ui.lstQuarter).left(1),
            selectedText(ui.lstYear),
            ui.txtEAN->text(),
            ui.txtFEIN->text(),
            ui.txtFirstMonth->text(),
            ui.txtSecondMonth->text(),
            ui.txtThirdMonth->text(),
            ui.txtGrossWages->text(),
            ui.txtEmployeeWithholding->text(),
            ui.txtTaxableWages->text(),
            ui.txtEmployerContributions->text()};
}

bool Form2::showVerdict(QString (*rule)(const EmployerEntries &), const QString &message)
{
    const FieldRow<EmployerEntries> &field = fieldWithRule(EmployerRules::fields, rule);
    const bool passed = message.isEmpty();
    constexpr QString (*quarterYear)(const EmployerEntries &) = EmployerRules::quarterYear;
    if (rule == quarterYear) {
        // Only the list that has no choice is marked.
        ui.lblQuarterYear_errorMessage->setText(message);
        const EmployerEntries chosen = entries();
        for (auto [list, missing] : {std::pair(ui.lstQuarter, chosen.quarter.isEmpty()),
                                     std::pair(ui.lstYear, chosen.year.isEmpty())}) {
            if (!passed && missing)
                markField(list, message);
            else
                unmarkField(list);
        }
    } else {
        showFieldVerdict(this, field, message);
    }
    // The account number's label starts hidden; a failure shows it, and it stays visible.
    if (!passed)
        findChild<QLabel *>(QLatin1String(field.errorLabel))->setVisible(true);
    return passed;
}

void Form2::clearEntries()
{
    emptyList(ui.lstQuarter);
    ui.txtFEIN->clear();
    emptyList(ui.lstYear);
    for (QLineEdit *box :
         {ui.txtEAN, ui.txtFirstMonth, ui.txtSecondMonth, ui.txtThirdMonth, ui.txtGrossWages,
          ui.txtEmployeeWithholding, ui.txtTaxableWages, ui.txtEmployerContributions})
        box->clear();
}

void Form2::showQuarterChoice()
{
    ui.lblQuarterFilingFor->setVisible(true);
    ui.lstQuarter->setVisible(true);
}

void Form2::setMessage(const QString &message)
{
    ui.lblMessage->setText(message);
}

void Form2::cmdCreateELine_Click()
{
    const bool good = cNeededRoutines(program).E_lineGood();
    program.addAnotherAccount = false;
    if (!good)
        return;

    const EmployerEntries account = entries();
    const QString line =
        makeELine(account.accountNumber, account.fein, account.quarterYear(), account.firstMonth,
                  account.secondMonth, account.thirdMonth, account.grossWages,
                  account.employeeWithholding, account.taxableWages, account.employerContributions);
    if (!cNeededRoutines(program).writeToFile(program.sOutFileName, line, QStringLiteral("A")))
        return;
    program.startAccount(account);

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
