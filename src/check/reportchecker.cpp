#include "check/reportchecker.h"

#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namingrules.h"
#include "rules/reportname.h"
#include "rules/checkstring.h"

#include <QFile>
#include <QFileInfo>

#include <QtAlgorithms>
#include <QtEndian>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#include <emmintrin.h>
#define TAVO_CHECK_SSE2
#endif

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
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

// How a wage reads: not a number, a value in hand, or too long for one (then read from its text).
enum WageForm : quint8 { NotANumber, InValue, InText };

WageForm readWage(QStringView text, quint64 &value)
{
    const QStringView digits = rightTrimSpaces(text);
    if (digits.isEmpty())
        return NotANumber;
    if (digits.size() > limbDigits)
        return std::all_of(digits.begin(), digits.end(), isDigit) ? InText : NotANumber;
    quint64 read = 0;
    for (const QChar c : digits) {
        const unsigned digit = c.unicode() - unsigned(u'0');
        if (digit > 9)
            return NotANumber;
        read = read * 10 + digit;
    }
    value = read;
    return InValue;
}

} // namespace

bool WholeNumber::add(QStringView text)
{
    quint64 value = 0;
    switch (readWage(text, value)) {
    case NotANumber:
        return false;
    case InValue:
        addAt(0, value);
        return true;
    case InText:
        break;
    }
    const QStringView digits = rightTrimSpaces(text);
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
        while (m_limbs.size() <= limb)
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

// Field positions in the records, for the order of a line's findings.
enum Position { WholeLine = 0, RecordType = 1 };

// Exact comparison of a short field text, kept inline for the per-line path.
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
constexpr qsizetype widenBlock = 16;
void widen(const unsigned char *__restrict in, char16_t *__restrict out, qsizetype size)
{
    qsizetype i = 0;
    for (; i + widenBlock <= size; i += widenBlock) {
        for (qsizetype k = 0; k < widenBlock; ++k)
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

// What the account pass needs of a line, gathered by the line pass.
struct LineFacts {
    quint64 gross = 0;
    quint64 taxable = 0;
    qint64 line = 0;
    // S: the account number field, as bytes of the piece.
    qsizetype accountStart = 0;
    quint32 accountSize = 0;
    quint32 ssn = 0;
    // E: the account number, gross wages, taxable wages and third month's count; S: gross and
    // taxable wages too long for a value. Kept in the pass's texts from this index on.
    qint32 texts = -1;
    char kind = 0;         // 'A', 'E' or 'S'; '?' for another record type; 0 for a blank line
    char filingType = 0;   // A: 'O' or 'A' when the field is right
    bool complete = false; // all its fields are there
    bool ssnValid = false; // S: the SSN passed its rule
    WageForm grossForm = NotANumber;
    WageForm taxableForm = NotANumber;
};

// Checks the lines of one piece of the file on their own: bytes, layout and every field by the
// screens' rules. All that hangs on other lines (order, accounts, sums) is left to the account
// pass, with the facts it needs. Two of these work on the two halves of a piece at once.
class alignas(64) LinePass
{
public:
    // Checks the lines of bytes[0, size), numbered from 1 within the piece (the account pass adds
    // the lines before it). The piece ends after an LF, or, at the end of the file, with a last
    // line that has none.
    void run(const char *bytes, qsizetype size, bool fileStart);

    QList<Finding> findings;
    std::vector<LineFacts> facts;
    QList<QString> texts;
    const char *bytes = nullptr; // of the piece

private:
    void line(const char *bytes, qsizetype offset, qsizetype size, bool ended);
    void aRecord(const Fields &f, LineFacts &facts);
    void eRecord(const Fields &f, LineFacts &facts);
    void sRecord(const Fields &f, LineFacts &facts);
    void ssnWarnings(QStringView ssn, LineFacts &facts);

    Q_NEVER_INLINE void add(Severity severity, int position, const char *field, QString message)
    {
        findings.append({m_line, severity, field, position, std::move(message)});
    }
    void error(int position, const char *field, QString message)
    {
        add(Severity::Error, position, field, std::move(message));
    }
    // A rule's verdict on the field at the given position: its message, or an empty text.
    Q_ALWAYS_INLINE void rule(int position, const char *field, QString &&message)
    {
        if (Q_UNLIKELY(!message.isEmpty()))
            error(position, field, std::move(message));
    }
    void reserved(const Fields &f, int k)
    {
        if (!isChar(f[k], u' '))
            error(k + 1, "RESERVED",
                  QStringLiteral("field %1 is reserved and must be a single space").arg(k + 1));
    }

    qint64 m_line = 0;
    qsizetype m_size = 0; // of the piece
    bool m_fileStart = false;
    std::vector<qsizetype> m_bounds;
    std::vector<char16_t> m_wide; // the line in UTF-16
};

void LinePass::run(const char *pieceBytes, qsizetype size, bool fileStart)
{
    findings.clear();
    facts.clear();
    texts.clear();
    bytes = pieceBytes;
    m_size = size;
    m_line = 0;
    m_fileStart = fileStart;
    qsizetype start = 0;
    while (start < size) {
        const void *lf = std::memchr(bytes + start, '\n', std::size_t(size - start));
        const qsizetype end = lf ? static_cast<const char *>(lf) - bytes : size;
        line(bytes + start, start, end - start, lf != nullptr);
        start = end + 1;
    }
}

void LinePass::line(const char *bytes, qsizetype offset, qsizetype size, bool ended)
{
    ++m_line;
    facts.emplace_back();
    LineFacts &fact = facts.back();
    fact.line = m_line;
    const bool cr = size > 0 && bytes[size - 1] == '\r';
    if (cr)
        --size;
    if (!ended)
        error(WholeLine, "line", QStringLiteral("the last line has no CR LF line end"));
    else if (!cr)
        error(WholeLine, "line", QStringLiteral("the line ends with LF alone, not CR LF"));
    if (m_fileStart && m_line == 1 && size >= 3 && std::memcmp(bytes, "\xEF\xBB\xBF", 3) == 0) {
        error(WholeLine, "line",
              QStringLiteral("the file begins with a byte order mark (EF BB BF); TAVO takes "
                             "single-byte text without one"));
        bytes += 3;
        offset += 3;
        size -= 3;
    }
    if (std::all_of(bytes, bytes + size, [](char c) { return c == ' '; })) {
        error(WholeLine, "line", QStringLiteral("blank line"));
        return;
    }

    // One pass finds the commas and any byte outside printable ASCII: sixteen bytes at a time
    // where SSE2 is at hand (every x86-64), then eight at a time in a machine word.
    if (qsizetype(m_bounds.size()) < size + 17)
        m_bounds.resize(size + 17);
    m_bounds[0] = -1;
    qsizetype *commas = m_bounds.data() + 1;
    qsizetype count = 0;
    quint64 outside = 0;
    qsizetype i = 0;
#ifdef TAVO_CHECK_SSE2
    const __m128i commaBytes = _mm_set1_epi8(',');
    const __m128i spaces = _mm_set1_epi8(0x20);
    const __m128i deletes = _mm_set1_epi8(0x7F);
    unsigned outsideSixteen = 0;
    for (; i + 16 <= size; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i));
        unsigned comma = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(v, commaBytes)));
        while (comma) {
            commas[count++] = i + qCountTrailingZeroBits(comma);
            comma &= comma - 1;
        }
        // Compared as signed bytes, those from 0x80 on are below 0x20 too.
        outsideSixteen |= unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmplt_epi8(v, spaces), _mm_cmpeq_epi8(v, deletes))));
    }
