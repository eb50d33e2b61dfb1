#include "app/neededroutines.h"
#include "app/program.h"
#include "employee/form3.h"
#include "rules/employeerules.h"
#include "rules/namerules.h"
#include "validation/fielddisplay.h"

#include <algorithm>

bool cNeededRoutines::S_lineGood()
{
    // Every rule runs, so one press marks every wrong field.
    const bool results[] = {goodSSN(),           goodEmpLastName(),   goodEmpFirstName(),
                            goodEmpMiddleName(), goodEmpGrossWages(), goodEmpTaxableWages(),
                            goodEmpCreditWeeks()};
    return std::all_of(std::begin(results), std::end(results), [](bool passed) { return passed; });
}

bool cNeededRoutines::goodSSN()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblSSN_errorMesage, ui.txtSSN,
                            EmployeeRules::ssn(ui.txtSSN->text()));
}

bool cNeededRoutines::goodEmpLastName()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblEmpLastName_errorMessage, ui.txtEmpLastName,
                            EmployeeRules::lastName(ui.txtEmpLastName->text()));
}

bool cNeededRoutines::goodEmpFirstName()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblEmpFirstName_errorMessage, ui.txtEmpFirstName,
                            EmployeeRules::firstName(ui.txtEmpFirstName->text()));
}

bool cNeededRoutines::goodEmpMiddleName()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblEmployeMiddleName_errorMessage, ui.txtEmployeeMiddleName,
                            EmployeeRules::middleName(ui.txtEmployeeMiddleName->text()));
}

bool cNeededRoutines::goodEmpGrossWages()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(
        ui.lblEmployeeGrossWages_errorMessage, ui.txtEmployeeGrossWages,
        EmployeeRules::grossWages(ui.txtEmployeeGrossWages->text(), ui.txtEmpTaxableWages->text()));
}

bool cNeededRoutines::goodEmpTaxableWages()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblEmpTaxableWages_errorMessage, ui.txtEmpTaxableWages,
                            EmployeeRules::taxableWages(ui.txtEmpTaxableWages->text(),
                                                        ui.txtEmployeeGrossWages->text()));
}

bool cNeededRoutines::goodEmpCreditWeeks()
{
    auto &ui = program.form3().ui;
    return showFieldVerdict(ui.lblEmployeeCreditWeek_errorMessage, ui.txtEmployeeCreditWeek,
                            EmployeeRules::creditWeeks(ui.txtEmployeeCreditWeek->text()));
}

void cNeededRoutines::clearForm3()
{
    // Entries only: labels, colours, the information label and the count stay as they are.
    auto &ui = program.form3().ui;
    for (QLineEdit *box :
         {ui.txtSSN, ui.txtEmpLastName, ui.txtEmpFirstName, ui.txtEmployeeMiddleName,
          ui.txtEmployeeGrossWages, ui.txtEmpTaxableWages, ui.txtEmployeeCreditWeek})
        box->clear();
}

// The name rules live in the rules layer; these keep their old home working.
bool cNeededRoutines::checkForGoodApostropheInEmployeeLastName(QStringView sFieldIn)
{
    return ::checkForGoodApostropheInEmployeeLastName(sFieldIn);
}

bool cNeededRoutines::checkForOneOrLessHyphensInEmployeeLastNameField(QStringView sFieldIn)
{
    return ::checkForOneOrLessHyphensInEmployeeLastNameField(sFieldIn);
}

bool cNeededRoutines::checkForTwoHyphensInARow(QStringView sFieldIn)
{
    return ::checkForTwoHyphensInARow(sFieldIn);
}
