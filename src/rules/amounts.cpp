#include "rules/amounts.h"

#include "rules/numbers.h"
#include "rules/spaces.h"

#include <utility>

namespace
{

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The digits that count: trailing spaces and leading zeros dropped; empty for zero.
QStringView significantDigits(QStringView text)
{
    const QStringView digits = rightTrimSpaces(text);
    qsizetype start = 0;
    while (start < digits.size() && digits[start] == u'0')
        ++start;
    return digits.sliced(start);
}

} // namespace

QString addWholeNumbers(QStringView a, QStringView b)
{
    const QStringView x = significantDigits(a);
    const QStringView y = significantDigits(b);
    const qsizetype length = qMax(x.size(), y.size());
    QString sum(length + 1, u'0');
    int carry = 0;
    for (qsizetype i = 0; i < length; ++i) {
        const int dx = i < x.size() ? x[x.size() - 1 - i].unicode() - u'0' : 0;
        const int dy = i < y.size() ? y[y.size() - 1 - i].unicode() - u'0' : 0;
        const int digit = dx + dy + carry;
        carry = digit / 10;
        sum[length - i] = QChar(u'0' + digit % 10);
    }
    sum[0] = QChar(u'0' + carry);
    const QStringView result = significantDigits(sum);
    return result.isEmpty() ? QStringLiteral("0") : result.toString();
}

void WholeNumberSum::add(QStringView text)
{
    const QStringView value = rightTrimSpaces(text);
    if (!(m_known = m_known && isDigitText(value)))
        return;
    if (value.size() > 17) {
        m_beyond = addWholeNumbers(m_beyond, value);
        return;
    }
    quint64 number = 0;
    for (const QChar c : value)
        number = number * 10 + (c.unicode() - u'0');
    if ((m_word += number) >= 1000000000000000000u) // 10^18; below 10^18 + 10^17 here
        m_beyond = addWholeNumbers(m_beyond, QString::number(std::exchange(m_word, 0)));
}

QString WholeNumberSum::toString() const
{
    return addWholeNumbers(m_beyond, QString::number(m_word));
}

QString formatCents(QStringView cents)
{
    if (!rightTrimSpaces(cents).isEmpty() && !isDigitText(cents))
        return cents.toString();
    QString digits = significantDigits(cents).toString();
    if (digits.size() < 3)
        digits = QString(3 - digits.size(), u'0') + digits;
    const QStringView dollars = QStringView(digits).first(digits.size() - 2);
    QString result = QStringLiteral("$");
    result.reserve(dollars.size() * 4 / 3 + 5);
    for (qsizetype i = 0; i < dollars.size(); ++i) {
        if (i > 0 && (dollars.size() - i) % 3 == 0)
            result += u',';
        result += dollars[i];
    }
    result += u'.';
    result += QStringView(digits).last(2);
    return result;
}

QString centsFromDollars(QStringView dollars)
{
    QStringView text = dollars;
    if (text.startsWith(u'$'))
        text = text.sliced(1);
    // Two decimals after the point, and at least one digit before it.
    if (text.size() < 4 || text[text.size() - 3] != u'.' || !isAsciiDigit(text.last()) ||
        !isAsciiDigit(text[text.size() - 2]))
        return QString();
    const QStringView whole = text.first(text.size() - 3);
    QString cents;
    cents.reserve(text.size());
    const bool grouped = whole.contains(u',');
    if (grouped && whole.size() % 4 == 0)
        return QString(); // a comma first, or a first group of four digits
    for (qsizetype i = 0; i < whole.size(); ++i) {
        // With commas, every comma stands before a group of three digits and the first group has
        // one to three digits.
        const bool commaHere = grouped && (whole.size() - i) % 4 == 0;
        if (commaHere ? whole[i] != u',' : !isAsciiDigit(whole[i]))
            return QString();
        if (!commaHere)
            cents += whole[i];
    }
    if (cents.isEmpty())
        return QString();
    cents += text.last(2);
    const QStringView result = significantDigits(cents);
    return result.isEmpty() ? QStringLiteral("0") : result.toString();
}
