#include "rules/reportreader.h"

#include "rules/amounts.h"
#include "rules/calendar.h"
#include "rules/counted.h"
#include "rules/csvreader.h"
#include "rules/filingrules.h"
#include "rules/numbers.h"
#include "rules/records.h"
#include "rules/reportname.h"
#include "rules/runningtotals.h"
#include "rules/spaces.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>
#include <vector>

namespace
{

const QLatin1String cutShort("; the file may be cut short");

// Follows the file line by line: each line's bytes, its fields through the rows of the field
// tables, and where it stands in the file (one A record first, then each E record and its S
// records, which must agree with it); and, when asked for, its records into the filing.
struct Reader {
    Report &r;
    bool checks = true; // the fields and accounts are checked
    qint64 line = 0;
    bool bom = false; // the first line began with a byte order mark
    bool sawRecord = false;
    QString filingType; // of the first A record, when it is O or A
    // The line at hand, as bytes and in UTF-16, and its record's entries, all used again per line.
    QLatin1String bytesOfLine;
    QString text;
    ContactEntries contact;
    EmployerEntries employer;
    EmployeeEntries employee;
    // The open account (none while its line is 0), its E record's fields in the employer entries.
    AccountSummary account;
    QString padded; // its number as the S records carry it; empty for an incomplete E record
    WholeNumberSum gross, taxable;
    // Each S record's SSN, line and bytes; each account number's first E record's line.
    std::vector<std::tuple<quint64, qint64, QLatin1String>> ssns;
    std::map<QString, qint64> accountLines;

    void add(qint64 at, Severity severity, int position, const char *field, QString message,
             bool layout = false)
    {
        if (!message.isEmpty())
            r.findings.append(
                {at, QLatin1String(field), std::move(message), severity, position, layout});
    }
    // An error of a line; one of the line as a whole or of its record type is of the layout.
    void error(int position, const char *field, QString message)
    {
        add(line, Severity::Error, position, field, std::move(message), position < 2);
    }

    // The record's fields read into its entries and each through its row of the field table, its
    // rule and its box length; the fields after the table's rows are reserved single spaces.
    template <typename Entries> void fields(Entries &entries, const Records::Fields &f)
    {
        Records::readEntries(f, entries);
        int position = 2;
        for (const auto &row : fieldsOf(entries)) {
            for (QString &message : fieldFindings(row, entries))
                error(position, row.name, std::move(message));
            ++position;
        }
        for (; position <= Records::fieldCount; ++position)
            if (f[position - 1] != u" ")
                error(position, "RESERVED",
                      QStringLiteral("field %1 is reserved and must be a single space")
                          .arg(position));
    }

