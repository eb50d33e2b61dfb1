#pragma once

#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The three records of the working file: a record type letter, then the fields of its kind's
// field table in order, then reserved single spaces, eleven comma-separated fields in all.
namespace Records
{

inline constexpr int fieldCount = 11;
// Every kind's fields fit its record after the record type; the rest are reserved spaces.
static_assert(std::size(ContactRules::fields) < fieldCount &&
              std::size(EmployerRules::fields) < fieldCount &&
              std::size(EmployeeRules::fields) < fieldCount);

// Each kind's record type.
inline char recordType(const ContactEntries &)
{
    return 'A';
}
inline char recordType(const EmployerEntries &)
{
    return 'E';
}
inline char recordType(const EmployeeEntries &)
{
    return 'S';
}

// The record of the entries. It puts the entries in as its table says and checks nothing; the
// rules have passed them before.
template <typename Entries> QString makeLine(const Entries &entries)
{
    QString line(1, QLatin1Char(recordType(entries)));
    int field = 1;
    for (const auto &row : fieldsOf(entries)) {
        line += u',';
        line += writtenText(row, entries);
        ++field;
    }
    for (; field < fieldCount; ++field)
        line += QStringLiteral(", ");
    return line;
}

// And back: a record line cut at its commas, as views of the line, and the fields made entries
// again. A line that has not eleven fields gives nothing. The entries of a line that makeLine
// made are the entries it was made from, but for the S record's names, trimmed. readEntries fills
// entries of the caller's, using their storage again, for a reader of many lines.
using Fields = std::array<QStringView, fieldCount>;
std::optional<Fields> splitLine(QStringView line);
template <typename Entries> void readEntries(const Fields &fields, Entries &entries)
{
    int field = 1;
    for (const auto &row : fieldsOf(entries))
        readText(row, entries, fields[field++]);
}
template <typename Entries> Entries readEntries(const Fields &fields)
{
    Entries entries;
    readEntries(fields, entries);
    return entries;
}

} // namespace Records
