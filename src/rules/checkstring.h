#pragma once

#include <QString>
#include <QStringView>

// Trimming in this program removes the space character only, never tabs or other blanks. The
// QString forms give a text of their own; the QStringView forms give a part of the text passed in.
QString trimSpaces(const QString &text);
QString rightTrimSpaces(const QString &text);
inline QStringView trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}
inline QStringView rightTrimSpaces(QStringView text)
{
    qsizetype last = text.size();
    while (last > 0 && text[last - 1] == u' ')
        --last;
    return text.first(last);
}
inline bool isBlank(QStringView text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

// "1 employee", "3 employees": a count and its noun.
inline QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

// A fixed character set of ASCII characters, with its membership worked out once, when the program
// is built, so a check costs one table look-up per character. No character outside ASCII is ever
// a member.
class CharacterSet
{
public:
    template <qsizetype N> constexpr CharacterSet(const char16_t (&members)[N])
    {
        for (qsizetype i = 0; i < N - 1; ++i) {
            Q_ASSERT(members[i] < 128); // the table holds ASCII only
            m_table[members[i]] = true;
        }
    }

    constexpr bool contains(QChar c) const
    {
        const unsigned u = c.unicode();
        // Without a branch: the look-up stays inside the table, the comparison rules out the rest.
        return (u < 128) & m_table[u & 127];
    }

private:
    bool m_table[128] = {};
};

// True when inString, once stripped of its surrounding spaces, is not empty and every one of its
// characters (spaces included) occurs in the set `contains`. With inSet false the question is
// turned round: true when none of its characters occurs in the set. Blank text is false either way.
inline bool checkString(QStringView inString, const CharacterSet &contains, bool inSet)
{
    // Without the space in the set (and inSet true), blank text fails the walk anyway, unless
    // empty.
    if ((contains.contains(u' ') || !inSet) ? isBlank(inString) : inString.isEmpty())
        return false;
    bool all = true;
    for (const QChar c : inString)
        all &= contains.contains(c) == inSet;
    return all;
}

namespace CharacterSets
{
inline constexpr CharacterSet digits{u"0123456789"};
inline constexpr CharacterSet lettersAndDigits{
    u"0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"};
} // namespace CharacterSets

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