    void readLines(QByteArrayView bytes);
    void read(const char *bytes, qsizetype size, bool ended);
    void record(char kind, const Records::Fields *f);
    // Out of line, so a reader that only checks carries no filing code in its loop.
    Q_NEVER_INLINE void file(char kind, bool complete);
    void closeAccount();
    void finish(const QString &notText);
};

void Reader::readLines(QByteArrayView bytes)
{
    const char *start = bytes.begin();
    for (const char *lf;
         start != bytes.end() &&
         (lf = static_cast<const char *>(std::memchr(start, '\n', bytes.end() - start)));
         start = lf + 1)
        read(start, lf - start, true);
    if (start != bytes.end())
        read(start, bytes.end() - start, false);
}

void Reader::read(const char *bytes, qsizetype size, bool ended)
{
    r.lines = ++line;
    const bool cr = size > 0 && bytes[size - 1] == '\r';
    size -= cr;
    if (!ended || !cr)
        add(line, Severity::Error, 0, "line",
            ended ? QStringLiteral("the line ends with LF alone, not CR LF")
                  : QStringLiteral("the last line has no CR LF line end") + cutShort);
    if (line == 1 && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        error(0, "line",
              QStringLiteral("the file begins with a byte order mark (EF BB BF); TAVO takes "
                             "single-byte text without one"));
        bytes += 3, size -= 3;
        bom = true;
        r.filing.reset();
    }
    if (std::all_of(bytes, bytes + size, [](char c) { return c == ' '; })) {
        r.filing.reset();
        return error(0, "line", QStringLiteral("blank line"));
    }
    const char *outside =
        std::find_if(bytes, bytes + size, [](char c) { return uchar(c - 0x20) > 0x5E; });
    if (outside != bytes + size)
        error(0, "line",
              QStringLiteral("byte 0x%1 at column %2 is not printable ASCII")
                  .arg(uint(uchar(*outside)), 2, 16, QLatin1Char('0'))
                  .arg(outside - bytes + 1));
    text = bytesOfLine = QLatin1String(bytes, size); // each byte the character of its number

    const QStringView type = QStringView(text).left(text.indexOf(u','));
    const bool known = type.size() == 1 && QStringView(u"AES").contains(type[0]);
    const std::optional<Records::Fields> f =
        known ? Records::splitLine(text) : std::optional<Records::Fields>();
    if (!known)
        error(1, "RECORD TYPE",
              QStringLiteral("record type \"%1\" is none of A, E and S")
                  .arg(type.left(20).toString()));
    else if (!f)
        error(0, "line",
              QStringLiteral("%1 fields, %2 expected")
                  .arg(text.count(u',') + 1)
                  .arg(Records::fieldCount));
    const char kind = known ? char(type[0].unicode()) : '?';
    if (checks)
        record(kind, f ? &*f : nullptr);
    else if (f && kind == 'A') // the entries the filing takes; an S record keeps its line
        Records::readEntries(*f, contact);
    else if (f && kind == 'E')
        Records::readEntries(*f, employer);
    if (r.filing)
        file(kind, f.has_value());
}

void Reader::record(char kind, const Records::Fields *f)
{
    const bool first = !std::exchange(sawRecord, true);
    if (first && kind != 'A')
        error(1, "RECORD TYPE", QStringLiteral("the file must begin with the A record"));
    if (kind == 'A') {
        if (f)
            fields(contact, *f);
        if (++r.aRecords > 1)
            error(1, "RECORD TYPE", QStringLiteral("a second A record: a file holds one A record"));
        else if (!first)
            error(1, "RECORD TYPE", QStringLiteral("the A record must be the first line"));
        if (r.aRecords == 1 && f && ContactRules::filingType(contact).isEmpty())
            filingType = contact.filingType;
    } else if (kind == 'E') {
        closeAccount();
        employer = {};
        if (f)
            fields(employer, *f);
        ++r.eRecords;
        r.accountLine |= text.size() > 1 && !(line == 1 && bom); // "E," begins the line
        account = {line, employer.accountNumber, 0, employer.grossWages, employer.taxableWages};
        gross = taxable = WholeNumberSum(f != nullptr);
        padded = f ? employer.accountNumber + QStringLiteral("  ") : QString();
        const auto [at, added] = accountLines.emplace(trimSpaces(employer.accountNumber), line);
        if (!added && EmployerRules::accountNumber(employer).isEmpty())
            add(line, Severity::Warning, 2, "ACCOUNT NUMBER",
                FilingRules::accountAppearsAgain(at->first, at->second));
        add(line, Severity::Warning, 4, "QUARTER-YEAR",
            FilingRules::yearNotOffered(employer.quarterYear, today().year()));
    } else if (kind == 'S') {
        if (f)
            fields(employee, *f);
        const bool ssnValid = f && EmployeeRules::ssn(employee).isEmpty();
        const quint64 ssn = ssnValid ? QStringView(employee.ssn).first(9).toULongLong() : 0;
        if (const QString why = ssnValid ? EmployeeRules::unusableSsn(ssn) : QString();
            !why.isEmpty())
            add(line, Severity::Warning, 3, "SSN",
                QStringLiteral("SSN %1 %2").arg(QStringView(employee.ssn).first(9), why));
        ++r.sRecords;
        if (account.line == 0)
            return error(1, "RECORD TYPE",
                         QStringLiteral("an S record before any E record: employees follow the E "
                                        "record of their account"));
        ++account.employees;
        if (!f) {
            gross.forget(), taxable.forget();
            return;
        }
        if (!padded.isEmpty() && (*f)[1] != padded)
            error(2, "ACCOUNT NUMBER",
                  QStringLiteral("ACCOUNT NUMBER must be the account number of the E record on "
                                 "line %1 followed by two spaces, \"%2\"")
                      .arg(account.line)
                      .arg(padded));
        gross.add(employee.grossWages);
        taxable.add(employee.taxableWages);
        if (ssnValid)
            ssns.emplace_back(ssn, line, bytesOfLine);
    }
}

// The record just read, its entries filled, into the filing; a record out of its order, or not
// one of eleven fields, leaves no filing.
void Reader::file(char kind, bool complete)
{
    if (!complete)
        r.filing.reset();
    else if (kind == 'A' && line == 1)
        r.filing->contact = contact;
    else if (kind == 'E' && line > 1)
        r.filing->accounts.append({employer, {}});
    else if (kind == 'S' && !r.filing->accounts.isEmpty())
        r.filing->accounts.last().employees.appendLine(
            QByteArrayView(bytesOfLine.data(), bytesOfLine.size()));
    else
        r.filing.reset();
}

void Reader::closeAccount()
{
    if (account.line == 0)
        return;
    // The sums are shown only when every S record's wages are numbers.
    if (gross.known())
        account.employeeGrossWages = gross.toString();
    if (taxable.known())
        account.employeeTaxableWages = taxable.toString();
    const AccountComparison differs =
        compareAccount(employer.thirdMonth, account.grossWages, account.taxableWages,
                       account.employees, account.employeeGrossWages, account.employeeTaxableWages);
    const auto compare = [this](std::optional<int> comparison, const QString &total,
                                const QString &shown, int position, const char *field,
                                const char *what) {
        if (comparison.value_or(0) != 0)
            add(account.line, Severity::Warning, position, field,
                QStringLiteral("%1 %2 is not the sum of the account's %3 %4, %5")
                    .arg(QLatin1String(field), total,
                         counted(account.employees, "S record's", "S records'"),
                         QLatin1String(what), shown));
    };
    compare(differs.grossWages, account.grossWages, account.employeeGrossWages, 8, "GROSS WAGES",
            "gross wages");
    compare(differs.taxableWages, account.taxableWages, account.employeeTaxableWages, 10,
            "TAXABLE WAGES", "taxable wages");
    // Fewer S records than the third month's count may be a file cut short.
    const QString &thirdMonth = employer.thirdMonth;
    if (const int more = differs.employees.value_or(0))
        add(account.line, Severity::Warning, 7, "EMPLOYEES MONTH 3",
            QStringLiteral("%1 %2 in the third month, but %3 in the account%4")
                .arg(rightTrimSpaces(thirdMonth),
                     QLatin1String(compareWholeNumbers(thirdMonth, u"1") == 0
                                       ? "covered employee"
                                       : "covered employees"),
                     counted(account.employees, "S record", "S records"),
                     more > 0 ? cutShort : QLatin1String()));

    // Sorted by SSN, each SSN's lines in order: a repeated SSN is reported at its later lines,
    // with the first one's line and name, read again from its bytes.
    std::sort(ssns.begin(), ssns.end());
    for (std::size_t i = 1, first = 0; i < ssns.size(); ++i) {
        const auto &[ssn, at, bytes] = ssns[first];
        if (std::get<0>(ssns[i]) != ssn) {
            first = i;
            continue;
        }
        const auto e = Records::readEntries<EmployeeEntries>(*Records::splitLine(QString(bytes)));
        add(std::get<1>(ssns[i]), Severity::Warning, 3, "SSN",
            FilingRules::ssnAlreadyEntered(e.ssn, FilingRules::nameOf(e), at));
    }
    ssns.clear();
    r.accounts.append(std::exchange(account, {}));
}

void Reader::finish(const QString &notText)
{
    closeAccount();
    if (!notText.isEmpty())
        add(0, Severity::Error, 0, "file", notText, true);
    else if (!sawRecord)
        add(0, Severity::Error, 0, "line", QStringLiteral("the file holds no record"), true);
    else if (r.eRecords == 0)
        add(0, Severity::Error, 1, "RECORD TYPE",
            QStringLiteral("the file holds no E record: a report has at least one account"), true);

    // The name against the names the naming screen gives, and against the A record's filing type.
    const QString fileName = QFileInfo(r.path).fileName();
    const auto warn = [&](const QString &text) { add(0, Severity::Warning, 0, "FILE NAME", text); };
    if (const std::optional<ReportFileName> name = readReportFileName(fileName)) {
        QString message = NamingRules::number(name->entries);
        if (message.isEmpty())
            message = NamingRules::sequenceNumber(name->entries);
        const QString composed = composeReportFileName(name->entries, name->reportingType);
        warn(!message.isEmpty() || composed == fileName
                 ? message
                 : fileName + QStringLiteral(" is not the name the naming screen gives: ") +
                       composed);
        if (!filingType.isEmpty() && filingType != name->reportingType)
            warn(QStringLiteral("the name is for ") +
                 (name->reportingType == u"O" ? QStringLiteral("an Original")
                                              : QStringLiteral("an Amended")) +
                 QStringLiteral(" filing, but the A record's filing type is ") + filingType);
    } else
        warn(fileName + QStringLiteral(" is not a report file name; the naming screen gives names "
                                       "such as FILEUPLOAD_WR4-4B_0123456.CSV or "
                                       "FTP_WR4X-4BX_0000012345_1Q2014.CSV"));

    std::stable_sort(r.findings.begin(), r.findings.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.position < b.position;
    });
    for (const Finding &finding : std::as_const(r.findings))
        ++(finding.severity == Severity::Error ? r.errors : r.warnings);
}

} // namespace

Report readReport(QByteArrayView bytes, const QString &path, Reading reading)
{
    Report report{path};
    if (reading != Reading::Findings && !bytes.isEmpty())
        report.filing.emplace();
    Reader reader{report, reading != Reading::FilingAlone};
    reader.readLines(bytes);
    const QString notText = encodingFault(bytes);
    if (notText.isEmpty()) {
        reader.finish(notText);
        return report;
    }
    // A file that is no text is not checked line by line: of its lines only the filing stays.
    Report read = std::exchange(report, Report{path});
    report.filing = std::move(read.filing);
    report.accountLine = read.accountLine;
    Reader{report}.finish(notText);
    return report;
}

Report readReportFile(const QString &path, Reading reading)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    return file.error() == QFileDevice::NoError ? readReport(bytes, path, reading)
                                                : Report{path, file.errorString()};
}
