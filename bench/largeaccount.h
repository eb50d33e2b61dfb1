#pragma once

// The working file of one large account the benchmarks of Review Filing, Resume and a previous
// report share.

#include "recordproperties.h"

#include <QByteArray>
#include <QString>

// The i-th employee's SSN: all can have been issued (area 101, groups from 01, serials 0001 to
// 9999), so neither Resume nor the previous report asks about them.
inline QString ssnOf(int i)
{
    return QString::number(101000000 + (1 + i / 9999) * 10000 + 1 + i % 9999);
}

// The A record and one account of that many employees whose totals add up.
inline QByteArray largeAccount(int employees)
{
    QByteArray bytes =
        aRecord +
        records(with(validEmployer, {"EMPLOYEES MONTH 3", QString::number(employees), "GROSS WAGES",
                                     QString::number(employees * 250000LL), "TAXABLE WAGES",
                                     QString::number(employees * 100000LL)}));
    for (int i = 0; i < employees; ++i)
        bytes += records(with(validEmployee, {"SSN", ssnOf(i)}));
    return bytes;
}