#endif
    for (; i + 8 <= size; i += 8) {
        const quint64 word = qFromLittleEndian<quint64>(bytes + i);
        const quint64 x = word ^ 0x2C2C2C2C2C2C2C2Cu; // a comma is a zero byte here
        quint64 comma = ~(((x & lowSeven) + lowSeven) | x | lowSeven);
        while (comma) {
            commas[count++] = i + qCountTrailingZeroBits(comma) / 8;
            comma &= comma - 1;
        }
        // A byte below 0x20, or 0x7F and above.
        outside |= ((word - 0x2020202020202020u) & ~word) |
                   ((word & lowSeven) + 0x0101010101010101u) | word;
    }
    outside &= highBits;
#ifdef TAVO_CHECK_SSE2
    outside |= outsideSixteen;
#endif
    for (; i < size; ++i) {
        const unsigned char c = bytes[i];
        commas[count] = i;
        count += c == ',';
        outside |= unsigned(c - 0x20u) > 0x5Eu;
    }
    commas[count] = size;
    if (outside) {
        const char *at = std::find_if(bytes, bytes + size, [](char c) {
            return unsigned(static_cast<unsigned char>(c) - 0x20u) > 0x5Eu;
        });
        error(WholeLine, "line",
              QStringLiteral("byte 0x%1 at column %2 is not printable ASCII")
                  .arg(uint(static_cast<unsigned char>(*at)), 2, 16, QLatin1Char('0'))
                  .arg(at - bytes + 1));
    }

    // Widened into a buffer of the line's own, which stays in the cache; in whole blocks where the
    // piece goes on far enough (what lies beyond the line end is widened but not used).
    const qsizetype blocks = (size + widenBlock - 1) / widenBlock * widenBlock;
    if (qsizetype(m_wide.size()) < blocks)
        m_wide.resize(std::size_t(blocks));
    widen(reinterpret_cast<const unsigned char *>(bytes), m_wide.data(),
          offset + blocks <= m_size ? blocks : size);
    const Fields f{m_wide.data(), m_bounds.data()};
    const QStringView type = f[0];
    if (isChar(type, u'A') || isChar(type, u'E') || isChar(type, u'S')) {
        fact.kind = char(type[0].unicode());
    } else {
        fact.kind = '?';
        error(RecordType, "RECORD TYPE",
              QStringLiteral("record type \"%1\" is none of A, E and S")
                  .arg(type.left(20).toString()));
        return;
    }
    const qsizetype fields = count + 1;
    if (fields != fieldsPerRecord) {
        error(WholeLine, "line",
              QStringLiteral("%1 fields, %2 expected").arg(fields).arg(fieldsPerRecord));
        return;
    }
    fact.complete = true;
    if (fact.kind == 'S') {
        fact.accountStart = offset + f.bounds[1] + 1;
        fact.accountSize = quint32(std::min<qsizetype>(f.bounds[2] - f.bounds[1] - 1, 0xFFFFFFFF));
        sRecord(f, fact);
    } else if (fact.kind == 'E') {
        eRecord(f, fact);
    } else {
        aRecord(f, fact);
    }
}

