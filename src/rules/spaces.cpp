#include "rules/spaces.h"

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
