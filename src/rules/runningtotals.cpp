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

namespace
{
// The nine-digit SSN as a number, or nothing.
std::optional<quint32> ssnNumber(QStringView ssn)
{
    if (ssn.size() != 9 || !isDigitText(ssn))
        return std::nullopt;
    return ssn.toUInt();
}
} // namespace

qsizetype SsnIndex::find(QStringView ssn) const
{
    ssn = rightTrimSpaces(ssn); // SSNs are compared without trailing spaces
    if (const std::optional<quint32> number = ssnNumber(ssn))
        return m_numbers.value(*number, -1);
    return m_others.value(ssn.toString(), -1);
}

void SsnIndex::add(QStringView ssn, QStringView lastName, QStringView firstName)
{
    ssn = rightTrimSpaces(ssn);
    const qsizetype at = m_names.size();
    if (const std::optional<quint32> number = ssnNumber(ssn)) {
        if (m_numbers.contains(*number))
            return;
        m_numbers.insert(*number, at);
    } else {
        const QString text = ssn.toString();
        if (m_others.contains(text))
            return;
        m_others.insert(text, at);
    }
    // "LAST FIRST", as FilingRules::nameOf writes it.
    m_names += trimSpaces(lastName);
    m_names += u' ';
    m_names += trimSpaces(firstName);
    m_names += QChar(0);
}

QString SsnIndex::nameOf(QStringView ssn) const
{
    const qsizetype at = find(ssn);
    return at < 0 ? QString() : m_names.mid(at, m_names.indexOf(QChar(0), at) - at);
}

void RunningTotals::addEmployee(const EmployeeEntries &employee)
{
    addEmployee(employee.ssn, employee.lastName, employee.firstName, employee.grossWages,
                employee.taxableWages);
}

void RunningTotals::addEmployee(QStringView ssn, QStringView lastName, QStringView firstName,
                                QStringView grossWages, QStringView taxableWages)
{
    ++m_employees;
    m_sGross.add(grossWages);
    m_sTaxable.add(taxableWages);
    m_ssns.add(ssn, lastName, firstName);
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
