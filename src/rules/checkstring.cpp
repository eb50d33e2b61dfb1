#include "rules/checkstring.h"

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
