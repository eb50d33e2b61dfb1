#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

QStringList decodeEntries(const std::uint8_t *data, std::size_t size, int count)
{
    QStringList entries =
        QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)).split(u'|');
    while (entries.size() < count)
        entries << QString();
    return entries;
}

void reportFault(const char *target, const QString &fault, const QString &input)
{
    std::fprintf(stderr, "%s: %s\n  input: %s\n", target, qPrintable(fault), qPrintable(input));
    std::abort();
}
