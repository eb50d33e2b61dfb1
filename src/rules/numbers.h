#pragma once

#include "rules/spaces.h"

#include <QString>
#include <QStringView>

// Digits only, once trailing spaces are dropped: the form every amount and count is checked in.
inline bool isDigitText(QStringView text)
{
    // checkString(rightTrimSpaces(text), CharacterSets::digits, true), the digits told by their
    // distance from '0'.
    const QStringView digits = rightTrimSpaces(text);
    bool all = !digits.isEmpty();
    for (const QChar c : digits)
        all &= unsigned(c.unicode()) - u'0' <= 9u;
    return all;
}

// Compares two digit texts as whole numbers of any length (leading zeros and trailing spaces
// do not count). Returns <0, 0 or >0 like strcmp. Both texts must pass isDigitText.
inline int compareWholeNumbers(QStringView a, QStringView b)
{
    const auto significant = [](QStringView text) {
        const QStringView digits = rightTrimSpaces(text);
        qsizetype start = 0;
        while (start < digits.size() && digits[start] == u'0')
            ++start;
        return digits.sliced(start);
    };
    const QStringView x = significant(a);
    const QStringView y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    for (qsizetype i = 0; i < x.size(); ++i) {
        if (x[i] != y[i])
            return x[i] < y[i] ? -1 : 1;
    }
    return 0;
}

// The end of every amount's "must be numeric" message.
inline const QString wagesHint = QStringLiteral(
    "Enter wages, excluding the decimal point, ie $1234.56 wages should be entered as 123456.");

// The messages of a number typed into a box; a length of 0 means the length is not tested.
struct NumberFieldMessages {
    QString blank;
    QString numeric;
    int length = 0;
    QString wrongLength = QString();
};

// The usual checks of a number box: not blank once trimmed, then (when a length is given) exactly
// that many characters once trimmed, then digits only once trailing spaces are dropped, so a
// leading space fails even when the trimmed length is right. Returns the first failing test's
// message, or an empty text.
QString checkNumberField(QStringView text, const NumberFieldMessages &messages);
