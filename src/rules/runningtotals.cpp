#include "rules/runningtotals.h"

#include "rules/amounts.h"
#include "rules/filingrules.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

namespace
{

QString employeesText(const QString &count)
{
    return count + (count == QLatin1String("1") ? QStringLiteral(" employee")
                                                : QStringLiteral(" employees"));
}

QString wagesText(QStringView gross, QStringView taxable)
{
    return QStringLiteral(", gross wages ") + formatCents(gross) +
           QStringLiteral(", taxable wages ") + formatCents(taxable);
}

std::optional<int> compareAmounts(QStringView total, QStringView sum)
{
    if (!isDigitText(total) || !isDigitText(sum))
        return std::nullopt;
    return compareWholeNumbers(total, sum);
}

} // namespace

AccountComparison compareAccount(QStringView thirdMonth, QStringView grossWages,
                                 QStringView taxableWages, qint64 employees, QStringView grossSum,
                                 QStringView taxableSum)
{
    return {compareAmounts(thirdMonth, QString::number(employees)),
            compareAmounts(grossWages, grossSum), compareAmounts(taxableWages, taxableSum)};
}

void RunningTotals::startAccount(const QString &thirdMonth, const QString &grossWages,
                                 const QString &taxableWages)
{
    *this = RunningTotals();
    m_thirdMonth = thirdMonth;
    m_grossWages = grossWages;
    m_taxableWages = taxableWages;
}

void RunningTotals::addEmployee(const EmployeeEntries &employee)
{
    ++m_employees;
    m_sGross.add(employee.grossWages);
    m_sTaxable.add(employee.taxableWages);
    const QString ssn = rightTrimSpaces(employee.ssn);
    if (!m_ssns.contains(ssn))
        m_ssns.insert(ssn, FilingRules::nameOf(employee));
}

bool RunningTotals::addUp() const
{
    return compareAccount(m_thirdMonth, m_grossWages, m_taxableWages, m_employees,
                          m_sGross.toString(), m_sTaxable.toString())
        .addsUp();
}

QString RunningTotals::text() const
{
    // The third month as a whole number: "04" is 4 employees.
    const QString thirdMonth =
        isDigitText(m_thirdMonth) ? addWholeNumbers(m_thirdMonth, u"0") : m_thirdMonth;
    QString text = QStringLiteral("Entered for this account: ") +
                   employeesText(QString::number(m_employees)) +
                   wagesText(m_sGross.toString(), m_sTaxable.toString()) +
                   QStringLiteral("\nEmployer screen: ") + employeesText(thirdMonth) +
                   QStringLiteral(" in the third month") + wagesText(m_grossWages, m_taxableWages);
    if (addUp())
        text += QStringLiteral("\nThe employees add up to the employer screen's totals.");
    return text;
}