void LinePass::aRecord(const Fields &f, LineFacts &fact)
{
    if (isChar(f[1], u'O') || isChar(f[1], u'A'))
        fact.filingType = char(f[1][0].unicode());
    else
        error(2, "FILING TYPE", QStringLiteral("FILING TYPE must be O (Original) or A (Amended)"));
    rule(3, "CONTACT NAME", ContactRules::contactName(f[2]));
    rule(4, "CONTACT EMAIL", ContactRules::contactEmail(f[3]));
    rule(5, "CONTACT PHONE NUMBER", ContactRules::contactPhone(f[4]));
    rule(6, "CONTACT PHONE EXTENSION", ContactRules::phoneExtension(f[5]));
    for (int k = 6; k < fieldsPerRecord; ++k)
        reserved(f, k);
}

void LinePass::eRecord(const Fields &f, LineFacts &fact)
{
    rule(2, "ACCOUNT NUMBER", EmployerRules::accountNumber(f[1]));
    rule(3, "FEIN", EmployerRules::fein(f[2]));
    const QStringView code = f[3];
    if (code.size() != 5 || code[0] < u'1' || code[0] > u'4' ||
        !std::all_of(code.begin() + 1, code.end(), isDigit))
        error(4, "QUARTER-YEAR",
              QStringLiteral("QUARTER-YEAR must be the quarter, 1 to 4, followed by the "
                             "four-digit year, as 12014"));
    rule(5, "EMPLOYEES MONTH 1", EmployerRules::firstMonth(f[4]));
    rule(6, "EMPLOYEES MONTH 2", EmployerRules::secondMonth(f[5]));
    rule(7, "EMPLOYEES MONTH 3", EmployerRules::thirdMonth(f[6]));
    const QStringView gross = f[7], withholding = f[8], taxable = f[9], contributions = f[10];
    rule(8, "GROSS WAGES", EmployerRules::grossWages(gross, taxable, withholding));
    rule(9, "EMPLOYEE WITHHOLDING", EmployerRules::employeeWithholding(withholding, gross));
    rule(10, "TAXABLE WAGES", EmployerRules::taxableWages(taxable, gross, contributions));
    rule(11, "EMPLOYER CONTRIBUTIONS",
         EmployerRules::employerContributions(contributions, taxable));
    fact.texts = qint32(texts.size());
    texts << f[1].toString() << gross.toString() << taxable.toString() << f[6].toString();
}

