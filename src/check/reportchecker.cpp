#include "check/reportchecker.h"

#include "contact/contactrules.h"
#include "employee/employeerules.h"
#include "employer/employerrules.h"
#include "output/namingrules.h"
#include "output/reportname.h"
#include "validation/checkstring.h"

#include <QFile>
#include <QFileInfo>

#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace
{

constexpr quint64 limbBase = 1000000000000000000ULL; // 10^18
constexpr qsizetype limbDigits = 18;

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// The value of up to 18 digits.
quint64 digitsValue(QStringView digits)
{
    quint64 value = 0;
    for (const QChar c : digits)
        value = value * 10 + (c.unicode() - u'0');
    return value;
}

QString counted(qint64 count, const char *one, const char *many)
{
    return QString::number(count) + u' ' + QLatin1String(count == 1 ? one : many);
}

} // namespace

bool WholeNumber::add(QStringView text)
{
    const QStringView digits = rightTrimSpaces(text);
    if (digits.isEmpty())
        return false;
    if (digits.size() <= limbDigits) { // the usual case: one pass checks and reads the digits
        quint64 value = 0;
        for (const QChar c : digits) {
            const unsigned digit = c.unicode() - unsigned(u'0');
            if (digit > 9)
                return false;
            value = value * 10 + digit;
        }
        addAt(0, value);
        return true;
    }
    if (!std::all_of(digits.begin(), digits.end(), isDigit))
        return false;
    qsizetype end = digits.size();
    for (qsizetype limb = 0; end > 0; ++limb) {
        const qsizetype start = std::max<qsizetype>(0, end - limbDigits);
        addAt(limb, digitsValue(digits.sliced(start, end - start)));
        end = start;
    }
    return true;
}

void WholeNumber::addAt(qsizetype limb, quint64 value)
{
    while (value != 0) {
        if (limb == m_limbs.size())
            m_limbs.append(0);
        const quint64 sum = m_limbs[limb] + value; // below 2 * 10^18, far from overflow
        if (sum >= limbBase) {
            m_limbs[limb] = sum - limbBase;
            value = 1;
        } else {
            m_limbs[limb] = sum;
            value = 0;
        }
        ++limb;
    }
}

QString WholeNumber::toString() const
{
    if (m_limbs.isEmpty())
        return QStringLiteral("0");
    QString text = QString::number(m_limbs.last());
    for (qsizetype limb = m_limbs.size() - 2; limb >= 0; --limb)
        text += QString::number(m_limbs[limb]).rightJustified(limbDigits, u'0');
    return text;
}

