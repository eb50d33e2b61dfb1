#include "rules/namerules.h"

#include "rules/checkstring.h"

#include <algorithm>

// Only the first apostrophe is examined: it may not stand beside a space or end the name. A name
// that starts with an apostrophe has nothing before it to examine and passes that step.
bool checkForGoodApostropheInEmployeeLastName(QStringView sFieldIn)
{
    const QStringView trimmed = trimSpaces(sFieldIn);
    const qsizetype at = std::find(trimmed.begin(), trimmed.end(), u'\'') - trimmed.begin();
    if (at == trimmed.size())
        return true;
    if (at >= 1 && at - 1 < sFieldIn.size() && sFieldIn.at(at - 1) == u' ')
        return false;
    if (sFieldIn.size() < at + 2)
        return false;
    return sFieldIn.at(at + 1) != u' ';
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
