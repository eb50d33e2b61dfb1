#include "app/neededroutines.h"
#include "app/program.h"
#include "display/fieldmarks.h"
#include "employee/form3.h"
#include "rules/employeerules.h"

bool cNeededRoutines::S_lineGood()
{
    return checkEveryField(program.form3(), EmployeeRules::fields);
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