namespace
{

constexpr int fieldsPerRecord = 11;
constexpr quint64 lowSeven = 0x7F7F7F7F7F7F7F7Fu;
constexpr quint64 highBits = 0x8080808080808080u;

// Exact comparisons of short field texts, kept inline for the per-line path.
bool equal(QStringView a, QStringView b)
{
    return a.size() == b.size() &&
           std::char_traits<char16_t>::compare(a.utf16(), b.utf16(), std::size_t(a.size())) == 0;
}
bool isChar(QStringView text, char16_t c)
{
    return text.size() == 1 && text[0] == c;
}

// Duplicate SSNs are found by sorting the account's (SSN, line) pairs packed in one number: the
// SSN above, the line number in the low bits.
constexpr int lineBits = 34;
constexpr quint64 lineMask = (quint64(1) << lineBits) - 1;

// Sorts by SSN and keeps the line order among equal SSNs. Three passes of a radix sort on the 30
// bits of the SSN, as the pairs arrive in line order; small accounts use std::sort.
void sortBySsn(std::vector<quint64> &keys, std::vector<quint64> &spare)
{
    if (keys.size() < 4096) {
        std::sort(keys.begin(), keys.end());
        return;
    }
    spare.resize(keys.size());
    for (int shift = lineBits; shift < 64; shift += 10) {
        qsizetype counts[1025] = {};
        for (const quint64 key : keys)
            ++counts[((key >> shift) & 1023) + 1];
        for (int i = 0; i < 1024; ++i)
            counts[i + 1] += counts[i];
        for (const quint64 key : keys)
            spare[counts[(key >> shift) & 1023]++] = key;
        keys.swap(spare);
    }
}

// Single-byte text to UTF-16, in blocks of a fixed size that compilers turn into vector
// instructions (the buffers never overlap).
void widen(const unsigned char *__restrict in, char16_t *__restrict out, qsizetype size)
{
    constexpr qsizetype block = 32;
    qsizetype i = 0;
    for (; i + block <= size; i += block) {
        for (qsizetype k = 0; k < block; ++k)
            out[i + k] = in[i + k];
    }
    for (; i < size; ++i)
        out[i] = in[i];
}

QString ssnText(quint64 ssn)
{
    return QStringLiteral("%1").arg(ssn, 9, 10, QLatin1Char('0'));
}

// The fields of one line as views of its UTF-16 text: field k lies between bounds[k] + 1 and
// bounds[k + 1], where bounds holds -1, the commas' positions and the line's length.
struct Fields {
    const char16_t *text;
    const qsizetype *bounds;
    QStringView operator[](int k) const
    {
        return QStringView(text + bounds[k] + 1, bounds[k + 1] - bounds[k] - 1);
    }
};

class Checker
{
public:
    explicit Checker(FileReport &report) : r(report) {}

    // One line without its LF; `ended` is false for a last line that has no LF.
    void line(const char *bytes, const char16_t *wide, qsizetype size, bool ended);
    void finish();

private:
    Q_NEVER_INLINE void error(const char *field, QString message)
    {
        r.findings.append({m_line, Severity::Error, field, std::move(message)});
    }
    Q_NEVER_INLINE void warning(const char *field, QString message)
    {
        r.findings.append({m_line, Severity::Warning, field, std::move(message)});
    }
    // A rule's verdict: its message is the finding; an empty text is a pass.
    Q_ALWAYS_INLINE void rule(const char *field, QString &&message)
    {
        if (Q_UNLIKELY(!message.isEmpty()))
            error(field, std::move(message));
    }
    void reserved(QStringView value, int position)
    {
        if (!isChar(value, u' '))
            error("RESERVED",
                  QStringLiteral("field %1 is reserved and must be a single space").arg(position));
    }

    void aRecord(const Fields &f);
    void eRecord(const Fields &f);
    void sRecord(const Fields &f);
    void ssnWarnings(QStringView ssn);
    void closeAccount();

    FileReport &r;
    qint64 m_line = 0;
    std::vector<qsizetype> m_commas;
    bool m_sawRecord = false;
    QString m_filingType;

