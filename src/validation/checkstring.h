#pragma once

#include <QString>

// Trimming in this program removes the space character only, never tabs or other blanks.
QString trimSpaces(const QString &text);
QString rightTrimSpaces(const QString &text);
bool isBlank(const QString &text);

// True when inString, once stripped of its surrounding spaces, is not empty and every one of its
// characters (spaces included) occurs in the set `contains`. With inSet false the question is
// turned round: true when none of its characters occurs in the set. Blank text is false either way.
bool checkString(const QString &inString, const QString &contains, bool inSet);

namespace CharacterSets
{
inline const QString digits = QStringLiteral("0123456789");
inline const QString lettersAndDigits =
    QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
} // namespace CharacterSets

// Digits only, once trailing spaces are dropped: the form every amount and count is checked in.
bool isDigitText(const QString &text);

// Compares two digit texts as whole numbers of any length (leading zeros and trailing spaces
// do not count). Returns <0, 0 or >0 like strcmp. Both texts must pass isDigitText.
int compareWholeNumbers(const QString &a, const QString &b);

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
QString checkNumberField(const QString &text, const NumberFieldMessages &messages);
