#include "fuzzinput.h"

#include <cstdio>
#include <cstdlib>

QStringList decodeEntries(const std::uint8_t *data, std::size_t size, int count)
{
    QStringList entries;
    if (size > 0) {
        const std::uint8_t encoding = data[0];
        const std::uint8_t *rest = data + 1;
        const std::size_t restSize = size - 1;
        if (encoding == 'W') {
            QString units;
            for (std::size_t i = 0; i + 1 < restSize; i += 2)
                units += QChar(char16_t(rest[i] | (rest[i + 1] << 8)));
            entries = units.split(QChar(char16_t(0xFFFF)));
        } else {
            std::size_t start = 0;
            for (std::size_t i = 0; i <= restSize; ++i) {
                if (i < restSize && rest[i] != '|')
                    continue;
                const char *bytes = reinterpret_cast<const char *>(rest + start);
                const qsizetype length = qsizetype(i - start);
                entries << (encoding == '8' ? QString::fromUtf8(bytes, length)
                                            : QString::fromLatin1(bytes, length));
                start = i + 1;
            }
        }
    }
    while (entries.size() < count)
        entries << QString();
    return entries;
}

void reportFault(const char *target, const QString &fault, const QString &entries)
{
    std::fprintf(stderr, "%s: %s\n  entries: %s\n", target, qPrintable(fault), qPrintable(entries));
    std::abort();
}
