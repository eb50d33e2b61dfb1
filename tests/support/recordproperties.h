#pragma once

#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

#include <QStringList>

#include <tuple>
#include <type_traits>

// Each kind's entries in the order of its field table; the contact's filing type and the
// employer's year stand outside it.
inline auto tied(ContactEntries &e)
{
    return std::tie(e.name, e.email, e.phone, e.extension);
}
inline auto tied(EmployerEntries &e)
{
    return std::tie(e.accountNumber, e.fein, e.quarter, e.firstMonth, e.secondMonth, e.thirdMonth,
                    e.grossWages, e.employeeWithholding, e.taxableWages, e.employerContributions);
}
inline auto tied(EmployeeEntries &e)
{
    return std::tie(e.ssn, e.lastName, e.firstName, e.middleName, e.grossWages, e.taxableWages,
                    e.creditWeeks);
}
inline auto tied(NamingEntries &e)
{
    return std::tie(e.filerKind, e.method, e.number, e.sequenceNumber);
}
inline const auto &table(const ContactEntries &)
{
    return ContactRules::fields;
}
inline const auto &table(const EmployerEntries &)
{
    return EmployerRules::fields;
}
inline const auto &table(const EmployeeEntries &)
{
    return EmployeeRules::fields;
}
inline const auto &table(const NamingEntries &)
{
    return NamingRules::fields;
}

// An entry as the screen shows it, and back: a list's choice by its item's text.
inline QString text(const QString &value)
{
    return value;
}
inline QString text(FilerKind k)
{
    return k == FilerKind::Employer ? "Employer" : k == FilerKind::Tpa ? "TPA" : "";
}
inline QString text(FilingMethod m)
{
    return m == FilingMethod::Ftp ? "FTP" : m == FilingMethod::FileUpload ? "FILE UPLOAD" : "";
}
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
    std::apply([&](auto &...entry) { (f(table(entries)[i++], entry), ...); }, tied(entries));
}
// The entries with the field of that name set to the text; "YEAR" is the employer's year.
template <typename E> E with(E entries, const QString &field, const QString &shown)
{
    if constexpr (std::is_same_v<E, EmployerEntries>)
        if (field == "YEAR")
            entries.year = shown;
    forEachField(entries, [&](const auto &row, auto &entry) {
        if (field == row.name)
            assign(entry, shown);
    });
    return entries;
}
// The same for pairs of field names and texts.
template <typename E> E with(E entries, const QStringList &pairs)
{
    for (qsizetype i = 0; i + 1 < pairs.size(); i += 2)
        entries = with(entries, pairs[i], pairs[i + 1]);
    return entries;
}

// What every record must look like, whatever was typed; shared by the property test and the fuzz
// target. When every rule of the entries passes, their record must be printable ASCII without
// quotation marks, with the eleven fields of its kind that read back as the same record, the S
// record's account followed by two spaces; the naming's report name must be a plain file name.
// Returns the first broken property, or an empty text; `accepted` tells whether every rule passed.
inline bool printable(const QString &text)
{
    for (const QChar c : text)
        if (c < u' ' || c > u'~' || c == u'"')
            return false;
    return true;
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
            if (!line.startsWith("S," + e.accountNumber + "  ,") ||
                fields->at(3) != e.lastName.trimmed())
                return "S account not padded or name not trimmed: " + line;
    }
    return QString();
}

// Printable ASCII as it is, anything else as \uXXXX: entries fit for a message.
inline QString describe(const QStringList &entries)
{
    QString out;
    for (const QChar c : entries.join(u'|'))
        out += (c >= u' ' && c <= u'~') ? QString(c) : QString::asprintf("\\u%04x", c.unicode());
    return out;
}
