#pragma once

#include "rules/finding.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

// One E record and what its S records add up to. The wages are the E record's, as written; the
// sums are empty when one of the S records' wages is not a number.
struct AccountSummary {
    qint64 line = 0;
    QString account;
    qint64 employees = 0;
    QString grossWages, taxableWages, employeeGrossWages, employeeTaxableWages;
};

struct FileReport {
    QString path;
    QString readError; // empty when the file could be read to its end
    qint64 lines = 0, aRecords = 0, eRecords = 0, sRecords = 0;
    QList<AccountSummary> accounts;
    QList<Finding> findings; // in line order, and within a line in the order of the fields
    qint64 errors = 0, warnings = 0;
};

// Reads the report file and checks, line by line, its bytes, its layout, every field with the
// screens' own rules and box lengths, what its accounts add up to, its SSNs and its name.
FileReport checkReportFile(const QString &path);
// The same for a report's bytes already read; `path` gives the name that is checked.
FileReport checkReport(QByteArrayView bytes, const QString &path);
