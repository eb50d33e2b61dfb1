#include "app/neededroutines.h"
#include "app/program.h"
#include "display/fieldmarks.h"
#include "employer/form2.h"

bool cNeededRoutines::E_lineGood()
{
    return checkEveryField(program.form2(), EmployerRules::fields);
}

bool cNeededRoutines::goodQuarterYear()
{
    return checkField(program.form2(), EmployerRules::quarterYear);
}

bool cNeededRoutines::goodEAN()
{
    return checkField(program.form2(), EmployerRules::accountNumber);
}

bool cNeededRoutines::goodFEIN()
{
    return checkField(program.form2(), EmployerRules::fein);
}

bool cNeededRoutines::goodFirstMonth()
{
    return checkField(program.form2(), EmployerRules::firstMonth);
}

bool cNeededRoutines::goodSecondMonth()
{
    return checkField(program.form2(), EmployerRules::secondMonth);
}

bool cNeededRoutines::goodThirdMonth()
{
    return checkField(program.form2(), EmployerRules::thirdMonth);
}

bool cNeededRoutines::goodGrossWages()
{
    return checkField(program.form2(), EmployerRules::grossWages);
}

bool cNeededRoutines::goodEmployeeWithholding()
{
    return checkField(program.form2(), EmployerRules::employeeWithholding);
}

bool cNeededRoutines::goodTaxableWages()
{
    return checkField(program.form2(), EmployerRules::taxableWages);
}

bool cNeededRoutines::goodEmployerContributions()
{
    return checkField(program.form2(), EmployerRules::employerContributions);
}

void cNeededRoutines::clearForm2()
{
    // Entries only: labels, colours and the filing type line stay as they are.
    program.form2().clearEntries();
    program.numberOFEmployee = 0;
}
