#pragma once

#include "rules/fieldtable.h"

#include <QString>

// Who files, and how the file reaches TAVO; None while nothing is chosen.
enum class FilerKind { None, Employer, Tpa };
enum class FilingMethod { None, FileUpload, Ftp };

// What the naming screen holds.
struct NamingEntries {
    FilerKind filerKind = FilerKind::None;
    FilingMethod method = FilingMethod::None;
    QString number; // the account number (Employer) or the TPAID (TPA), as typed
    QString sequenceNumber;
};

// The naming screen's rules: each returns the message to show, or an empty text when it passes.
namespace NamingRules
{
// The number an employer files under is its account number of 7 digits, a TPA's its TPAID of 10;
// the prompt above the box says which.
int numberLength(FilerKind kind);
QString numberPrompt(FilerKind kind);

QString employerOrTPA(const NamingEntries &entries);
QString ftpOrUpload(const NamingEntries &entries);
// The account number for an employer, the TPAID for a TPA; without a filer kind the number is not
// examined, as the missing choice has already failed.
QString number(const NamingEntries &entries);
QString sequenceNumber(const NamingEntries &entries);
// The check made as the focus leaves the sequence number box: an empty box is not checked.
QString sequenceNumberOnLeaving(const NamingEntries &entries);

// In the screen's order; the naming makes no record. The number box takes the number's length.
inline constexpr FieldRow<NamingEntries> fields[] = {
    {"FILER KIND", nullptr, nullptr, 0, "lstEmployeOrTPA", "employerOrTPA_errorMessage",
     employerOrTPA},
    {"FILING METHOD", nullptr, nullptr, 0, "lstFTPorUPLOAD", "lblFTPorUPLOAD_errorMessage",
     ftpOrUpload},
    {"ACCOUNT NUMBER OR TPAID", nullptr, &NamingEntries::number, 0, "EAN_TPAID",
     "lblEANorTPAIDerrorMessage", number},
    {"SEQUENCE NUMBER", nullptr, &NamingEntries::sequenceNumber, 10, "txtSequenceNumber",
     "lblSequenceNumber_errorMessage", sequenceNumber},
};
} // namespace NamingRules

// The field table of the kind.
inline const auto &fieldsOf(const NamingEntries &)
{
    return NamingRules::fields;
}
