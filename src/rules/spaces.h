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
