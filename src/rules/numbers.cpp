#include "rules/numbers.h"

#include "rules/spaces.h"

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
