#pragma once

#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

#include <QStringList>

#include <algorithm>
#include <type_traits>

// Valid entries of each screen, and the records the first three make, with their line ends.
inline const ContactEntries validContact{"O", "Mary Smith", "mary@example.com", "8005551234", ""};
inline const EmployerEntries validEmployer{"22026", "0123456", "123456789", "3",       "4",
                                           "4",     "1500000", "10500",     "1000000", "36000"};
inline const EmployeeEntries validEmployee{"0123456", "123456789", "O'NEIL", "MARY",
                                           "",        "250000",    "100000", "13"};
inline const NamingEntries validNaming{FilerKind::Employer, FilingMethod::Ftp, "0123456", ""};
inline const QByteArray aRecord = "A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n";
inline const QByteArray eRecord = "E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n";
inline const QByteArray sRecord = "S,0123456  ,123456789,O'NEIL,MARY,,250000,100000,13, , \r\n";
inline const QString reportName = "FTP_WR4-4B_0123456.CSV"; // of the valid entries

// A field's entry as its screen shows it (a naming list's choice by its item's text), and back.
inline const QStringList filerKindItems{"", "Employer", "TPA"},
    methodItems{"", "FILE UPLOAD", "FTP"};
template <typename E> QString shown(const E &e, const FieldRow<E> &row)
{
    if constexpr (std::is_same_v<E, NamingEntries>)
        if (!row.entry)
            return row.rule == NamingRules::employerOrTPA ? filerKindItems[int(e.filerKind)]
                                                          : methodItems[int(e.method)];
    return e.*row.entry;
}
template <typename E> void setShown(E &e, const FieldRow<E> &row, const QString &text)
{
    if constexpr (std::is_same_v<E, NamingEntries>) {
        if (row.rule == NamingRules::employerOrTPA)
            return void(e.filerKind = FilerKind(std::max(0, int(filerKindItems.indexOf(text)))));
        if (row.rule == NamingRules::ftpOrUpload)
            return void(e.method = FilingMethod(std::max(0, int(methodItems.indexOf(text)))));
    }
    e.*row.entry = text;
}

// The entries with the fields named set to the texts, given as pairs of field name and text.
template <typename E> E with(E entries, const QStringList &pairs)
{
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        for (const auto &row : fieldsOf(entries))
            if (pairs[i] == row.name)
                setShown(entries, row, pairs[i + 1]);
    return entries;
}

// The records of the entries, each a line ended by CR LF.
template <typename... E> QByteArray records(const E &...entries)
{
    return ((Records::makeLine(entries).toLatin1() + "\r\n") + ...);
}

// What every record must look like, whatever was typed (the fuzz target fuzz_records checks it):
// when every field of the entries passes its rule and its box length, their record must be
// printable ASCII without quotation marks, with the eleven fields of its kind that read back as
// the same record; the naming's report name must be a plain file name. Returns the first broken
// property, or an empty text.
inline bool printable(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= u' ' && c <= u'~' && c != u'"'; });
}
template <typename E> QString brokenProperty(const E &e)
{
    for (const auto &row : fieldsOf(e))
        if (!fieldFindings(row, e).isEmpty())
            return QString();
    if constexpr (std::is_same_v<E, NamingEntries>) {
        const QString name = composeReportFileName(e, "O");
        return printable(name) && !name.contains(u'/') && !name.contains(u'\\')
                   ? QString()
                   : "report name not a plain file name: " + name;
    } else {
        const QString line = Records::makeLine(e);
        const auto fields = Records::splitLine(line);
        if (!printable(line) || !fields)
            return "not eleven printable fields: " + line;
        if (Records::makeLine(Records::readEntries<E>(*fields)) != line)
            return "the record does not read back: " + line;
        return QString();
    }
}
