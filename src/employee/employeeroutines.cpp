#include "app/neededroutines.h"
#include "app/program.h"
#include "employee/form3.h"
#include "rules/employeerules.h"
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
    return checkField(program.form3(), EmployeeRules::ssn);
}

bool cNeededRoutines::goodEmpLastName()
{
    return checkField(program.form3(), EmployeeRules::lastName);
}

bool cNeededRoutines::goodEmpFirstName()
{
    return checkField(program.form3(), EmployeeRules::firstName);
}

bool cNeededRoutines::goodEmpMiddleName()
{
    return checkField(program.form3(), EmployeeRules::middleName);
}

bool cNeededRoutines::goodEmpGrossWages()
{
    return checkField(program.form3(), EmployeeRules::grossWages);
}

bool cNeededRoutines::goodEmpTaxableWages()
{
    return checkField(program.form3(), EmployeeRules::taxableWages);
}

bool cNeededRoutines::goodEmpCreditWeeks()
{
    return checkField(program.form3(), EmployeeRules::creditWeeks);
}

void cNeededRoutines::clearForm3()
{
    // Entries only: labels, colours, the information label and the count stay as they are.
    program.form3().clearEntries();
}
