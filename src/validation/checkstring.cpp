#include "validation/checkstring.h"

QString trimSpaces(const QString &text)
{
    const QStringView trimmed = trimSpaces(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QString rightTrimSpaces(const QString &text)
{
    const QStringView trimmed = rightTrimSpaces(QStringView(text));
    return trimmed.size() == text.size() ? text : trimmed.toString();
}

QStringView trimSpaces(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.sliced(first, last - first);
}

QStringView rightTrimSpaces(QStringView text)
{
    qsizetype last = text.size();
    while (last > 0 && text[last - 1] == u' ')
        --last;
    return text.first(last);
}

bool isBlank(QStringView text)
{
    for (const QChar c : text) {
        if (c != u' ')
            return false;
    }
    return true;
}

bool checkString(QStringView inString, QStringView contains, bool inSet)
{
    if (isBlank(inString))
        return false;
    for (const QChar c : inString) {
        if (contains.contains(c) != inSet)
            return false;
    }
    return true;
}

bool checkString(QStringView inString, const CharacterSet &contains, bool inSet)
{
    if (isBlank(inString))
        return false;
    for (const QChar c : inString) {
        if (contains.contains(c) != inSet)
            return false;
    }
    return true;
}

bool isDigitText(QStringView text)
{
    return checkString(rightTrimSpaces(text), CharacterSets::digits, true);
}

int compareWholeNumbers(QStringView a, QStringView b)
{
    auto significant = [](QStringView text) {
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
    return x.compare(y);
}

QString checkNumberField(QStringView text, const NumberFieldMessages &messages)
{
    const QStringView trimmed = trimSpaces(text);
    if (trimmed.isEmpty())
        return messages.blank;
    if (messages.length > 0 && trimmed.size() != messages.length)
        return messages.wrongLength;
    if (!isDigitText(text))
        return messages.numeric;
    return QString();
}
