#include "app/neededroutines.h"
#include "app/program.h"
#include "contact/form1.h"
#include "display/fieldmarks.h"

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
