#pragma once

#include <QString>
#include <QStringView>

// Amounts are texts of digits of any length, whole cents, exactly as the rules let them through;
// nothing here goes through floating point or a fixed-size integer.

// The sum of two whole numbers written as digit texts (trailing spaces and leading zeros do not
// count; an empty text counts as 0). The result has no leading zeros: "0" for nothing.
QString addWholeNumbers(QStringView a, QStringView b);

// An exact running sum of digit texts of any length, kept fast: numbers of up to 17 digits add up
// in a machine word, which goes into the digit text before it could overflow, as longer texts do.
// Once a text that is no whole number is added the sum is unknown.
class WholeNumberSum
{
public:
    WholeNumberSum(bool known = true) : m_known(known) {}
    void add(QStringView text);
    bool known() const { return m_known; }
    void forget() { m_known = false; }
    QString toString() const; // "0" for nothing
private:
    bool m_known;
    quint64 m_word = 0;
    QString m_beyond; // what no longer fitted the word, as digits
};

// Whole cents shown as dollars with thousands commas: "1500000" as "$15,000.00", "000123" as
// "$1.23", "0" and "" as "$0.00". Trailing spaces are ignored. A text that is not a digit text
// is returned as it is.
QString formatCents(QStringView cents);

// Dollars written with exactly two decimals, an optional leading "$" and optional thousands
// commas in proper groups ("$1,234.56", "1234.56", "0.50") as whole cents without leading zeros
// ("123456", "50", "0"). Any other text gives an empty result.
QString centsFromDollars(QStringView dollars);
