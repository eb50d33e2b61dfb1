#include "check/reportchecker.h"

#include "rules/records.h"
#include "rules/reportname.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

namespace
{

// An exact sum of digit texts of any length: its decimal digits, the lowest first, and a machine
// word in front of them that short texts are added to, emptied into the digits before it can
// overflow.
struct Sum {
    std::string digits;
    quint64 word = 0;
    bool known = false; // false once a text was not a number (or the E record was incomplete)

    void add(QStringView text)
    {
        if (!(known = known && isDigitText(text)))
            return;
        const QStringView value = rightTrimSpaces(text);
        if (value.size() > 17)
            return addDigits(value);
        quint64 number = 0;
        for (const QChar c : value)
            number = number * 10 + (c.unicode() - u'0');
        if ((word += number) >= 1000000000000000000u) { // 10^18; below 10^18 + 10^17 here
            addDigits(QString::number(word));
            word = 0;
        }
    }
    void addDigits(QStringView value)
    {
        int carry = 0;
        for (qsizetype i = 0; i < value.size() || carry; ++i) {
            if (std::size_t(i) == digits.size())
                digits += '0';
            const int sum = digits[i] - '0' + carry +
                            (i < value.size() ? value[value.size() - 1 - i].unicode() - u'0' : 0);
            digits[i] = char('0' + sum % 10);
            carry = sum / 10;
        }
    }
    QString toString() const
    {
        Sum all = *this;
        all.addDigits(QString::number(word));
        const std::size_t top = all.digits.find_last_not_of('0');
        return top == std::string::npos ? QStringLiteral("0")
                                        : QString::fromLatin1(std::string(
                                              all.digits.rend() - top - 1, all.digits.rend()));
    }
};

// Follows the file line by line: each line's bytes, its fields through the rows of the field
// tables, and where it stands in the file (one A record first, then each E record and its S
// records, which must agree with it).
class Checker
{
public:
    explicit Checker(FileReport &report) : r(report) {}
    void line(const char *bytes, qsizetype size, bool ended);
    void finish();

private:
    void add(qint64 line, Severity severity, int position, const char *field, QString message)
    {
        if (!message.isEmpty())
            r.findings.append({line, severity, field, position, std::move(message)});
    }
    void error(int position, const char *field, QString message)
    {
        add(m_line, Severity::Error, position, field, std::move(message));
    }
    template <typename Entries, std::size_t N>
    void fieldRules(const FieldRow<Entries> (&rows)[N], Entries &entries, const Records::Fields &f);
    void reserved(const Records::Fields &f, int from);
    void record(char kind, const Records::Fields *f);
    quint64 ssnWarnings(QStringView ssn);
    void closeAccount();

    FileReport &r;
    // The line at hand in UTF-16 and its record's entries, their storage used again for each line.
    QString m_text;
    ContactEntries m_contact;
    EmployerEntries m_employer;
    EmployeeEntries m_employee;
    qint64 m_line = 0;
    bool m_sawRecord = false;
    QString m_filingType; // of the first A record, when it is O or A

