#pragma once

#include "rules/employeerules.h"
#include "rules/finding.h"
#include "rules/runningtotals.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// Employees read from a spreadsheet file for one account, all or none: one employee per line,
// the employee screen's boxes in the order of the field table, each through the very rule and box
// length of the screen.
namespace EmployeeImport
{

struct Result {
    QList<EmployeeEntries> employees; // in the order of the file; empty when there is a finding
    QList<Finding> findings;          // in line order and, within a line, in field order
    bool headerSkipped = false;       // the first line was taken for column names
};

// The only conversions made on the way from the file to the rules: an SSN written 123-45-6789
// loses its dashes, and an amount in dollars with two decimals becomes whole cents
// (centsFromDollars). Any other text comes back unchanged.
QString ssnFromFile(QStringView text);
QString wagesFromFile(QStringView text);

// Reads the file's bytes for the account. The first line that is not blank is a header, and left
// out, when its first field holds a letter and neither its SSN nor its wages hold a digit. An SSN
// may not stand twice in the file nor be among `ssnsWritten`, those already written for the
// account.
Result importEmployees(QByteArrayView bytes, const QString &accountNumber,
                       const SsnIndex &ssnsWritten);

// A file to fill in with a spreadsheet and import again: the column names, then each employee's
// SSN (with dashes, so a spreadsheet keeps its leading zeros) and names, its wages and credit
// weeks empty; lines ended by CR LF.
QByteArray wageTemplate(const QList<EmployeeEntries> &employees);

} // namespace EmployeeImport
