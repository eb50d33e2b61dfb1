#pragma once

#include <QString>
#include <QStringView>

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

QString accountNumber(QStringView text);
QString fein(QStringView text);
QString firstMonth(QStringView text);
QString secondMonth(QStringView text);
QString thirdMonth(QStringView text);

// The amounts keep three relations, each checked from both sides: gross wages >= taxable wages,
// gross wages >= employee withholding, taxable wages >= employer contributions.
QString grossWages(QStringView gross, QStringView taxable, QStringView withholding);
QString employeeWithholding(QStringView withholding, QStringView gross);
QString taxableWages(QStringView taxable, QStringView gross, QStringView contributions);
QString employerContributions(QStringView contributions, QStringView taxable);

} // namespace EmployerRules
