#include "app/neededroutines.h"
#include "app/program.h"
#include "rules/contactrules.h"
#include "contact/form1.h"
#include "validation/fielddisplay.h"

bool cNeededRoutines::A_lineGood()
{
    // Every rule runs, so one press marks every wrong field.
    const bool name = goodContactName();
    const bool phone = goodContactPhone();
    const bool email = goodContactEmail();
    const bool extension = goodPhoneExt();
    return name && phone && email && extension;
}

bool cNeededRoutines::goodContactName()
{
    auto &ui = program.form1().ui;
    return showFieldVerdict(ui.lblContactNameError, ui.txtContactName,
                            ContactRules::contactName(ui.txtContactName->text()));
}

bool cNeededRoutines::goodContactPhone()
{
    auto &ui = program.form1().ui;
    return showFieldVerdict(ui.lblContactPhoneError, ui.txtContactPhone,
                            ContactRules::contactPhone(ui.txtContactPhone->text()));
}

bool cNeededRoutines::goodContactEmail()
{
    auto &ui = program.form1().ui;
    return showFieldVerdict(ui.lblEmailError, ui.txtContactEmail,
                            ContactRules::contactEmail(ui.txtContactEmail->text()));
}

bool cNeededRoutines::goodPhoneExt()
{
    auto &ui = program.form1().ui;
    return showFieldVerdict(ui.lblphoneExtError, ui.txtPhoneExt,
                            ContactRules::phoneExtension(ui.txtPhoneExt->text()));
}
