#include "app/neededroutines.h"
#include "app/program.h"
#include "output/formnamefile.h"
#include "validation/fielddisplay.h"

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

// The account number and the TPAID share one box and one label: the number's row.
bool cNeededRoutines::goodFileNameEAN()
{
    FormNameFile &screen = program.formNameFile();
    return screen.showVerdict(NamingRules::number,
                              NamingRules::accountNumber(QStringView(screen.entries().number)));
}

bool cNeededRoutines::goodTPAID()
{
    FormNameFile &screen = program.formNameFile();
    return screen.showVerdict(NamingRules::number,
                              NamingRules::tpaid(QStringView(screen.entries().number)));
}

bool cNeededRoutines::goodSequenceNumber()
{
    return checkField(program.formNameFile(), NamingRules::sequenceNumber);
}