void LinePass::sRecord(const Fields &f, LineFacts &fact)
{
    QString message = EmployeeRules::ssn(f[2]);
    if (message.isEmpty())
        ssnWarnings(f[2], fact);
    else
        error(3, "SSN", std::move(message));
    rule(4, "LAST NAME", EmployeeRules::lastName(f[3]));
    rule(5, "FIRST NAME", EmployeeRules::firstName(f[4]));
    rule(6, "MIDDLE NAME", EmployeeRules::middleName(f[5]));
    const QStringView gross = f[6], taxable = f[7];
    rule(7, "GROSS WAGES", EmployeeRules::grossWages(gross, taxable));
    rule(8, "TAXABLE WAGES", EmployeeRules::taxableWages(taxable, gross));
    rule(9, "CREDIT WEEKS", EmployeeRules::creditWeeks(f[8]));
    reserved(f, 9);
    reserved(f, 10);
    fact.grossForm = readWage(gross, fact.gross);
    fact.taxableForm = readWage(taxable, fact.taxable);
    if (fact.grossForm == InText || fact.taxableForm == InText) {
        fact.texts = qint32(texts.size());
        texts << gross.toString() << taxable.toString();
    }
}

// An SSN that passed its rule: nine digits, perhaps followed by spaces.
void LinePass::ssnWarnings(QStringView ssn, LineFacts &fact)
{
    quint64 value = 0;
    for (int i = 0; i < 9; ++i)
        value = value * 10 + (ssn[i].unicode() - u'0');
    fact.ssn = quint32(value);
    fact.ssnValid = true;
    const quint64 area = value / 1000000, group = value / 10000 % 100, serial = value % 10000;
    const bool misused = value == 78051120 || value == 219099999;
    if (Q_LIKELY(!misused && area != 0 && area != 666 && area < 900 && group != 0 && serial != 0))
        return;
    const QString text = ssnText(value);
    QString message;
    if (misused)
        message = QStringLiteral("SSN %1 is a widely misused number that belongs to no employee")
                      .arg(text);
    else if (area == 0 || area == 666 || area >= 900)
        message = QStringLiteral("SSN %1 cannot have been issued: no SSN begins with %2")
                      .arg(text, text.left(3));
    else if (group == 0)
        message = QStringLiteral("SSN %1 cannot have been issued: its group number (digits 4 "
                                 "and 5) is 00")
                      .arg(text);
    else if (serial == 0)
        message = QStringLiteral("SSN %1 cannot have been issued: its serial number (digits 6 "
                                 "to 9) is 0000")
                      .arg(text);
    add(Severity::Warning, 3, "SSN", std::move(message));
}

// Follows the records in file order: one A record first, then accounts of an E record and its S
// records; the S records' account numbers, the sums of their wages, their count and their SSNs.
class AccountPass
{
public:
    explicit AccountPass(FileReport &report) : r(report) {}
    // Follows the lines of a piece, after the given number of lines before it.
    void take(const LinePass &pass, qint64 before);
    void finish();

private:
    void add(qint64 line, Severity severity, int position, const char *field, QString message)
    {
        r.findings.append({line, severity, field, position, std::move(message)});
    }
    void eRecord(const LineFacts &fact, qint64 line, const LinePass &pass);
    void closeAccount();

