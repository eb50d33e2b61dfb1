#pragma once

#include <QString>

// The employer field rules. Each takes the box's text as typed (and the partner boxes' texts for
// the amount cross-checks) and returns the message to show, or an empty text when it passes.
namespace EmployerRules
{

struct QuarterYearVerdict {
    QString message;
    bool markQuarter = false;
    bool markYear = false;
};
QuarterYearVerdict quarterYear(bool quarterSelected, bool yearSelected);

QString accountNumber(const QString &text);
QString fein(const QString &text);
QString firstMonth(const QString &text);
QString secondMonth(const QString &text);
QString thirdMonth(const QString &text);

// The amounts keep three relations, each checked from both sides: gross wages >= taxable wages,
// gross wages >= employee withholding, taxable wages >= employer contributions.
QString grossWages(const QString &gross, const QString &taxable, const QString &withholding);
QString employeeWithholding(const QString &withholding, const QString &gross);
QString taxableWages(const QString &taxable, const QString &gross, const QString &contributions);
QString employerContributions(const QString &contributions, const QString &taxable);

} // namespace EmployerRules
