#pragma once

#include "rules/fieldtable.h"

#include <QString>
#include <QStringView>

// What the contact screen holds: the filing type chosen and the four boxes as typed.
struct ContactEntries {
    QString filingType; // "O" (Original) or "A" (Amended)
    QString name;
    QString email;
    QString phone;
    QString extension;
};

// The contact field rules. Each takes the box's text as typed, or the screen's entries, and
// returns the message to show, or an empty text when the field passes.
namespace ContactRules
{
QString contactName(QStringView typed);
QString contactPhone(QStringView typed);
QString contactEmail(QStringView typed);
QString phoneExtension(QStringView typed);

QString contactName(const ContactEntries &entries);
QString contactPhone(const ContactEntries &entries);
QString contactEmail(const ContactEntries &entries);
QString phoneExtension(const ContactEntries &entries);

// In the order of the A record's fields.
inline constexpr FieldRow<ContactEntries> fields[] = {
    {"CONTACT NAME", 3, 0, "txtContactName", "lblContactNameError", contactName},
    {"CONTACT EMAIL", 4, 0, "txtContactEmail", "lblEmailError", contactEmail},
    {"CONTACT PHONE NUMBER", 5, 0, "txtContactPhone", "lblContactPhoneError", contactPhone},
    {"CONTACT PHONE EXTENSION", 6, 0, "txtPhoneExt", "lblphoneExtError", phoneExtension},
};
} // namespace ContactRules
