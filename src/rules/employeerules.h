#pragma once

#include <QString>
#include <QStringView>

#include "rules/checkstring.h"

// The employee field rules. Each takes the box's text as typed (the wage rules also the partner
// wage) and returns the message to show, or an empty text when the field passes.
namespace EmployeeRules
{

// Apostrophe, hyphen, the Latin letters and the digits: no space, no full stop, no accents.
inline constexpr CharacterSet nameSet{
    u"'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"};

QString ssn(QStringView text);
QString lastName(QStringView text);
QString firstName(QStringView text);
QString middleName(QStringView text);
// Both wage rules make the same check from their own side: taxable wages may not exceed gross.
QString grossWages(QStringView gross, QStringView taxable);
QString taxableWages(QStringView taxable, QStringView gross);
QString creditWeeks(QStringView text);

} // namespace EmployeeRules
