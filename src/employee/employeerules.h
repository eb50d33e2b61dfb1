#pragma once

#include <QString>

// The employee field rules. Each takes the box's text as typed (the wage rules also the partner
// wage) and returns the message to show, or an empty text when the field passes.
namespace EmployeeRules
{

// Apostrophe, hyphen, the Latin letters and the digits: no space, no full stop, no accents.
inline const QString nameSet =
    QStringLiteral("'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");

QString ssn(const QString &text);
QString lastName(const QString &text);
QString firstName(const QString &text);
QString middleName(const QString &text);
// Both wage rules make the same check from their own side: taxable wages may not exceed gross.
QString grossWages(const QString &gross, const QString &taxable);
QString taxableWages(const QString &taxable, const QString &gross);
QString creditWeeks(const QString &text);

} // namespace EmployeeRules
