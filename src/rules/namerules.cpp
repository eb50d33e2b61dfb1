#include "rules/namerules.h"

#include "rules/spaces.h"

#include <algorithm>

// Only the first apostrophe is examined: it may not stand beside a space or end the name. A name
// that starts with an apostrophe has nothing before it to examine and passes that step.
bool checkForGoodApostropheInEmployeeLastName(QStringView sFieldIn)
{
    // The whole test looks at the text without its surrounding spaces.
    const QStringView name = trimSpaces(sFieldIn);
    const qsizetype at = name.indexOf(u'\'');
    if (at < 0)
        return true;
    if (at >= 1 && name[at - 1] == u' ')
        return false;
    return at + 1 < name.size() && name[at + 1] != u' ';
}

bool checkForOneOrLessHyphensInEmployeeLastNameField(QStringView sFieldIn)
{
    return std::count(sFieldIn.begin(), sFieldIn.end(), u'-') <= 2;
}

bool checkForTwoHyphensInARow(QStringView sFieldIn)
{
    for (qsizetype i = 1; i < sFieldIn.size(); ++i) {
        if (sFieldIn[i] == u'-' && sFieldIn[i - 1] == u'-')
            return false;
    }
    return true;
}
