#include "rules/employeeimport.h"

#include "rules/amounts.h"
#include "rules/csvreader.h"
#include "rules/filingrules.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

#include <QHash>
#include <QRegularExpression>

namespace EmployeeImport
{

namespace
{

bool holds(QStringView text, bool (*kind)(char32_t))
{
    return std::any_of(text.begin(), text.end(), [kind](QChar c) { return kind(c.unicode()); });
}

// A wage as a spreadsheet may write it that the screen's box would read wrongly, refused with the
// ways to write it: plain digits are dollars to most people but cents to the box (zero is zero
// either way), and dollars need exactly two decimals. Any other text is left to the screen's rule.
QString amountFault(const char *field, QStringView text)
{
    const QStringView value = trimSpaces(text);
    if (isDigitText(value)) {
        const QString dollars = addWholeNumbers(value, u"0");
        if (dollars == QLatin1String("0"))
            return QString();
        return QStringLiteral("%1 %2 has no cents: write the amount in dollars and cents, as %3.00 "
                              "or %4. A spreadsheet writes the cell's value unless the file is "
                              "saved with the cells' content as shown.")
            .arg(QLatin1String(field), value.toString(), dollars, formatCents(dollars + "00"));
    }
    // Dollars: an optional $, digits with commas, a point and decimals. Shown with two decimals
    // when that is the same amount, else with an example.
    static const QRegularExpression dollarsLike(
        QStringLiteral("^\\$?[0-9,]*[0-9][0-9,]*(\\.[0-9]*)?$"));
    if (!centsFromDollars(value).isEmpty() || !dollarsLike.match(value).hasMatch())
        return QString();
    const bool point = value.contains(u'.');
    const qsizetype decimals = point ? value.size() - value.indexOf(u'.') - 1 : 0;
    const QString cents =
        decimals > 2 ? QString()
                     : centsFromDollars(value.toString() + QLatin1String(point ? "" : ".") +
                                        QString(2 - decimals, u'0'));
    const QString shown = cents.isEmpty() ? QStringLiteral("$1,234.56") : formatCents(cents);
    return QStringLiteral("%1 %2 is not an amount in dollars and cents: write it with two "
                          "decimals, as %3 or %4.")
        .arg(QLatin1String(field), value.toString(), QString(shown).remove(u',').remove(u'$'),
             shown);
}

// The file's columns: the rows of the S record that have a box on the employee screen, in order.
QList<const FieldRow<EmployeeEntries> *> fileColumns()
{
    QList<const FieldRow<EmployeeEntries> *> columns;
    for (const FieldRow<EmployeeEntries> &row : EmployeeRules::fields)
        if (row.box)
            columns.append(&row);
    return columns;
}

// The columns as the findings list them: "SSN, last name, first name, …", each field's name in
// lower case but for a name written in capitals alone, as SSN.
QString columnNames()
{
    QStringList names;
    for (const FieldRow<EmployeeEntries> *column : fileColumns()) {
        QString name = QLatin1String(column->caption);
        names << (name == name.toUpper() ? name : name.toLower());
    }
    return names.join(QStringLiteral(", "));
}

bool isWage(const FieldRow<EmployeeEntries> &row)
{
    return row.rule == EmployeeRules::grossWages || row.rule == EmployeeRules::taxableWages;
}

// Column names rather than an employee: letters in the first field and no digit in the SSN nor in
// the wages, which an employee's line has even when its SSN is masked, as XXX-XX-XXXX.
bool isHeader(const QStringList &fields, const QList<const FieldRow<EmployeeEntries> *> &columns)
{
    bool header = !fields.isEmpty() && holds(fields.first(), QChar::isLetter);
    for (qsizetype i = 0; i < fields.size() && i < columns.size(); ++i)
        if (columns[i]->rule == EmployeeRules::ssn || isWage(*columns[i]))
            header = header && !holds(fields[i], QChar::isDigit);
    return header;
}

const QString ssnHint = QStringLiteral(
    " A spreadsheet may have dropped the SSN's leading zero: format the SSN column as text and "
    "enter all 9 digits.");

} // namespace

QString ssnFromFile(QStringView text)
{
    if (text.size() != 11 || text[3] != u'-' || text[6] != u'-')
        return text.toString();
    QString digits = text.first(3).toString();
    digits += text.sliced(4, 2);
    digits += text.sliced(7);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return text.toString();
    }
    return digits;
}

