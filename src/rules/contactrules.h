#pragma once

#include "rules/fieldtable.h"

#include <QString>

// What the contact screen holds: the filing type chosen and the four boxes as typed.
struct ContactEntries {
    QString filingType; // "O" (Original) or "A" (Amended)
    QString name;
    QString email;
    QString phone;
    QString extension;
};

// The contact field rules: each returns the message to show, or an empty text when the field
// passes.
namespace ContactRules
{
// The screen's list offers only the two; a file may hold anything.
QString filingType(const ContactEntries &entries);
QString contactName(const ContactEntries &entries);
QString contactEmail(const ContactEntries &entries);
QString contactPhone(const ContactEntries &entries);
QString phoneExtension(const ContactEntries &entries);

// The A record's fields after the record type, in order; five reserved single spaces follow.
inline constexpr FieldRow<ContactEntries> fields[] = {
    {"FILING TYPE", nullptr, &ContactEntries::filingType, 0, "lstReportingTypeCode", nullptr,
     filingType},
    {"CONTACT NAME", "Contact Name", &ContactEntries::name, 0, "txtContactName",
     "lblContactNameError", contactName},
    {"CONTACT EMAIL", "Contact Email", &ContactEntries::email, 0, "txtContactEmail",
     "lblEmailError", contactEmail},
    {"CONTACT PHONE NUMBER", "Phone Number", &ContactEntries::phone, 0, "txtContactPhone",
     "lblContactPhoneError", contactPhone},
    {"CONTACT PHONE EXTENSION", "Extension", &ContactEntries::extension, 0, "txtPhoneExt",
     "lblphoneExtError", phoneExtension},
};
} // namespace ContactRules

// The field table of the kind.
inline const auto &fieldsOf(const ContactEntries &)
{
    return ContactRules::fields;
}