    FileReport &r;
    bool m_sawRecord = false;
    char m_filingType = 0;

    // The open account: its E record and what its S records add up to.
    bool m_inAccount = false;
    bool m_accountKnown = false; // its E record had all its fields
    AccountSummary m_account;
    QString m_paddedAccount;
    QByteArray m_paddedBytes; // the same, as the bytes of the file
    QString m_thirdMonth;
    WholeNumber m_grossSum;
    WholeNumber m_taxableSum;
    bool m_grossSummed = true;
    bool m_taxableSummed = true;
    std::vector<quint64> m_ssns;
    std::vector<quint64> m_spare;
};

void AccountPass::take(const LinePass &pass, qint64 before)
{
    for (Finding finding : pass.findings) {
        finding.line += before;
        r.findings.append(std::move(finding));
    }
    for (const LineFacts &fact : pass.facts) {
        const qint64 line = before + fact.line;
        r.lines = line;
        if (fact.kind == 0)
            continue;
        if (!m_sawRecord && fact.kind != 'A')
            add(line, Severity::Error, RecordType, "RECORD TYPE",
                QStringLiteral("the file must begin with the A record"));
        const bool first = !m_sawRecord;
        m_sawRecord = true;
        switch (fact.kind) {
        case 'A':
            ++r.aRecords;
            if (r.aRecords > 1)
                add(line, Severity::Error, RecordType, "RECORD TYPE",
                    QStringLiteral("a second A record: a file holds one A record"));
            else if (!first)
                add(line, Severity::Error, RecordType, "RECORD TYPE",
                    QStringLiteral("the A record must be the first line"));
            if (r.aRecords == 1)
                m_filingType = fact.filingType;
            break;
        case 'E':
            eRecord(fact, line, pass);
            break;
        case 'S':
            ++r.sRecords;
            if (!m_inAccount) {
                add(line, Severity::Error, RecordType, "RECORD TYPE",
                    QStringLiteral("an S record before any E record: employees follow the E "
                                   "record of their account"));
                break;
            }
            ++m_account.employees;
            if (!fact.complete) {
                m_grossSummed = m_taxableSummed = false;
                break;
            }
            if (m_accountKnown && (fact.accountSize != quint32(m_paddedBytes.size()) ||
                                   std::memcmp(pass.bytes + fact.accountStart,
                                               m_paddedBytes.constData(), fact.accountSize) != 0))
                add(line, Severity::Error, 2, "ACCOUNT NUMBER",
                    QStringLiteral("ACCOUNT NUMBER must be the account number of the E record on "
                                   "line %1 followed by two spaces, \"%2\"")
                        .arg(m_account.line)
                        .arg(m_paddedAccount));
            if (fact.grossForm == InValue)
                m_grossSum.add(fact.gross);
            else if (fact.grossForm == InText)
                m_grossSum.add(pass.texts[fact.texts]);
            else
                m_grossSummed = false;
            if (fact.taxableForm == InValue)
                m_taxableSum.add(fact.taxable);
            else if (fact.taxableForm == InText)
                m_taxableSum.add(pass.texts[fact.texts + 1]);
            else
                m_taxableSummed = false;
            if (fact.ssnValid)
                m_ssns.push_back(quint64(fact.ssn) << lineBits | (quint64(line) & lineMask));
            break;
        }
    }
}

void AccountPass::eRecord(const LineFacts &fact, qint64 line, const LinePass &pass)
{
    closeAccount();
    ++r.eRecords;
    m_inAccount = true;
    m_accountKnown = fact.complete;
    m_account = AccountSummary();
    m_account.line = line;
    m_grossSum = WholeNumber();
    m_taxableSum = WholeNumber();
    m_grossSummed = m_taxableSummed = m_accountKnown;
    m_ssns.clear();
    if (!fact.complete)
        return;
    m_account.account = pass.texts[fact.texts];
    m_account.grossWages = pass.texts[fact.texts + 1];
    m_account.taxableWages = pass.texts[fact.texts + 2];
    m_thirdMonth = pass.texts[fact.texts + 3];
    m_paddedAccount = m_account.account + QStringLiteral("  ");
    m_paddedBytes = m_paddedAccount.toLatin1();
}