QString wagesFromFile(QStringView text)
{
    const QString cents = centsFromDollars(text);
    return cents.isEmpty() ? text.toString() : cents;
}

QByteArray wageTemplate(const QList<EmployeeEntries> &employees)
{
    QStringList captions;
    for (const FieldRow<EmployeeEntries> *column : fileColumns())
        captions << QLatin1String(column->caption);
    QString text = captions.join(u',') + QStringLiteral("\r\n");
    for (const EmployeeEntries &e : employees) {
        // What the table carries from last quarter, the SSN with its dashes; this quarter's
        // figures empty.
        QStringList fields;
        for (const FieldRow<EmployeeEntries> *column : fileColumns()) {
            QString value = column->carried ? trimSpaces(e.*column->entry) : QString();
            if (column->rule == EmployeeRules::ssn && value.size() == 9 && isDigitText(value))
                value = value.left(3) + u'-' + value.mid(3, 2) + u'-' + value.mid(5);
            fields << value;
        }
        text += fields.join(u',') + QStringLiteral("\r\n");
    }
    return text.toLatin1();
}

Result importEmployees(QByteArrayView bytes, const QString &accountNumber,
                       const SsnIndex &ssnsWritten)
{
    Result result;
    if (const QString fault = encodingFault(bytes); !fault.isEmpty()) {
        result.findings.append({0, QStringLiteral("file"), fault});
        return result;
    }
    const QList<const FieldRow<EmployeeEntries> *> columns = fileColumns();
    const QList<CsvLine> lines = readCsvLines(bytes);
    QHash<QString, std::pair<qsizetype, QString>> firstOfSsn; // line and name, the file's so far
    for (const CsvLine &line : lines) {
        const auto find = [&](const char *field, const QString &message) {
            result.findings.append({line.number, QLatin1String(field), message});
        };
        if (&line == &lines.first() && isHeader(line.fields, columns)) {
            result.headerSkipped = true;
            continue;
        }
        if (!line.fault.isEmpty()) {
            find("line", line.fault);
            continue;
        }
        if (line.fields.size() != columns.size()) {
            find("line", QStringLiteral("%1 fields found, %2 expected: %3.")
                             .arg(line.fields.size())
                             .arg(columns.size())
                             .arg(columnNames()));
            continue;
        }
        EmployeeEntries employee;
        employee.accountNumber = accountNumber;
        QStringList amountFaults(columns.size()); // a wage's fault that stands for its findings
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const FieldRow<EmployeeEntries> &row = *columns[i];
            QString value = line.fields[i];
            if (row.rule == EmployeeRules::ssn) {
                value = ssnFromFile(value);
            } else if (isWage(row)) {
                amountFaults[i] = amountFault(row.name, value);
                if (!amountFaults[i].isEmpty())
                    value.clear(); // compared with nothing, so the partner reports nothing of it
                value = wagesFromFile(value);
            }
            employee.*row.entry = value;
        }
        const auto findings = [&](qsizetype column) {
            const FieldRow<EmployeeEntries> &row = *columns[column];
            if (!amountFaults[column].isEmpty())
                return QStringList{amountFaults[column]};
            QStringList found = fieldFindings(row, employee);
            if (row.rule == EmployeeRules::ssn && !found.isEmpty() &&
                rightTrimSpaces(employee.ssn).size() == 8 && isDigitText(employee.ssn))
                found.first() += ssnHint;
            return found;
        };
        // A good SSN that stands twice is reported where it comes again, before the fields.
        if (findings(0).isEmpty()) {
            const QString ssn = rightTrimSpaces(employee.ssn);
            const auto earlier = firstOfSsn.constFind(ssn);
            if (ssnsWritten.contains(ssn))
                find("SSN", FilingRules::ssnAlreadyEntered(ssn, ssnsWritten.nameOf(ssn)));
            else if (earlier != firstOfSsn.cend())
                find("SSN", FilingRules::ssnAlreadyEntered(ssn, earlier->second, earlier->first));
            else
                firstOfSsn.insert(ssn, {line.number, FilingRules::nameOf(employee)});
        }
        for (qsizetype column = 0; column < columns.size(); ++column) {
            for (const QString &message : findings(column))
                find(columns[column]->name, message);
        }
        if (result.findings.isEmpty())
            result.employees.append(std::move(employee));
    }
    if (!result.findings.isEmpty())
        result.employees.clear();
    return result;
}

} // namespace EmployeeImport
