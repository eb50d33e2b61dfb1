#pragma once

#include <QList>
#include <QString>
#include <QStringView>

enum class Severity { Error, Warning };

struct Finding {
    qint64 line = 0; // counted from 1; 0 stands for the file as a whole
    Severity severity = Severity::Error;
    const char *field = "";
    // The field's place in the record, 1 for the record type; 0 for the line or the file as a
    // whole. The findings of a line come in this order.
    int position = 0;
    QString message;
};

// One E record and what its S records add up to.
struct AccountSummary {
    qint64 line = 0;
    QString account;
    qint64 employees = 0;
    QString grossWages;   // the E record's, as written
    QString taxableWages; // the E record's, as written
    // The sums of the S records' wages; empty when one of them is not a number.
    QString employeeGrossWages;
    QString employeeTaxableWages;
};

struct FileReport {
    QString path;
    QString readError; // empty when the file could be read to its end
    qint64 lines = 0;
    qint64 aRecords = 0;
    qint64 eRecords = 0;
    qint64 sRecords = 0;
    QList<AccountSummary> accounts;
    QList<Finding> findings; // in line order
    qint64 errors = 0;
    qint64 warnings = 0;
};

// "1 employee", "2 employees": a count with its word, for the findings and the summaries.
inline QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

// Reads the report file line by line and checks every record with the screens' own rules, its
// bytes, its layout and what its accounts add up to. The file is only read.
FileReport checkReportFile(const QString &path);

// Checks the file's name against the names the naming screen gives, for a file whose A record
// has the given filing type ("O", "A", or empty when unknown). Only warnings come of it.
QList<Finding> checkReportFileName(const QString &fileName, QStringView filingType);
