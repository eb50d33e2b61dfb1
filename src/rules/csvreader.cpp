#include "rules/csvreader.h"

namespace
{

bool isBlankLine(QStringView line)
{
    for (const QChar c : line) {
        if (c != u' ' && c != u'\t')
            return false;
    }
    return true;
}

// Splits one line into `fields`, or returns why it cannot be split.
QString splitLine(QStringView line, QStringList &fields)
{
    qsizetype i = 0;
    for (;;) {
        QString field;
        if (i < line.size() && line[i] == u'"') {
            for (++i;; i += 2) {
                const qsizetype quote = line.indexOf(u'"', i);
                if (quote < 0)
                    return QStringLiteral("A quotation mark is not closed.");
                field += line.sliced(i, quote - i);
                i = quote;
                if (quote + 1 >= line.size() || line[quote + 1] != u'"')
                    break;
                field += u'"'; // doubled: one quotation mark in the field
            }
            ++i; // past the closing quotation mark
            if (i < line.size() && line[i] != u',')
                return QStringLiteral("Only a comma may follow a closing quotation mark.");
        } else {
            qsizetype comma = line.indexOf(u',', i);
            if (comma < 0)
                comma = line.size();
            field = line.sliced(i, comma - i).toString();
            i = comma;
        }
        fields.append(field);
        if (i >= line.size())
            return QString();
        ++i; // past the comma
    }
}

} // namespace

QList<CsvLine> readCsvLines(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const QString text = QString::fromUtf8(bytes);
    QList<CsvLine> lines;
    qsizetype start = 0;
    for (qsizetype number = 1; start < text.size(); ++number) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        QStringView line = QStringView(text).sliced(start, end - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        start = end + 1;
        if (isBlankLine(line))
            continue;
        CsvLine csv;
        csv.number = number;
        csv.fault = splitLine(line, csv.fields);
        if (!csv.fault.isEmpty())
            csv.fields.clear();
        lines.append(std::move(csv));
    }
    return lines;
}

QString encodingFault(QByteArrayView bytes)
{
    const QString saveAsCsv = QStringLiteral(" Save it as CSV (comma-separated values) and use "
                                             "that file instead.");
    const bool utf16 = bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ||
                       (bytes.size() >= 2 && (bytes[0] == '\0' || bytes[1] == '\0'));
    if (utf16)
        return QStringLiteral("The file is UTF-16 text, as a spreadsheet saves \"Unicode text\".") +
               saveAsCsv;
    if (bytes.contains('\0'))
        return QStringLiteral("The file holds NUL bytes, so it is not text.") + saveAsCsv;
    return QString();
}
