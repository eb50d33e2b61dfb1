#pragma once

#include "rules/spaces.h"

#include <QStringView>

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
