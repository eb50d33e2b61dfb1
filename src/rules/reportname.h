#pragma once

#include "rules/namingrules.h"

#include <QString>

#include <optional>

// The report file's name from the naming screen's entries and the filing type ("O" or "A"): the
// prefix for the filing method and type, the account number or TPAID as typed, "_" and the
// sequence number in upper case when one is given, and ".CSV". Empty when the method or the type
// is not one of the known ones.
QString composeReportFileName(const NamingEntries &entries, const QString &reportingType);

// And back: a report file's name taken apart into the naming entries and the filing type; nothing
// when it has none of the prefixes or not the extension. A number of ten characters is taken for
// a TPAID, any other for an account number.
struct ReportFileName {
    NamingEntries entries;
    QString reportingType;
};
std::optional<ReportFileName> readReportFileName(const QString &fileName);
