#include "rules/records.h"

namespace Records
{

std::optional<Fields> splitLine(QStringView line)
{
    Fields fields;
    int k = 0;
    const QChar *start = line.begin();
    for (const QChar *c = line.begin(); c != line.end(); ++c) {
        if (*c != u',')
            continue;
        if (k == fieldCount - 1)
            return std::nullopt;
        fields[k++] = QStringView(start, c);
        start = c + 1;
    }
    if (k != fieldCount - 1)
        return std::nullopt;
    fields[k] = QStringView(start, line.end());
    return fields;
}

} // namespace Records
