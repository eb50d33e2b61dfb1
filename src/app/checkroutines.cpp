// The screen checks: each field routine runs its field's rule on the screen's entries and has the
// screen show the verdict; a screen's check runs every field of its table, so one press marks
// every wrong field.

#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "display/fieldmarks.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"

bool cNeededRoutines::A_lineGood()
{
    return checkEveryField(program.form1(), ContactRules::fields);
}

bool cNeededRoutines::goodContactName()
{
    return checkField(program.form1(), ContactRules::contactName);
}

bool cNeededRoutines::goodContactPhone()
{
    return checkField(program.form1(), ContactRules::contactPhone);
}

bool cNeededRoutines::goodContactEmail()
{
    return checkField(program.form1(), ContactRules::contactEmail);
}

bool cNeededRoutines::goodPhoneExt()
{
    return checkField(program.form1(), ContactRules::phoneExtension);
}

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
    program.state.numberOFEmployee = 0;
}

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

bool cNeededRoutines::goodFileName()
{
    // Every rule that applies runs, so one press marks every wrong entry. Without a filer kind
    // the number is not examined: the missing choice has already failed.
    const bool filerKind = goodEmployerOrTPA();
    const bool method = goodFTPorUpload();
    bool number = true;
    switch (program.formNameFile().entries().filerKind) {
    case FilerKind::Employer:
        number = goodFileNameEAN();
        break;
    case FilerKind::Tpa:
        number = goodTPAID();
        break;
    case FilerKind::None:
        break;
    }
    const bool sequence = goodSequenceNumber();
    return filerKind && method && number && sequence;
}

bool cNeededRoutines::goodEmployerOrTPA()
{
    return checkField(program.formNameFile(), NamingRules::employerOrTPA);
}

bool cNeededRoutines::goodFTPorUpload()
{
    return checkField(program.formNameFile(), NamingRules::ftpOrUpload);
}

// The account number and the TPAID share one box, one label and one rule: the number's, which
// the filer kind chosen makes the one or the other.
bool cNeededRoutines::goodFileNameEAN()
{
    return checkField(program.formNameFile(), NamingRules::number);
}

bool cNeededRoutines::goodTPAID()
{
    return checkField(program.formNameFile(), NamingRules::number);
}

bool cNeededRoutines::goodSequenceNumber()
{
    return checkField(program.formNameFile(), NamingRules::sequenceNumber);
}
