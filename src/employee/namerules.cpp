#include "app/neededroutines.h"
#include "validation/checkstring.h"

// Only the first apostrophe is examined: it may not stand beside a space or end the name. A name
// that starts with an apostrophe has nothing before it to examine and passes that step.
bool cNeededRoutines::checkForGoodApostropheInEmployeeLastName(QStringView sFieldIn)
{
    const qsizetype at = trimSpaces(sFieldIn).indexOf(u'\'');
    if (at < 0)
        return true;
    if (at >= 1 && at - 1 < sFieldIn.size() && sFieldIn.at(at - 1) == u' ')
        return false;
    if (sFieldIn.size() < at + 2)
        return false;
    return sFieldIn.at(at + 1) != u' ';
}

// A last name may hold up to two hyphens: LASTNAME-COMPOUNDNAME-SUFFIX.
bool cNeededRoutines::checkForOneOrLessHyphensInEmployeeLastNameField(QStringView sFieldIn)
{
    return sFieldIn.count(u'-') <= 2;
}

bool cNeededRoutines::checkForTwoHyphensInARow(QStringView sFieldIn)
{
    return !sFieldIn.contains(QLatin1String("--"));
}
