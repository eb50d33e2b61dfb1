#pragma once

#include "rules/filing.h"
#include "rules/finding.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

// One E record and what its S records add up to. The wages are the E record's, as written; the
// sums are empty when one of the S records' wages is not a number.
struct AccountSummary {
    qint64 line = 0;
    QString account;
    qint64 employees = 0;
    QString grossWages, taxableWages, employeeGrossWages, employeeTaxableWages;
};

// A report or working file as read: its findings, counts and accounts, and its records as a
// filing.
struct Report {
    QString path;
    QString readError; // empty when the file could be read to its end
    qint64 lines = 0, aRecords = 0, eRecords = 0, sRecords = 0;
    QList<AccountSummary> accounts;
    QList<Finding> findings; // in line order, and within a line in the order of the fields
    qint64 errors = 0, warnings = 0;
    // The records as entries, when asked for and the records stand in their order: the file
    // begins with the A record, every line is an A, E or S record of eleven fields, there is no
    // second A record and no S record before the first E record. Lines may end with LF alone.
    std::optional<Filing> filing;
    // Whether a line begins as an account's record does ("E,"), whatever the rest of the file
    // holds.
    bool accountLine = false;
};

// What a reading gives.
enum class Reading {
    Findings,          // the findings and counts
    FindingsAndFiling, // and the records as a filing
    // The filing, the counts and the findings on whole lines alone, no field nor account checked:
    // for showing a working file, which the program wrote and is read fully elsewhere.
    FilingAlone,
};

// Reads the file's bytes line by line and checks its bytes, its layout, every field with the
// screens' own rules and box lengths, what its accounts add up to, its SSNs and its name (that of
// `path`); the filing as `reading` asks. A file that is not text (UTF-16, NUL bytes) has that one
// finding and no lines counted, but still its filing as far as it reads.
Report readReport(QByteArrayView bytes, const QString &path,
                  Reading reading = Reading::FindingsAndFiling);
// The same for the file of that path, read whole; a file that cannot be read has its readError.
Report readReportFile(const QString &path, Reading reading = Reading::FindingsAndFiling);
