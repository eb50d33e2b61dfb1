#pragma once

#include <QString>

enum class Severity { Error, Warning };
inline const char *severityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

// A fault found in a file: its line (counted from 1; 0 stands for the file as a whole), the
// field's name as the screens' messages call it ("line" for the line as a whole), the field's
// place in the record (0 for none), and whether the file breaks the layout of a report: its
// bytes, a record's type or number of fields, the order of the records.
struct Finding {
    qint64 line = 0;
    QString field;
    QString message;
    Severity severity = Severity::Error;
    int position = 0;
    bool layout = false;
};

// "line N, FIELD: MESSAGE", or "FIELD: MESSAGE" for the file as a whole.
inline QString findingText(const Finding &finding)
{
    const QString text = finding.field + QStringLiteral(": ") + finding.message;
    return finding.line > 0 ? QStringLiteral("line %1, ").arg(finding.line) + text : text;
}
