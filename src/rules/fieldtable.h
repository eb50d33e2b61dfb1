#pragma once

#include "rules/spaces.h"

#include <QString>
#include <QStringList>

#include <algorithm>

// How an entry is written into its record field.
enum class Written {
    AsTyped,      // exactly as typed
    Trimmed,      // without its surrounding spaces (the S record's names)
    PaddedAccount // followed by two spaces (the S record's account number)
};

// One field of a screen and of its record: a row of its kind's field table. A record's fields
// after the record type are its table's rows in order, so the row at index i is field i + 2.
template <typename Entries> struct FieldRow {
    const char *name;                 // as the messages and tavo-check call the field
    const char *caption;              // short, over its column in Review Filing; null: not shown
    QString Entries::*entry;          // the entry that holds it; null for a naming list's choice
    int boxLength;                    // the most its entry box takes; 0: no limit
    const char *box;                  // the entry's object name on the screen; null: none
    const char *errorLabel;           // its error label's object name; null: none
    QString (*rule)(const Entries &); // picks its partners; the message, or empty when it passes
    Written written = Written::AsTyped;
    bool carried = false; // kept from quarter to quarter (who an employee is), not the figures
};

// The message for an entry longer than its box takes; a record from elsewhere may hold one.
inline QString tooLongMessage(const char *name, qsizetype length, int boxLength)
{
    return QStringLiteral("%1 has %2 characters; its entry box takes at most %3.")
        .arg(QLatin1String(name))
        .arg(length)
        .arg(boxLength);
}

// A field's findings on the entries: its rule's message, then, when its entry is longer than its
// box takes, the length's. The screens show the first; the import and tavo-check report both.
template <typename Entries>
QStringList fieldFindings(const FieldRow<Entries> &row, const Entries &entries)
{
    QStringList findings;
    if (row.rule) {
        QString message = row.rule(entries);
        if (!message.isEmpty())
            findings.append(std::move(message));
    }
    if (row.entry && row.boxLength > 0 && (entries.*row.entry).size() > row.boxLength)
        findings.append(tooLongMessage(row.name, (entries.*row.entry).size(), row.boxLength));
    return findings;
}

// The field's text in its record, and its entry back from that text.
template <typename Entries>
QString writtenText(const FieldRow<Entries> &row, const Entries &entries)
{
    const QString &entry = entries.*row.entry;
    switch (row.written) {
    case Written::Trimmed:
        return trimSpaces(entry);
    case Written::PaddedAccount:
        return entry + QStringLiteral("  ");
    case Written::AsTyped:
        break;
    }
    return entry;
}
template <typename Entries>
void readText(const FieldRow<Entries> &row, Entries &entries, QStringView text)
{
    if (row.written == Written::PaddedAccount && text.endsWith(u"  "))
        text.chop(2);
    // In the entry's own storage when it has room: a reader of many lines fills the same entries.
    QString &entry = entries.*row.entry;
    entry.resize(text.size());
    std::copy(text.begin(), text.end(), entry.begin());
}

// The row of a field table whose rule is `rule`; a rule that has no row is a fault of the program.
template <typename Entries, std::size_t N>
const FieldRow<Entries> &fieldWithRule(const FieldRow<Entries> (&fields)[N],
                                       QString (*rule)(const Entries &))
{
    for (const FieldRow<Entries> &field : fields) {
        if (field.rule == rule)
            return field;
    }
    qFatal("a rule without a row in its field table");
}
