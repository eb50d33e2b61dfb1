#pragma once

#include <QString>

// "1 employee", "3 employees": a count and its noun.
inline QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}
