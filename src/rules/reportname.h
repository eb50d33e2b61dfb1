#pragma once

#include "rules/namingrules.h"

#include <QString>

// The report file's name: the prefix for the filing method and type, the account number or
// TPAID as typed, "_" and the sequence number in upper case when one is given, and ".CSV".
// Empty when the method or the type is not one of the known ones.
QString composeReportFileName(const QString &uploadOrFtp, const QString &reportingType,
                              const QString &number, const QString &sequenceNumber);
// The same for the naming screen's entries and the filing type ("O" or "A").
QString composeReportFileName(const NamingEntries &entries, const QString &reportingType);
