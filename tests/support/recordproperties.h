#pragma once

#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

#include <QStringList>

#include <algorithm>
#include <tuple>
#include <type_traits>

// Each kind's entries in the order of its field table, and the table; the contact's filing type
// and the employer's year stand outside it.
struct Fields {
    static auto tied(ContactEntries &e) { return std::tie(e.name, e.email, e.phone, e.extension); }
    static auto tied(EmployerEntries &e)
    {
        return std::tie(e.accountNumber, e.fein, e.quarter, e.firstMonth, e.secondMonth,
                        e.thirdMonth, e.grossWages, e.employeeWithholding, e.taxableWages,
                        e.employerContributions);
    }
    static auto tied(EmployeeEntries &e)
    {
        return std::tie(e.ssn, e.lastName, e.firstName, e.middleName, e.grossWages, e.taxableWages,
                        e.creditWeeks);
    }
    static auto tied(NamingEntries &e)
    {
        return std::tie(e.filerKind, e.method, e.number, e.sequenceNumber);
    }
    static const auto &table(const ContactEntries &) { return ContactRules::fields; }
    static const auto &table(const EmployerEntries &) { return EmployerRules::fields; }
    static const auto &table(const EmployeeEntries &) { return EmployeeRules::fields; }
    static const auto &table(const NamingEntries &) { return NamingRules::fields; }
    // An entry as the screen shows it: a list's choice by its item's text.
    static QString text(const QString &value) { return value; }
    static QString text(FilerKind k) { return QStringList{"", "Employer", "TPA"}[int(k)]; }
    static QString text(FilingMethod m) { return QStringList{"", "FILE UPLOAD", "FTP"}[int(m)]; }
};
inline constexpr auto table = [](const auto &e) -> const auto &
{
    return Fields::table(e);
};
inline constexpr auto text = [](const auto &value) { return Fields::text(value); };

// And back: the entry the screen shows as `shown`.
template <typename T> void assign(T &value, const QString &shown)
{
    if constexpr (std::is_same_v<T, QString>)
        value = shown;
    else
        for (int i = 0; i < 3; ++i)
            value = text(T(i)) == shown ? T(i) : value;
}

// Calls f(row, entry) for every field of the entries, with its field table row.
template <typename E, typename F> void forEachField(E &entries, F f)
{
    int i = 0;
    std::apply([&](auto &...entry) { (f(table(entries)[i++], entry), ...); },
               Fields::tied(entries));
}
// The entries with the fields named set to the texts, given as pairs of field name and text;
// "YEAR" is the employer's year.
template <typename E> E with(E entries, const QStringList &pairs)
{
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2) {
        if constexpr (std::is_same_v<E, EmployerEntries>)
            entries.year = pairs[i] == "YEAR" ? pairs[i + 1] : entries.year;
        forEachField(entries, [&](const auto &row, auto &entry) {
            if (pairs[i] == row.name)
                assign(entry, pairs[i + 1]);
        });
    }
    return entries;
}

// What every record must look like, whatever was typed; shared by the property test and the fuzz
// targets. When every rule of the entries passes, their record must be printable ASCII without
// quotation marks, with the eleven fields of its kind that read back as the same record, the S
// record's account followed by two spaces; the naming's report name must be a plain file name.
// Returns the first broken property, or an empty text; `accepted` tells whether every rule passed.
inline bool printable(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= u' ' && c <= u'~' && c != u'"'; });
}
template <typename E> QString brokenProperty(E e, bool &accepted)
{
    accepted = true;
    for (const auto &row : table(e))
        accepted &= row.rule(e).isEmpty();
    if (!accepted)
        return QString();
    if constexpr (std::is_same_v<E, NamingEntries>) {
        const QString name = composeReportFileName(e, "O");
        return printable(name) && !name.contains(u'/') && !name.contains(u'\\')
                   ? QString()
                   : "report name not a plain file name: " + name;
    } else {
        const QString line = Records::makeLine(e);
        const auto fields = Records::splitLine(line);
        if (!printable(line) || !fields || line.count(u',') != 10)
            return "not eleven printable fields: " + line;
        if (Records::makeLine(Records::readEntries<E>(*fields)) != line)
            return "the record does not read back: " + line;
        if constexpr (std::is_same_v<E, EmployeeEntries>)
            if (!line.startsWith("S," + e.accountNumber + "  ,"))
                return "S account not padded: " + line;
    }
    return QString();
}
