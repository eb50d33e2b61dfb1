#include "app/neededroutines.h"
#include "app/program.h"
#include "output/formnamefile.h"
#include "rules/namingrules.h"
#include "validation/fielddisplay.h"

bool cNeededRoutines::goodFileName()
{
    // Every rule that applies runs, so one press marks every wrong entry. Without a filer kind
    // the number is not examined: the missing choice has already failed.
    const bool filerKind = goodEmployerOrTPA();
    const bool method = goodFTPorUpload();
    const QString kind = selectedText(program.formNameFile().ui.lstEmployeOrTPA);
    bool number = true;
    if (kind == QLatin1String("Employer"))
        number = goodFileNameEAN();
    else if (kind == QLatin1String("TPA"))
        number = goodTPAID();
    const bool sequence = goodSequenceNumber();
    return filerKind && method && number && sequence;
}

bool cNeededRoutines::goodEmployerOrTPA()
{
    auto &ui = program.formNameFile().ui;
    return showFieldVerdict(ui.employerOrTPA_errorMessage, nullptr,
                            NamingRules::employerOrTPA(selectedText(ui.lstEmployeOrTPA)));
}

bool cNeededRoutines::goodFTPorUpload()
{
    auto &ui = program.formNameFile().ui;
    return showFieldVerdict(ui.lblFTPorUPLOAD_errorMessage, nullptr,
                            NamingRules::ftpOrUpload(selectedText(ui.lstFTPorUPLOAD)));
}

bool cNeededRoutines::goodFileNameEAN()
{
    auto &ui = program.formNameFile().ui;
    return showFieldVerdict(ui.lblEANorTPAIDerrorMessage, ui.EAN_TPAID,
                            NamingRules::accountNumber(ui.EAN_TPAID->text()));
}

bool cNeededRoutines::goodTPAID()
{
    auto &ui = program.formNameFile().ui;
    return showFieldVerdict(ui.lblEANorTPAIDerrorMessage, ui.EAN_TPAID,
                            NamingRules::tpaid(ui.EAN_TPAID->text()));
}

bool cNeededRoutines::goodSequenceNumber()
{
    auto &ui = program.formNameFile().ui;
    return showFieldVerdict(ui.lblSequenceNumber_errorMessage, ui.txtSequenceNumber,
                            NamingRules::sequenceNumber(ui.txtSequenceNumber->text()));
}