void AccountPass::closeAccount()
{
    if (!m_inAccount)
        return;
    m_inAccount = false;
    const qint64 eLine = m_account.line;
    const auto compareSum = [&](const QString &total, bool summed, const WholeNumber &sum,
                                QString &shown, int position, const char *field, const char *what) {
        if (!summed)
            return;
        shown = sum.toString();
        WholeNumber expected;
        if (m_accountKnown && expected.add(total) && expected != sum)
            add(eLine, Severity::Warning, position, field,
                QStringLiteral("%1 %2 is not the sum of the account's %3 %4, %5")
                    .arg(QLatin1String(field), total,
                         counted(m_account.employees, "S record's", "S records'"),
                         QLatin1String(what), shown));
    };
    compareSum(m_account.grossWages, m_grossSummed, m_grossSum, m_account.employeeGrossWages, 8,
               "GROSS WAGES", "gross wages");
    compareSum(m_account.taxableWages, m_taxableSummed, m_taxableSum,
               m_account.employeeTaxableWages, 10, "TAXABLE WAGES", "taxable wages");

    if (m_accountKnown && isDigitText(m_thirdMonth) &&
        compareWholeNumbers(m_thirdMonth, QString::number(m_account.employees)) != 0)
        add(eLine, Severity::Warning, 7, "EMPLOYEES MONTH 3",
            QStringLiteral("%1 %2 in the third month, but %3 in the account")
                .arg(rightTrimSpaces(m_thirdMonth),
                     compareWholeNumbers(m_thirdMonth, u"1") == 0
                         ? QStringLiteral("covered employee")
                         : QStringLiteral("covered employees"),
                     counted(m_account.employees, "S record", "S records")));

    sortBySsn(m_ssns, m_spare);
    for (std::size_t i = 1; i < m_ssns.size(); ++i) {
        const quint64 ssn = m_ssns[i] >> lineBits;
        if (ssn != m_ssns[i - 1] >> lineBits)
            continue;
        std::size_t firstOfThem = i - 1;
        while (firstOfThem > 0 && m_ssns[firstOfThem - 1] >> lineBits == ssn)
            --firstOfThem;
        add(qint64(m_ssns[i] & lineMask), Severity::Warning, 3, "SSN",
            QStringLiteral("SSN %1 is already on line %2 in this account")
                .arg(ssnText(ssn))
                .arg(qint64(m_ssns[firstOfThem] & lineMask)));
    }
    m_ssns.clear();
    r.accounts.append(m_account);
}

void AccountPass::finish()
{
    closeAccount();
    if (!m_sawRecord)
        add(0, Severity::Error, WholeLine, "line", QStringLiteral("the file holds no record"));
    else if (r.eRecords == 0)
        add(0, Severity::Error, RecordType, "RECORD TYPE",
            QStringLiteral("the file holds no E record: a report has at least one account"));
    const char16_t filingType[] = {char16_t(m_filingType), 0};
    r.findings += checkReportFileName(QFileInfo(r.path).fileName(),
                                      QStringView(filingType, m_filingType ? 1 : 0));
    std::stable_sort(r.findings.begin(), r.findings.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.position < b.position;
    });
    for (const Finding &finding : std::as_const(r.findings))
        ++(finding.severity == Severity::Error ? r.errors : r.warnings);
}

// A second thread that runs the jobs given to it in turn; without one (one core, or a file too
// small to be worth a thread) the jobs run at once on the caller's thread.
class Helper
{
public:
    explicit Helper(bool wanted)
    {
        if (wanted && std::thread::hardware_concurrency() > 1)
            m_thread = std::thread([this] { work(); });
    }
    ~Helper()
    {
        if (!m_thread.joinable())
            return;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_one();
        m_thread.join();
    }
    bool isThread() const { return m_thread.joinable(); }
    void post(std::function<void()> job)
    {
        if (!m_thread.joinable()) {
            job();
            return;
        }
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_jobs.push_back(std::move(job));
        }
        m_wake.notify_one();
    }
    // Returns once every job given so far has run.
    void wait()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
    }

