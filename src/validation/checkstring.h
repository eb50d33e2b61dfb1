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