    // The open account: its E record, and what its S records add up to.
    bool m_inAccount = false;
    AccountSummary m_account;
    QString m_padded;     // its account number as the S records carry it
    QString m_thirdMonth; // empty when the E record was incomplete
    Sum m_grossSum, m_taxableSum;
    std::vector<quint64> m_ssns; // each S record's SSN above its line number
};

constexpr int lineBits = 34;

void Checker::line(const char *bytes, qsizetype size, bool ended)
{
    r.lines = ++m_line;
    const bool cr = size > 0 && bytes[size - 1] == '\r';
    size -= cr;
    if (!ended)
        error(0, "line", QStringLiteral("the last line has no CR LF line end"));
    else if (!cr)
        error(0, "line", QStringLiteral("the line ends with LF alone, not CR LF"));
    if (m_line == 1 && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        error(0, "line",
              QStringLiteral("the file begins with a byte order mark (EF BB BF); TAVO takes "
                             "single-byte text without one"));
        bytes += 3;
        size -= 3;
    }
    if (std::all_of(bytes, bytes + size, [](char c) { return c == ' '; }))
        return error(0, "line", QStringLiteral("blank line"));

    // Single-byte text: each byte is the character of the same number. Widened in one pass that
    // also notes a byte outside printable ASCII.
    m_text.resize(size);
    char16_t *text = reinterpret_cast<char16_t *>(m_text.data());
    bool outside = false;
    for (qsizetype i = 0; i < size; ++i) {
        text[i] = static_cast<unsigned char>(bytes[i]);
        outside |= unsigned(text[i] - 0x20u) > 0x5Eu;
    }
    if (outside) {
        const qsizetype at =
            std::find_if(text, text + size, [](char16_t c) { return c < 0x20 || c > 0x7E; }) - text;
        error(0, "line",
              QStringLiteral("byte 0x%1 at column %2 is not printable ASCII")
                  .arg(uint(text[at]), 2, 16, QLatin1Char('0'))
                  .arg(at + 1));
    }
    const QStringView type = QStringView(m_text).left(m_text.indexOf(u','));
    const char16_t first = type.size() == 1 ? type[0].unicode() : u'?';
    const char kind = first == u'A' || first == u'E' || first == u'S' ? char(first) : '?';
    std::optional<Records::Fields> f;
    if (kind == '?')
        error(1, "RECORD TYPE",
              QStringLiteral("record type \"%1\" is none of A, E and S")
                  .arg(type.left(20).toString()));
    else if (!(f = Records::splitLine(m_text)))
        error(0, "line",
              QStringLiteral("%1 fields, %2 expected")
                  .arg(m_text.count(u',') + 1)
                  .arg(Records::fieldCount));
    record(kind, f ? &*f : nullptr);
}

// The record's fields through the rows of its kind's field table, each also against the length
// its entry box takes.
template <typename Entries, std::size_t N>
void Checker::fieldRules(const FieldRow<Entries> (&rows)[N], Entries &entries,
                         const Records::Fields &f)
{
    Records::readEntries(f, entries);
    for (const FieldRow<Entries> &row : rows) {
        const QStringView value = f[row.position - 1];
        // A file cannot leave the quarter or the year unchosen: its code is right or wrong whole.
        if constexpr (std::is_same_v<Entries, EmployerEntries>) {
            if (row.rule == static_cast<QString (*)(const Entries &)>(EmployerRules::quarterYear)) {
                error(row.position, row.name, EmployerRules::quarterYearCode(value));
                continue;
            }
        }
        error(row.position, row.name, row.rule(entries));
        if (row.maxLength > 0 && value.size() > row.maxLength)
            error(row.position, row.name,
                  QStringLiteral("%1 has %2 characters; its entry box takes at most %3.")
                      .arg(QLatin1String(row.name))
                      .arg(value.size())
                      .arg(row.maxLength));
    }
}

void Checker::reserved(const Records::Fields &f, int from)
{
    for (int k = from; k < Records::fieldCount; ++k) {
        if (f[k] != u" ")
            error(k + 1, "RESERVED",
                  QStringLiteral("field %1 is reserved and must be a single space").arg(k + 1));
    }
}

// The warnings of an SSN that passed its rule (nine digits, perhaps followed by spaces); returns
// its number.
quint64 Checker::ssnWarnings(QStringView ssn)
{
    const QString text = ssn.first(9).toString();
    const quint64 value = text.toULongLong();
    const quint64 area = value / 1000000, group = value / 10000 % 100, serial = value % 10000;
    QString why;
    if (value == 78051120 || value == 219099999)
        why = QStringLiteral(" is a widely misused number that belongs to no employee");
    else if (area == 0 || area == 666 || area >= 900)
        why = QStringLiteral(" cannot have been issued: no SSN begins with ") + text.left(3);
    else if (group == 0)
        why = QStringLiteral(" cannot have been issued: its group number (digits 4 and 5) is 00");
    else if (serial == 0)
        why = QStringLiteral(" cannot have been issued: its serial number (digits 6 to 9) is 0000");
    if (!why.isEmpty())
        add(m_line, Severity::Warning, 3, "SSN", QStringLiteral("SSN ") + text + why);
    return value;
}

void Checker::record(char kind, const Records::Fields *f)
{
    if (!m_sawRecord && kind != 'A')
        error(1, "RECORD TYPE", QStringLiteral("the file must begin with the A record"));
    const bool first = !m_sawRecord;
    m_sawRecord = true;
    if (kind == 'A') {
        const bool known = f && ((*f)[1] == u"O" || (*f)[1] == u"A");
        if (f) {
            if (!known)
                error(2, "FILING TYPE",
                      QStringLiteral("FILING TYPE must be O (Original) or A (Amended)"));
            fieldRules(ContactRules::fields, m_contact, *f);
            reserved(*f, 6);
        }
        if (++r.aRecords > 1)
            error(1, "RECORD TYPE", QStringLiteral("a second A record: a file holds one A record"));
        else if (!first)
            error(1, "RECORD TYPE", QStringLiteral("the A record must be the first line"));
        if (r.aRecords == 1 && known)
            m_filingType = (*f)[1].toString();
    } else if (kind == 'E') {
        if (f)
            fieldRules(EmployerRules::fields, m_employer, *f);
        closeAccount();
        ++r.eRecords;
        m_inAccount = true;
        m_account = AccountSummary{m_line};
        m_grossSum = m_taxableSum = Sum{{}, 0, f != nullptr};
        m_padded.clear();
        m_thirdMonth.clear();
        if (f) {
            m_account.account = (*f)[1].toString();
            m_account.grossWages = (*f)[7].toString();
            m_account.taxableWages = (*f)[9].toString();
            m_thirdMonth = (*f)[6].toString();
            m_padded = m_account.account + QStringLiteral("  ");
        }
    } else if (kind == 'S') {
        bool ssnValid = false;
        quint64 ssn = 0;
        if (f) {
            fieldRules(EmployeeRules::fields, m_employee, *f);
            if ((ssnValid = EmployeeRules::ssn((*f)[2]).isEmpty()))
                ssn = ssnWarnings((*f)[2]);
            reserved(*f, 9);
        }
        ++r.sRecords;
        if (!m_inAccount)
            return error(1, "RECORD TYPE",
                         QStringLiteral("an S record before any E record: employees follow the E "
                                        "record of their account"));
        ++m_account.employees;
        if (!f) {
            m_grossSum.known = m_taxableSum.known = false;
            return;
        }
        if (!m_padded.isEmpty() && (*f)[1] != m_padded)
            error(2, "ACCOUNT NUMBER",
                  QStringLiteral("ACCOUNT NUMBER must be the account number of the E record on "
                                 "line %1 followed by two spaces, \"%2\"")
                      .arg(m_account.line)
                      .arg(m_padded));
        m_grossSum.add((*f)[6]);
        m_taxableSum.add((*f)[7]);
        if (ssnValid)
            m_ssns.push_back(ssn << lineBits | quint64(m_line));
    }
}

void Checker::closeAccount()
{
    if (!m_inAccount)
        return;
    m_inAccount = false;
    const auto compare = [this](const QString &total, const Sum &sum, QString &shown, int position,
                                const char *field, const char *what) {
        if (!sum.known)
            return;
        shown = sum.toString();
        if (isDigitText(total) && compareWholeNumbers(total, shown) != 0)
            add(m_account.line, Severity::Warning, position, field,
                QStringLiteral("%1 %2 is not the sum of the account's %3 %4, %5")
                    .arg(QLatin1String(field), total,
                         counted(m_account.employees, "S record's", "S records'"),
                         QLatin1String(what), shown));
    };
    compare(m_account.grossWages, m_grossSum, m_account.employeeGrossWages, 8, "GROSS WAGES",
            "gross wages");
    compare(m_account.taxableWages, m_taxableSum, m_account.employeeTaxableWages, 10,
            "TAXABLE WAGES", "taxable wages");
    if (isDigitText(m_thirdMonth) &&
        compareWholeNumbers(m_thirdMonth, QString::number(m_account.employees)) != 0)
        add(m_account.line, Severity::Warning, 7, "EMPLOYEES MONTH 3",
            QStringLiteral("%1 %2 in the third month, but %3 in the account")
                .arg(rightTrimSpaces(m_thirdMonth),
                     compareWholeNumbers(m_thirdMonth, u"1") == 0
                         ? QStringLiteral("covered employee")
                         : QStringLiteral("covered employees"),
                     counted(m_account.employees, "S record", "S records")));

    // Sorted by SSN, each SSN's lines in order: a repeated SSN is reported at its later lines.
    std::sort(m_ssns.begin(), m_ssns.end());
    const quint64 lineMask = (quint64(1) << lineBits) - 1;
    for (std::size_t i = 1, firstOfThem = 0; i < m_ssns.size(); ++i) {
        if (m_ssns[i] >> lineBits != m_ssns[i - 1] >> lineBits)
            firstOfThem = i;
        else
            add(qint64(m_ssns[i] & lineMask), Severity::Warning, 3, "SSN",
                QStringLiteral("SSN %1 is already on line %2 in this account")
                    .arg(m_ssns[i] >> lineBits, 9, 10, QLatin1Char('0'))
                    .arg(qint64(m_ssns[firstOfThem] & lineMask)));
    }
    m_ssns.clear();
    r.accounts.append(m_account);
}

void Checker::finish()
{
    closeAccount();
    if (!m_sawRecord)
        add(0, Severity::Error, 0, "line", QStringLiteral("the file holds no record"));
    else if (r.eRecords == 0)
        add(0, Severity::Error, 1, "RECORD TYPE",
            QStringLiteral("the file holds no E record: a report has at least one account"));
    r.findings += checkReportFileName(QFileInfo(r.path).fileName(), m_filingType);
    std::stable_sort(r.findings.begin(), r.findings.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.position < b.position;
    });
    for (const Finding &finding : std::as_const(r.findings))
        ++(finding.severity == Severity::Error ? r.errors : r.warnings);
}

} // namespace