    // The open account: its E record and what its S records add up to.
    bool m_inAccount = false;
    bool m_accountKnown = false; // its E record had all its fields
    AccountSummary m_account;
    QString m_paddedAccount;
    QString m_thirdMonth;
    WholeNumber m_grossSum;
    WholeNumber m_taxableSum;
    bool m_grossSummed = true;
    bool m_taxableSummed = true;
    std::vector<quint64> m_ssns;
    std::vector<quint64> m_spare;
};

void Checker::line(const char *bytes, const char16_t *wide, qsizetype size, bool ended)
{
    m_line = ++r.lines;
    const bool cr = size > 0 && bytes[size - 1] == '\r';
    if (cr)
        --size;
    if (!ended)
        error("line", QStringLiteral("the last line has no CR LF line end"));
    else if (!cr)
        error("line", QStringLiteral("the line ends with LF alone, not CR LF"));
    if (m_line == 1 && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        error("line", QStringLiteral("the file begins with a byte order mark (EF BB BF); TAVO "
                                     "takes single-byte text without one"));
        bytes += 3;
        wide += 3;
        size -= 3;
    }
    if (std::all_of(bytes, bytes + size, [](char c) { return c == ' '; })) {
        error("line", QStringLiteral("blank line"));
        return;
    }

    // One pass finds the commas and any byte outside printable ASCII, eight bytes at a time.
    if (qsizetype(m_commas.size()) < size + 9)
        m_commas.resize(size + 9);
    m_commas[0] = -1;
    qsizetype *commas = m_commas.data() + 1;
    qsizetype count = 0;
    quint64 outside = 0;
    qsizetype i = 0;
    for (; i + 8 <= size; i += 8) {
        const quint64 word = qFromLittleEndian<quint64>(bytes + i);
        quint64 comma = ~(((word ^ 0x2C2C2C2C2C2C2C2Cu) & lowSeven) + lowSeven |
                          (word ^ 0x2C2C2C2C2C2C2C2Cu) | lowSeven);
        while (comma) {
            commas[count++] = i + qCountTrailingZeroBits(comma) / 8;
            comma &= comma - 1;
        }
        // A byte below 0x20, or above 0x7E (0x7F and all bytes with the top bit).
        outside |= ((word - 0x2020202020202020u) & ~word) |
                   ((word & lowSeven) + 0x0101010101010101u) | word;
    }
    outside &= highBits;
    for (; i < size; ++i) {
        const unsigned char c = bytes[i];
        commas[count] = i;
        count += c == ',';
        outside |= unsigned(c - 0x20u) > 0x5Eu;
    }
    if (outside) {
        const char *at = std::find_if(bytes, bytes + size, [](char c) {
            return unsigned(static_cast<unsigned char>(c) - 0x20u) > 0x5Eu;
        });
        error("line", QStringLiteral("byte 0x%1 at column %2 is not printable ASCII")
                          .arg(uint(static_cast<unsigned char>(*at)), 2, 16, QLatin1Char('0'))
                          .arg(at - bytes + 1));
    }

    const qsizetype fields = count + 1;
    const QStringView type(wide, count > 0 ? commas[0] : size);
    const bool first = !m_sawRecord;
    m_sawRecord = true;
    if (first && !isChar(type, u'A'))
        error("RECORD TYPE", QStringLiteral("the file must begin with the A record"));

    char kind = 0;
    if (isChar(type, u'A') || isChar(type, u'E') || isChar(type, u'S'))
        kind = char(type[0].unicode());
    else
        error("RECORD TYPE", QStringLiteral("record type \"%1\" is none of A, E and S")
                                 .arg(type.left(20).toString()));

    if (kind == 'A') {
        ++r.aRecords;
        if (r.aRecords > 1)
            error("RECORD TYPE", QStringLiteral("a second A record: a file holds one A record"));
        else if (!first)
            error("RECORD TYPE", QStringLiteral("the A record must be the first line"));
    } else if (kind == 'E') {
        closeAccount();
        ++r.eRecords;
        m_inAccount = true;
        m_accountKnown = fields == fieldsPerRecord;
        m_account = AccountSummary();
        m_account.line = m_line;
        m_grossSum = WholeNumber();
        m_taxableSum = WholeNumber();
        m_grossSummed = m_taxableSummed = m_accountKnown;
        m_ssns.clear();
    } else if (kind == 'S') {
        ++r.sRecords;
        if (m_inAccount) {
            ++m_account.employees;
            if (fields != fieldsPerRecord)
                m_grossSummed = m_taxableSummed = false;
        } else {
            error("RECORD TYPE", QStringLiteral("an S record before any E record: employees "
                                                "follow the E record of their account"));
        }
    }
    if (kind == 0)
        return;
    if (fields != fieldsPerRecord) {
        error("line", QStringLiteral("%1 fields, %2 expected").arg(fields).arg(fieldsPerRecord));
        return;
    }

    commas[count] = size;
    const Fields f{wide, m_commas.data()};
    if (kind == 'A')
        aRecord(f);
    else if (kind == 'E')
        eRecord(f);
    else
        sRecord(f);
}

void Checker::aRecord(const Fields &f)
{
    if (isChar(f[1], u'O') || isChar(f[1], u'A'))
        m_filingType = f[1].toString();
    else
        error("FILING TYPE", QStringLiteral("FILING TYPE must be O (Original) or A (Amended)"));
    rule("CONTACT NAME", ContactRules::contactName(f[2]));
    rule("CONTACT EMAIL", ContactRules::contactEmail(f[3]));
    rule("CONTACT PHONE NUMBER", ContactRules::contactPhone(f[4]));
    rule("CONTACT PHONE EXTENSION", ContactRules::phoneExtension(f[5]));
    for (int k = 6; k < fieldsPerRecord; ++k)
        reserved(f[k], k + 1);
}

void Checker::eRecord(const Fields &f)
{
    rule("ACCOUNT NUMBER", EmployerRules::accountNumber(f[1]));
    rule("FEIN", EmployerRules::fein(f[2]));
    const QStringView code = f[3];
    if (code.size() != 5 || code[0] < u'1' || code[0] > u'4' ||
        !std::all_of(code.begin() + 1, code.end(), isDigit))
        error("QUARTER-YEAR", QStringLiteral("QUARTER-YEAR must be the quarter, 1 to 4, followed "
                                             "by the four-digit year, as 12014"));
    rule("EMPLOYEES MONTH 1", EmployerRules::firstMonth(f[4]));
    rule("EMPLOYEES MONTH 2", EmployerRules::secondMonth(f[5]));
    rule("EMPLOYEES MONTH 3", EmployerRules::thirdMonth(f[6]));
    const QStringView gross = f[7], withholding = f[8], taxable = f[9], contributions = f[10];
    rule("GROSS WAGES", EmployerRules::grossWages(gross, taxable, withholding));
    rule("EMPLOYEE WITHHOLDING", EmployerRules::employeeWithholding(withholding, gross));
    rule("TAXABLE WAGES", EmployerRules::taxableWages(taxable, gross, contributions));
    rule("EMPLOYER CONTRIBUTIONS", EmployerRules::employerContributions(contributions, taxable));

    m_account.account = f[1].toString();
    m_account.grossWages = gross.toString();
    m_account.taxableWages = taxable.toString();
    m_paddedAccount = m_account.account + QStringLiteral("  ");
    m_thirdMonth = f[6].toString();
}

void Checker::sRecord(const Fields &f)
{
    if (m_inAccount && m_accountKnown && !equal(f[1], m_paddedAccount))
        error("ACCOUNT NUMBER",
              QStringLiteral("ACCOUNT NUMBER must be the account number of the E record on line "
                             "%1 followed by two spaces, \"%2\"")
                  .arg(m_account.line)
                  .arg(m_paddedAccount));
    QString message = EmployeeRules::ssn(f[2]);
    if (message.isEmpty())
        ssnWarnings(f[2]);
    else
        error("SSN", std::move(message));
    rule("LAST NAME", EmployeeRules::lastName(f[3]));
    rule("FIRST NAME", EmployeeRules::firstName(f[4]));
    rule("MIDDLE NAME", EmployeeRules::middleName(f[5]));
    const QStringView gross = f[6], taxable = f[7];
    rule("GROSS WAGES", EmployeeRules::grossWages(gross, taxable));
    rule("TAXABLE WAGES", EmployeeRules::taxableWages(taxable, gross));
    rule("CREDIT WEEKS", EmployeeRules::creditWeeks(f[8]));
    reserved(f[9], 10);
    reserved(f[10], 11);
    if (m_inAccount) {
        m_grossSummed = m_grossSum.add(gross) && m_grossSummed;
        m_taxableSummed = m_taxableSum.add(taxable) && m_taxableSummed;
    }
}

// An SSN that passed its rule: nine digits, perhaps followed by spaces.
void Checker::ssnWarnings(QStringView ssn)
{
    const quint64 value = digitsValue(ssn.first(9));
    const quint64 area = value / 1000000, group = value / 10000 % 100, serial = value % 10000;
    if (value == 78051120 || value == 219099999)
        warning("SSN", QStringLiteral("SSN %1 is a widely misused number that belongs to no "
                                      "employee")
                           .arg(ssnText(value)));
    else if (area == 0 || area == 666 || area >= 900)
        warning("SSN", QStringLiteral("SSN %1 cannot have been issued: no SSN begins with %2")
                           .arg(ssnText(value), ssnText(value).left(3)));
    else if (group == 0)
        warning("SSN", QStringLiteral("SSN %1 cannot have been issued: its group number (digits "
                                      "4 and 5) is 00")
                           .arg(ssnText(value)));
    else if (serial == 0)
        warning("SSN", QStringLiteral("SSN %1 cannot have been issued: its serial number (digits "
                                      "6 to 9) is 0000")
                           .arg(ssnText(value)));
    if (m_inAccount)
        m_ssns.push_back(value << lineBits | (quint64(m_line) & lineMask));
}

void Checker::closeAccount()
{
    if (!m_inAccount)
        return;
    m_inAccount = false;
    const qint64 eLine = m_account.line;
    auto finding = [this](qint64 line, const char *field, QString message) {
        r.findings.append({line, Severity::Warning, field, std::move(message)});
    };

    const auto compareSum = [&](const QString &total, bool summed, const WholeNumber &sum,
                                QString &shown, const char *field, const char *what) {
        if (!summed)
            return;
        shown = sum.toString();
        WholeNumber expected;
        if (m_accountKnown && expected.add(total) && expected != sum)
            finding(eLine, field,
                    QStringLiteral("%1 %2 is not the sum of the account's %3, %4")
                        .arg(QLatin1String(field), total,
                             counted(m_account.employees, "S record's", "S records'") + u' ' +
                                 QLatin1String(what),
                             shown));
    };
    compareSum(m_account.grossWages, m_grossSummed, m_grossSum, m_account.employeeGrossWages,
               "GROSS WAGES", "gross wages");
    compareSum(m_account.taxableWages, m_taxableSummed, m_taxableSum,
               m_account.employeeTaxableWages, "TAXABLE WAGES", "taxable wages");

    if (m_accountKnown && isDigitText(m_thirdMonth) &&
        compareWholeNumbers(m_thirdMonth, QString::number(m_account.employees)) != 0)
        finding(eLine, "EMPLOYEES MONTH 3",
                QStringLiteral("%1 covered employees in the third month, but %2 in the account")
                    .arg(rightTrimSpaces(m_thirdMonth),
                         counted(m_account.employees, "S record", "S records")));

    sortBySsn(m_ssns, m_spare);
    for (std::size_t i = 1; i < m_ssns.size(); ++i) {
        const quint64 ssn = m_ssns[i] >> lineBits;
        if (ssn != m_ssns[i - 1] >> lineBits)
            continue;
        std::size_t firstOfThem = i - 1;
        while (firstOfThem > 0 && m_ssns[firstOfThem - 1] >> lineBits == ssn)
            --firstOfThem;
        finding(qint64(m_ssns[i] & lineMask), "SSN",
                QStringLiteral("SSN %1 is already on line %2 in this account")
                    .arg(ssnText(ssn))
                    .arg(qint64(m_ssns[firstOfThem] & lineMask)));
    }
    m_ssns.clear();
    r.accounts.append(m_account);
}

void Checker::finish()
{
    closeAccount();
    m_line = 0;
    if (!m_sawRecord)
        error("line", QStringLiteral("the file holds no record"));
    else if (r.eRecords == 0)
        error("RECORD TYPE", QStringLiteral("the file holds no E record: a report has at least "
                                            "one account"));
    r.findings += checkReportFileName(QFileInfo(r.path).fileName(), m_filingType);
    std::stable_sort(r.findings.begin(), r.findings.end(),
                     [](const Finding &a, const Finding &b) { return a.line < b.line; });
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
    Checker checker(report);
    // Read in large pieces; every piece is widened to UTF-16 once, so the rules get parts of it
    // as views. A line cut at the end of a piece moves to the front for the next read.
    std::vector<char> bytes(1 << 18);
    std::vector<char16_t> wide(bytes.size());
    qsizetype kept = 0;
    for (;;) {
        if (kept == qsizetype(bytes.size())) {
            bytes.resize(bytes.size() * 2);
            wide.resize(bytes.size());
        }
        const qint64 got = file.read(bytes.data() + kept, qint64(bytes.size()) - kept);
        if (got < 0) {
            report.readError = file.errorString();
            return report;
        }
        const qsizetype filled = kept + qsizetype(got);
        widen(reinterpret_cast<const unsigned char *>(bytes.data()), wide.data(), filled);
        qsizetype start = 0;
        while (start < filled) {
            const void *lf = std::memchr(bytes.data() + start, '\n', std::size_t(filled - start));
            if (!lf)
                break;
            const qsizetype end = static_cast<const char *>(lf) - bytes.data();
            checker.line(bytes.data() + start, wide.data() + start, end - start, true);
            start = end + 1;
        }
        if (got == 0) {
            if (start < filled)
                checker.line(bytes.data() + start, wide.data() + start, filled - start, false);
            break;
        }
        kept = filled - start;
        std::memmove(bytes.data(), bytes.data() + start, std::size_t(kept));
    }
    checker.finish();
    return report;
}

QList<Finding> checkReportFileName(const QString &fileName, QStringView filingType)
{
    QList<Finding> findings;
    const auto warn = [&findings](QString message) {
        findings.append({0, Severity::Warning, "FILE NAME", std::move(message)});
    };
    const QString extension = QStringLiteral(".CSV");
    // The prefixes are those of the names the naming screen composes, for each method and type.
    for (const QString &method : {QStringLiteral("FILE UPLOAD"), QStringLiteral("FTP")}) {
        for (const QString &type : {QStringLiteral("O"), QStringLiteral("A")}) {
            const QString prefix =
                composeReportFileName(method, type, QString(), QString()).chopped(extension.size());
            if (!fileName.startsWith(prefix) || !fileName.endsWith(extension) ||
                fileName.size() < prefix.size() + extension.size())
                continue;
            const QString middle =
                fileName.mid(prefix.size(), fileName.size() - prefix.size() - extension.size());
            const qsizetype underscore = middle.indexOf(u'_');
            const QString number = underscore < 0 ? middle : middle.left(underscore);
            const QString sequence = underscore < 0 ? QString() : middle.mid(underscore + 1);
            QString message = number.size() == 10 ? NamingRules::tpaid(number)
                                                  : NamingRules::accountNumber(number);
            if (message.isEmpty())
                message = NamingRules::sequenceNumber(sequence);
            const QString composed = composeReportFileName(method, type, number, sequence);
            if (!message.isEmpty())
                warn(message);
            else if (composed != fileName)
                warn(QStringLiteral("%1 is not the name the naming screen gives: %2")
                         .arg(fileName, composed));
            if (!filingType.isEmpty() && filingType != type)
                warn(QStringLiteral("the name is for %1 filing, but the A record's filing type is "
                                    "%2")
                         .arg(type == u"O" ? QStringLiteral("an Original")
                                           : QStringLiteral("an Amended"),
                              filingType.toString()));
            return findings;
        }
    }
    warn(QStringLiteral("%1 is not a report file name; the naming screen gives names such as %2 "
                        "or %3")
             .arg(fileName,
                  composeReportFileName(QStringLiteral("FILE UPLOAD"), QStringLiteral("O"),
                                        QStringLiteral("0123456"), QString()),
                  composeReportFileName(QStringLiteral("FTP"), QStringLiteral("A"),
                                        QStringLiteral("0000012345"), QStringLiteral("1Q2014"))));
    return findings;
}
