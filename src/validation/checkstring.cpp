#include "validation/checkstring.h"

QString trimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

QString rightTrimSpaces(const QString &text)
{
    qsizetype last = text.size();
    while (last > 0 && text.at(last - 1) == u' ')
        --last;
    return text.left(last);
}

bool isBlank(const QString &text)
{
    return trimSpaces(text).isEmpty();
}

bool checkString(const QString &inString, const QString &contains, bool inSet)
{
    if (isBlank(inString))
        return false;
    for (const QChar c : inString) {
        if (contains.contains(c) != inSet)
            return false;
    }
    return true;
}

bool isDigitText(const QString &text)
{
    return checkString(rightTrimSpaces(text), CharacterSets::digits, true);
}

int compareWholeNumbers(const QString &a, const QString &b)
{
    auto significant = [](const QString &text) {
        const QString digits = rightTrimSpaces(text);
        qsizetype start = 0;
        while (start < digits.size() && digits.at(start) == u'0')
            ++start;
        return digits.mid(start);
    };
    const QString x = significant(a);
    const QString y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x.compare(y);
}

QString checkNumberField(const QString &text, const NumberFieldMessages &messages)
{
    const QString trimmed = trimSpaces(text);
    if (trimmed.isEmpty())
        return messages.blank;
    if (messages.length > 0 && trimmed.size() != messages.length)
        return messages.wrongLength;
    if (!isDigitText(text))
        return messages.numeric;
    return QString();
}
