#pragma once

#include "rules/fieldtable.h"

#include <QString>
#include <QStringView>

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

// The naming screen's rules. Each takes the list's selected text or the box's text as typed, or
// the screen's entries, and returns the message to show, or an empty text when it passes.
namespace NamingRules
{
QString employerOrTPA(QStringView selected);
QString ftpOrUpload(QStringView selected);
QString accountNumber(QStringView text);
QString tpaid(QStringView text);
QString sequenceNumber(QStringView text);
// The check made as the focus leaves the sequence number box: an empty box is not checked.
QString sequenceNumberOnLeaving(QStringView text);

QString employerOrTPA(const NamingEntries &entries);
QString ftpOrUpload(const NamingEntries &entries);
// The account number for an employer, the TPAID for a TPA; without a filer kind the number is not
// examined, as the missing choice has already failed.
QString number(const NamingEntries &entries);
QString sequenceNumber(const NamingEntries &entries);

// In the screen's order; the naming makes no record, so no field has a position.
inline constexpr FieldRow<NamingEntries> fields[] = {
    {"FILER KIND", 0, 0, "lstEmployeOrTPA", "employerOrTPA_errorMessage", employerOrTPA},
    {"FILING METHOD", 0, 0, "lstFTPorUPLOAD", "lblFTPorUPLOAD_errorMessage", ftpOrUpload},
    {"ACCOUNT NUMBER OR TPAID", 0, 0, "EAN_TPAID", "lblEANorTPAIDerrorMessage", number},
    {"SEQUENCE NUMBER", 0, 10, "txtSequenceNumber", "lblSequenceNumber_errorMessage",
     sequenceNumber},
};
} // namespace NamingRules
