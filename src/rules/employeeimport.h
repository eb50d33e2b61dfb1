#pragma once

#include "rules/employeerules.h"

#include <QByteArrayView>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

// Employees read from a spreadsheet file for one account, all or none: one employee per line,
// seven fields (SSN, last name, first name, middle name, gross wages, taxable wages, credit
// weeks), each through the very rule the employee screen applies to its box.
namespace EmployeeImport
{

// A fault of the file: the line (counting from 1), the field's name as the screen's messages
// call it ("line" for the line as a whole) and the message.
struct Finding {
    qsizetype line = 0;
    QString field;
    QString message;
};
// "line N, FIELD: MESSAGE"
QString findingText(const Finding &finding);

struct Result {
    QList<EmployeeEntries> employees; // in the order of the file; empty when there is a finding
    QStringList records;              // their S records, built for the account
    QList<Finding> findings;          // in line order and, within a line, in field order
};

// The only conversions made on the way from the file to the rules: an SSN written 123-45-6789
// loses its dashes, and an amount written in dollars with two decimals becomes whole cents
// (centsFromDollars). Any other text comes back unchanged.
QString ssnFromFile(QStringView text);
QString wagesFromFile(QStringView text);

// The rows of the employee screen's field table whose rule fails on the entries, in the order
// of the fields: the field's name and the message.
QList<QPair<QString, QString>> employeeFaults(const EmployeeEntries &employee);

// Reads the file's bytes for the account. The first line that is not blank is a header, and left
// out, when its first field holds a letter. An SSN may not stand twice in the file nor be among
// `ssnsWritten`, those already written for the account (nine digits each).
Result importEmployees(QByteArrayView bytes, const QString &accountNumber,
                       const QSet<QString> &ssnsWritten);

} // namespace EmployeeImport