FileReport checkReportFile(const QString &path)
{
    FileReport report;
    report.path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        report.readError = file.errorString();
        return report;
    }
    // Read in pieces of 1 MiB; a line cut at the end of a piece moves to the front for the next
    // read, and a line longer than the buffer makes it grow.
    Checker checker(report);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qsizetype kept = 0;
    for (;;) {
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2);
        const qint64 got = file.read(buffer.data() + kept, buffer.size() - kept);
        if (got < 0) {
            report.readError = file.errorString();
            return report;
        }
        const char *data = buffer.constData();
        const qsizetype filled = kept + got;
        qsizetype start = 0;
        while (const void *lf = std::memchr(data + start, '\n', std::size_t(filled - start))) {
            checker.line(data + start, static_cast<const char *>(lf) - data - start, true);
            start = static_cast<const char *>(lf) - data + 1;
        }
        if (got == 0) {
            if (start < filled)
                checker.line(data + start, filled - start, false);
            checker.finish();
            return report;
        }
        kept = filled - start;
        std::memmove(buffer.data(), data + start, std::size_t(kept));
    }
}

QList<Finding> checkReportFileName(const QString &fileName, QStringView filingType)
{
    QList<Finding> findings;
    const auto warn = [&findings](QString message) {
        findings.append({0, Severity::Warning, "FILE NAME", 0, std::move(message)});
    };
    const std::optional<ReportFileName> name = readReportFileName(fileName);
    if (!name) {
        warn(fileName + QStringLiteral(" is not a report file name; the naming screen gives names "
                                       "such as FILEUPLOAD_WR4-4B_0123456.CSV or "
                                       "FTP_WR4X-4BX_0000012345_1Q2014.CSV"));
        return findings;
    }
    QString message = NamingRules::number(name->entries);
    if (message.isEmpty())
        message = NamingRules::sequenceNumber(name->entries);
    const QString composed = composeReportFileName(name->entries, name->reportingType);
    if (!message.isEmpty())
        warn(message);
    else if (composed != fileName)
        warn(fileName + QStringLiteral(" is not the name the naming screen gives: ") + composed);
    if (!filingType.isEmpty() && filingType != name->reportingType)
        warn(QStringLiteral("the name is for ") +
             (name->reportingType == u"O" ? QStringLiteral("an Original")
                                          : QStringLiteral("an Amended")) +
             QStringLiteral(" filing, but the A record's filing type is ") + filingType.toString());
    return findings;
}
