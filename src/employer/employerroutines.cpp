#include "app/neededroutines.h"
#include "app/program.h"
#include "rules/employerrules.h"
#include "employer/form2.h"
#include "validation/fielddisplay.h"

#include <algorithm>

bool cNeededRoutines::E_lineGood()
{
    // Every rule runs, so one press marks every wrong field.
    const bool results[] = {goodQuarterYear(),  goodEAN(),
                            goodFEIN(),         goodFirstMonth(),
                            goodSecondMonth(),  goodThirdMonth(),
                            goodGrossWages(),   goodEmployeeWithholding(),
                            goodTaxableWages(), goodEmployerContributions()};
    return std::all_of(std::begin(results), std::end(results), [](bool passed) { return passed; });
}

bool cNeededRoutines::goodQuarterYear()
{
    auto &ui = program.form2().ui;
    const EmployerRules::QuarterYearVerdict verdict = EmployerRules::quarterYear(
        !selectedText(ui.lstQuarter).isEmpty(), !selectedText(ui.lstYear).isEmpty());
    ui.lblQuarterYear_errorMessage->setText(verdict.message);
    if (!verdict.message.isEmpty())
        ui.lblQuarterYear_errorMessage->setVisible(true);
    if (verdict.markQuarter)
        markField(ui.lstQuarter, verdict.message);
    else
        unmarkField(ui.lstQuarter);
    if (verdict.markYear)
        markField(ui.lstYear, verdict.message);
    else
        unmarkField(ui.lstYear);
    return verdict.message.isEmpty();
}

bool cNeededRoutines::goodEAN()
{
    auto &ui = program.form2().ui;
    const bool passed = showFieldVerdict(ui.lblEAN_errorMessage, ui.txtEAN,
                                         EmployerRules::accountNumber(ui.txtEAN->text()));
    // The label starts hidden and, once shown by a failure, stays visible.
    if (!passed)
        ui.lblEAN_errorMessage->setVisible(true);
    return passed;
}

bool cNeededRoutines::goodFEIN()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.lblFEINError, ui.txtFEIN, EmployerRules::fein(ui.txtFEIN->text()));
}

bool cNeededRoutines::goodFirstMonth()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.lblFirstMonth_errorMessage, ui.txtFirstMonth,
                            EmployerRules::firstMonth(ui.txtFirstMonth->text()));
}

bool cNeededRoutines::goodSecondMonth()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.lblSecondMonth_errorMessage, ui.txtSecondMonth,
                            EmployerRules::secondMonth(ui.txtSecondMonth->text()));
}

bool cNeededRoutines::goodThirdMonth()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.lblThirdMonth_errorMessage, ui.txtThirdMonth,
                            EmployerRules::thirdMonth(ui.txtThirdMonth->text()));
}

bool cNeededRoutines::goodGrossWages()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.txtGrossWages_errorMessage, ui.txtGrossWages,
                            EmployerRules::grossWages(ui.txtGrossWages->text(),
                                                      ui.txtTaxableWages->text(),
                                                      ui.txtEmployeeWithholding->text()));
}

bool cNeededRoutines::goodEmployeeWithholding()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.txtEmployeeWithholding_errorMessage, ui.txtEmployeeWithholding,
                            EmployerRules::employeeWithholding(ui.txtEmployeeWithholding->text(),
                                                               ui.txtGrossWages->text()));
}

bool cNeededRoutines::goodTaxableWages()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.txtTaxableWages_errorMessage, ui.txtTaxableWages,
                            EmployerRules::taxableWages(ui.txtTaxableWages->text(),
                                                        ui.txtGrossWages->text(),
                                                        ui.txtEmployerContributions->text()));
}

bool cNeededRoutines::goodEmployerContributions()
{
    auto &ui = program.form2().ui;
    return showFieldVerdict(ui.txtEmployerContributions_errorMessage, ui.txtEmployerContributions,
                            EmployerRules::employerContributions(
                                ui.txtEmployerContributions->text(), ui.txtTaxableWages->text()));
}

void cNeededRoutines::clearForm2()
{
    // Entries only: labels, colours and the filing type line stay as they are.
    auto &ui = program.form2().ui;
    emptyList(ui.lstQuarter);
    ui.txtFEIN->clear();
    emptyList(ui.lstYear);
    for (QLineEdit *box :
         {ui.txtEAN, ui.txtFirstMonth, ui.txtSecondMonth, ui.txtThirdMonth, ui.txtGrossWages,
          ui.txtEmployeeWithholding, ui.txtTaxableWages, ui.txtEmployerContributions})
        box->clear();
    program.numberOFEmployee = 0;
}