private:
    void work()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
            if (m_jobs.empty())
                return;
            std::function<void()> job = std::move(m_jobs.front());
            m_jobs.pop_front();
            m_busy = true;
            lock.unlock();
            job();
            lock.lock();
            m_busy = false;
            if (m_jobs.empty())
                m_idle.notify_all();
        }
    }

    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::function<void()>> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
};

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
    // The file is read in large pieces; each line is widened to UTF-16 on its own, so the rules get
    // parts of it as views. A line cut at the end of a piece moves to the front of the next one.
    // With a second core, a helper thread checks the second half of each piece while this one
    // checks the first, and it follows the accounts through a piece while this one reads the
    // next: so two pieces, with the line passes of each, take turns.
    constexpr qsizetype pieceSize = 1 << 20;
    constexpr qsizetype halvesFrom = 1 << 17;
    // A small file gets pieces of its own size, not a mebibyte each.
    const qsizetype usualSize = qBound(qsizetype(4096), qsizetype(file.size()) + 1, pieceSize);
    struct Piece {
        explicit Piece(qsizetype capacity) : capacity(capacity), bytes(new char[capacity]) {}
        qsizetype capacity;
        std::unique_ptr<char[]> bytes; // left unset: read before use
        LinePass passes[2];
    };
    Piece pieces[2] = {Piece(usualSize), Piece(usualSize)};
    Helper helper(file.size() >= halvesFrom);
    AccountPass accounts(report);
    qint64 linesBefore = 0; // of the piece at hand
    qsizetype kept = 0;     // bytes carried over at the front of the piece at hand
    for (int turn = 0;; turn ^= 1) {
        Piece &piece = pieces[turn];
        if (kept == piece.capacity) { // a line longer than the piece
            piece.capacity *= 2;
            std::unique_ptr<char[]> more(new char[std::size_t(piece.capacity)]);
            std::memcpy(more.get(), piece.bytes.get(), std::size_t(kept));
            piece.bytes = std::move(more);
        }
        const qint64 got = file.read(piece.bytes.get() + kept, piece.capacity - kept);
        helper.wait(); // the accounts of the other piece followed: its passes and bytes are free
        if (got < 0) {
            report.readError = file.errorString();
            return report;
        }
        const bool atEnd = got == 0;
        const qsizetype filled = kept + qsizetype(got);
        const char *data = piece.bytes.get();
        qsizetype whole = filled; // the lines to check now: up to the last LF, or all at the end
        if (!atEnd) {
            while (whole > 0 && data[whole - 1] != '\n')
                --whole;
        }
        qsizetype middle = whole;
        if (whole >= halvesFrom && helper.isThread()) {
            const void *lf = std::memchr(data + whole / 2, '\n', std::size_t(whole - whole / 2));
            middle = lf ? static_cast<const char *>(lf) - data + 1 : whole;
        }
        LinePass *passes = piece.passes;
        helper.post([=] { passes[1].run(data + middle, whole - middle, false); });
        passes[0].run(data, middle, linesBefore == 0);
        helper.wait();
        const qint64 firstHalfLines = qint64(passes[0].facts.size());
        helper.post([&accounts, passes, linesBefore, firstHalfLines] {
            accounts.take(passes[0], linesBefore);
            accounts.take(passes[1], linesBefore + firstHalfLines);
        });
        linesBefore += firstHalfLines + qint64(passes[1].facts.size());
        if (atEnd)
            break;
        Piece &next = pieces[turn ^ 1];
        kept = filled - whole;
        if (next.capacity < std::max(kept, usualSize) || kept == next.capacity) {
            next.capacity = std::max(piece.capacity, usualSize);
            next.bytes.reset(new char[std::size_t(next.capacity)]);
        }
        std::memcpy(next.bytes.get(), data + whole, std::size_t(kept));
    }
    helper.wait();
    accounts.finish();
    return report;
}

QList<Finding> checkReportFileName(const QString &fileName, QStringView filingType)
{
    QList<Finding> findings;
    const auto warn = [&findings](QString message) {
        findings.append({0, Severity::Warning, "FILE NAME", 0, std::move(message)});
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
