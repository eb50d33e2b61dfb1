#include "recordproperties.h"

#include "rules/checkstring.h"
#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namerules.h"
#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

#include <QStringList>

#include <functional>

// The checks below restate the layouts and the field shapes in their own plain terms, without the
// helpers of the program they check, so a fault in a helper cannot hide itself.

namespace
{

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiLetter(QChar c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

// The text without the space characters (U+0020 only) at its end.
QString withoutTrailingSpaces(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

QString withoutSurroundingSpaces(const QString &text)
{
    qsizetype start = 0;
    while (start < text.size() && text.at(start) == u' ')
        ++start;
    return withoutTrailingSpaces(text.mid(start));
}

// One or more ASCII digits followed by nothing but spaces; `digits` > 0 asks for that many.
bool isNumberShape(const QString &text, qsizetype digits = 0)
{
    const QString core = withoutTrailingSpaces(text);
    if (core.isEmpty() || (digits > 0 && core.size() != digits))
        return false;
    for (const QChar c : core) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

// Compares two texts of isNumberShape by value, however many digits they have.
int compareValues(const QString &a, const QString &b)
{
    auto significant = [](const QString &text) {
        QString core = withoutTrailingSpaces(text);
        while (core.size() > 1 && core.startsWith(u'0'))
            core.remove(0, 1);
        return core;
    };
    const QString x = significant(a);
    const QString y = significant(b);
    if (x.size() != y.size())
        return x.size() < y.size() ? -1 : 1;
    return x < y ? -1 : (x == y ? 0 : 1);
}

bool allIn(const QString &text, const char *allowed)
{
    const QLatin1String set(allowed);
    for (const QChar c : text) {
        if (!isAsciiLetter(c) && !isAsciiDigit(c) && !set.contains(c))
            return false;
    }
    return true;
}

QString fieldName(const char *name)
{
    return QLatin1String(name);
}

// Every character of a record is printable ASCII; none is a quotation mark or a line end.
QString characterFault(const QString &text, const QString &what)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'"')
            return QStringLiteral("%1 holds a quotation mark at %2").arg(what).arg(i);
        if (c == u'\r' || c == u'\n')
            return QStringLiteral("%1 holds a line end at %2").arg(what).arg(i);
        if (c < 0x20 || c > 0x7E)
            return QStringLiteral("%1 holds U+%2 at %3, not printable ASCII")
                .arg(what)
                .arg(int(c), 4, 16, QLatin1Char('0'))
                .arg(i);
    }
    return QString();
}

// A built line against its layout: the characters, eleven fields, and each field as expected.
QString lineFault(const QString &line, const QStringList &expected)
{
    QString fault = characterFault(line, QStringLiteral("the record"));
    if (!fault.isEmpty())
        return fault;
    const QStringList fields = line.split(u',');
    if (fields.size() != 11)
        return QStringLiteral("the record has %1 fields, not 11").arg(fields.size());
    for (qsizetype i = 0; i < 11; ++i) {
        if (fields.at(i) != expected.at(i))
            return QStringLiteral("field %1 is \"%2\", not \"%3\"")
                .arg(i + 1)
                .arg(RecordProperties::escaped(fields.at(i)),
                     RecordProperties::escaped(expected.at(i)));
    }
    return QString();
}

// A text let through by its field's rule goes into a record as it is, so it may not hold what
// would break the record.
QString passedFieldFault(const QString &text, const QString &field)
{
    const QString fault = characterFault(text, field);
    if (!fault.isEmpty())
        return fault;
    if (text.contains(u','))
        return field + QStringLiteral(" holds a comma");
    return QString();
}

// The shape each field of an accepted screen must have; a text names the first that is wrong.
struct ShapeCheck {
    const char *field;
    bool holds;
};

QString shapeFault(std::initializer_list<ShapeCheck> checks)
{
    for (const ShapeCheck &check : checks) {
        if (!check.holds)
            return fieldName(check.field) + QStringLiteral(" was accepted in a wrong shape");
    }
    return QString();
}

// Runs the named rules in order; every passing field is checked on its own. Returns whether all
// passed, and the first fault found.
struct Rule {
    const char *field;
    const QString &text;
    QString message;
};

RecordProperties::Verdict runRules(std::initializer_list<Rule> rules)
{
    RecordProperties::Verdict verdict;
    verdict.accepted = true;
    for (const Rule &rule : rules) {
        if (!rule.message.isEmpty()) {
            verdict.accepted = false;
            continue;
        }
        if (verdict.fault.isEmpty())
            verdict.fault = passedFieldFault(rule.text, fieldName(rule.field));
    }
    return verdict;
}

} // namespace

namespace RecordProperties
{

const std::vector<QString> &quarterItems()
{
    static const std::vector<QString> items = {
        QStringLiteral("1 = January to March"), QStringLiteral("2 = April to June"),
        QStringLiteral("3 = July to September"), QStringLiteral("4 = October to December")};
    return items;
}

const QString &filerEmployer()
{
    static const QString text = QStringLiteral("Employer");
    return text;
}

const QString &filerTpa()
{
    static const QString text = QStringLiteral("TPA");
    return text;
}

const QString &methodUpload()
{
    static const QString text = QStringLiteral("FILE UPLOAD");
    return text;
}

const QString &methodFtp()
{
    static const QString text = QStringLiteral("FTP");
    return text;
}

Verdict check(const ContactEntries &e)
{
    Verdict verdict =
        runRules({{"contact name", e.name, ContactRules::contactName(e.name)},
                  {"contact phone", e.phone, ContactRules::contactPhone(e.phone)},
                  {"contact email", e.email, ContactRules::contactEmail(e.email)},
                  {"phone extension", e.extension, ContactRules::phoneExtension(e.extension)}});
    if (!verdict.fault.isEmpty() || !verdict.accepted)
        return verdict;

    const QString email = withoutTrailingSpaces(e.email);
    const qsizetype at = email.indexOf(u'@');
    const QString extension = withoutSurroundingSpaces(e.extension);
    verdict.fault = shapeFault(
        {{"contact name", !withoutSurroundingSpaces(e.name).isEmpty() && e.name.size() <= 50 &&
                              allIn(e.name, "' -")},
         {"contact email", at >= 0 && email.indexOf(u'@', at + 1) < 0 &&
                               email.indexOf(u'.', at + 2) > 0 && email.size() <= 320 &&
                               allIn(email, "-@._")},
         {"contact phone", isNumberShape(e.phone, 10)},
         {"phone extension", withoutSurroundingSpaces(e.extension).isEmpty() ||
                                 (isNumberShape(e.extension) && extension.size() <= 5)}});
    if (!verdict.fault.isEmpty())
        return verdict;

    const QString space = QStringLiteral(" ");
    verdict.fault = lineFault(Records::aLine(e.typeCode, e.name, e.email, e.phone, e.extension),
                              {QStringLiteral("A"), e.typeCode, e.name, e.email, e.phone,
                               e.extension, space, space, space, space, space});
    return verdict;
}

Verdict check(const EmployerEntries &e)
{
    const EmployerRules::QuarterYearVerdict quarterYear =
        EmployerRules::quarterYear(!e.quarter.isEmpty(), !e.year.isEmpty());
    Verdict verdict =
        runRules({{"account number", e.account, EmployerRules::accountNumber(e.account)},
                  {"FEIN", e.fein, EmployerRules::fein(e.fein)},
                  {"first month", e.firstMonth, EmployerRules::firstMonth(e.firstMonth)},
                  {"second month", e.secondMonth, EmployerRules::secondMonth(e.secondMonth)},
                  {"third month", e.thirdMonth, EmployerRules::thirdMonth(e.thirdMonth)},
                  {"gross wages", e.grossWages,
                   EmployerRules::grossWages(e.grossWages, e.taxableWages, e.withholding)},
                  {"employee withholding", e.withholding,
                   EmployerRules::employeeWithholding(e.withholding, e.grossWages)},
                  {"taxable wages", e.taxableWages,
                   EmployerRules::taxableWages(e.taxableWages, e.grossWages, e.contributions)},
                  {"employer contributions", e.contributions,
                   EmployerRules::employerContributions(e.contributions, e.taxableWages)}});
    if (!quarterYear.message.isEmpty())
        verdict.accepted = false;
    if (!verdict.fault.isEmpty() || !verdict.accepted)
        return verdict;

    const QString quarterYearCode = e.quarter.left(1) + e.year;
    const bool amounts = isNumberShape(e.grossWages) && isNumberShape(e.withholding) &&
                         isNumberShape(e.taxableWages) && isNumberShape(e.contributions);
    verdict.fault =
        shapeFault({{"quarter and year",
                     quarterYearCode.size() == 5 && quarterYearCode.at(0) >= u'1' &&
                         quarterYearCode.at(0) <= u'4' && isNumberShape(quarterYearCode, 5)},
                    {"account number", isNumberShape(e.account, 7)},
                    {"FEIN", isNumberShape(e.fein, 9)},
                    {"first month", isNumberShape(e.firstMonth)},
                    {"second month", isNumberShape(e.secondMonth)},
                    {"third month", isNumberShape(e.thirdMonth)},
                    {"amounts", amounts},
                    {"gross wages below taxable wages",
                     amounts && compareValues(e.grossWages, e.taxableWages) >= 0},
                    {"gross wages below employee withholding",
                     amounts && compareValues(e.grossWages, e.withholding) >= 0},
                    {"taxable wages below employer contributions",
                     amounts && compareValues(e.taxableWages, e.contributions) >= 0}});
    if (!verdict.fault.isEmpty())
        return verdict;

    verdict.fault = lineFault(
        Records::eLine(e.account, e.fein, quarterYearCode, e.firstMonth, e.secondMonth,
                       e.thirdMonth, e.grossWages, e.withholding, e.taxableWages, e.contributions),
        {QStringLiteral("E"), e.account, e.fein, quarterYearCode, e.firstMonth, e.secondMonth,
         e.thirdMonth, e.grossWages, e.withholding, e.taxableWages, e.contributions});
    return verdict;
}

Verdict check(const EmployeeEntries &e)
{
    Verdict verdict = runRules(
        {{"account number", e.account, EmployerRules::accountNumber(e.account)},
         {"SSN", e.ssn, EmployeeRules::ssn(e.ssn)},
         {"last name", e.lastName, EmployeeRules::lastName(e.lastName)},
         {"first name", e.firstName, EmployeeRules::firstName(e.firstName)},
         {"middle name", e.middleName, EmployeeRules::middleName(e.middleName)},
         {"gross wages", e.grossWages, EmployeeRules::grossWages(e.grossWages, e.taxableWages)},
         {"taxable wages", e.taxableWages,
          EmployeeRules::taxableWages(e.taxableWages, e.grossWages)},
         {"credit weeks", e.creditWeeks, EmployeeRules::creditWeeks(e.creditWeeks)}});
    if (!verdict.fault.isEmpty() || !verdict.accepted)
        return verdict;

    const QString last = withoutSurroundingSpaces(e.lastName);
    const QString first = withoutSurroundingSpaces(e.firstName);
    const QString middle = withoutSurroundingSpaces(e.middleName);
    const bool wages = isNumberShape(e.grossWages) && isNumberShape(e.taxableWages);
    verdict.fault =
        shapeFault({{"account number", isNumberShape(e.account, 7)},
                    {"SSN", isNumberShape(e.ssn, 9)},
                    {"last name", !last.isEmpty() && last.size() <= 25 && allIn(last, "'-")},
                    {"first name", !first.isEmpty() && first.size() <= 15 && allIn(first, "'-")},
                    {"middle name", middle.size() <= 15 && allIn(middle, "'-")},
                    {"wages", wages},
                    {"gross wages below taxable wages",
                     wages && compareValues(e.grossWages, e.taxableWages) >= 0},
                    {"credit weeks", isNumberShape(e.creditWeeks) &&
                                         compareValues(e.creditWeeks, QStringLiteral("14")) <= 0}});
    if (!verdict.fault.isEmpty())
        return verdict;

    const QString space = QStringLiteral(" ");
    verdict.fault =
        lineFault(Records::sLine(e.account, e.ssn, e.lastName, e.firstName, e.middleName,
                                 e.grossWages, e.taxableWages, e.creditWeeks),
                  {QStringLiteral("S"), e.account + QStringLiteral("  "), e.ssn, last, first,
                   middle, e.grossWages, e.taxableWages, e.creditWeeks, space, space});
    return verdict;
}

Verdict check(const NamingEntries &e)
{
    // The number is examined by the rule of the filer kind chosen, and not at all without one;
    // the missing choice fails on its own then.
    const bool employer = e.filerKind == filerEmployer();
    const bool tpa = e.filerKind == filerTpa();
    const QString numberMessage = employer ? NamingRules::accountNumber(e.number)
                                  : tpa    ? NamingRules::tpaid(e.number)
                                           : QStringLiteral("not examined");
    Verdict verdict =
        runRules({{"filer kind", e.filerKind, NamingRules::employerOrTPA(e.filerKind)},
                  {"filing method", e.method, NamingRules::ftpOrUpload(e.method)},
                  {"number", e.number, numberMessage},
                  {"sequence number", e.sequence, NamingRules::sequenceNumber(e.sequence)}});
    if (!verdict.fault.isEmpty() || !verdict.accepted)
        return verdict;

    // The naming screen hands the sequence number over in upper case.
    const QString name =
        composeReportFileName(e.method, e.typeCode, e.number, e.sequence.toUpper());
    if (name.isEmpty()) {
        verdict.fault = QStringLiteral("no file name was made");
        return verdict;
    }
    verdict.fault = characterFault(name, QStringLiteral("the file name"));
    if (!verdict.fault.isEmpty())
        return verdict;
    for (const char forbidden : {'/', '\\', ':', '*', '?', '<', '>', '|'}) {
        if (name.contains(QLatin1Char(forbidden))) {
            verdict.fault = QStringLiteral("the file name holds '%1'").arg(QLatin1Char(forbidden));
            return verdict;
        }
    }
    const bool upload = e.method == methodUpload();
    const bool original = e.typeCode == QLatin1String("O");
    const QString prefix =
        upload ? (original ? QStringLiteral("FILEUPLOAD_WR4-4B_")
                           : QStringLiteral("FILEUPLOAD_WR4X-4BX_"))
               : (original ? QStringLiteral("FTP_WR4-4B_") : QStringLiteral("FTP_WR4X-4BX_"));
    const QString sequence = withoutSurroundingSpaces(e.sequence).toUpper();
    const QString expected = prefix + e.number +
                             (sequence.isEmpty() ? QString() : QStringLiteral("_") + sequence) +
                             QStringLiteral(".CSV");
    if (name != expected)
        verdict.fault = QStringLiteral("the file name is \"%1\", not \"%2\"")
                            .arg(escaped(name), escaped(expected));
    else if (!isNumberShape(e.number, employer ? 7 : 10))
        verdict.fault = QStringLiteral("number was accepted in a wrong shape");
    else if (!allIn(sequence, ""))
        verdict.fault = QStringLiteral("sequence number was accepted in a wrong shape");
    return verdict;
}

QString primitivesFault(const QString &text, const QString &set, const QString &other)
{
    const QString trimmed = withoutSurroundingSpaces(text);
    if (trimSpaces(text) != trimmed)
        return QStringLiteral("trimSpaces removed the wrong characters");
    if (rightTrimSpaces(text) != withoutTrailingSpaces(text))
        return QStringLiteral("rightTrimSpaces removed the wrong characters");
    if (isBlank(text) != trimmed.isEmpty())
        return QStringLiteral("isBlank is wrong");

    bool allInSet = true;
    bool noneInSet = true;
    for (const QChar c : text) {
        const bool found = set.contains(c);
        allInSet = allInSet && found;
        noneInSet = noneInSet && !found;
    }
    if (checkString(text, set, true) != (!trimmed.isEmpty() && allInSet))
        return QStringLiteral("checkString with inSet true is wrong");
    if (checkString(text, set, false) != (!trimmed.isEmpty() && noneInSet))
        return QStringLiteral("checkString with inSet false is wrong");

    const bool digits = isNumberShape(text);
    if (isDigitText(text) != digits)
        return QStringLiteral("isDigitText is wrong");
    if (digits && isNumberShape(other)) {
        const int expected = compareValues(text, other);
        const int forward = compareWholeNumbers(text, other);
        const int backward = compareWholeNumbers(other, text);
        if ((forward > 0) - (forward < 0) != expected ||
            (backward > 0) - (backward < 0) != -expected)
            return QStringLiteral("compareWholeNumbers is wrong");
    }

    const NumberFieldMessages messages{QStringLiteral("blank"), QStringLiteral("numeric"),
                                       int(other.size() % 12), QStringLiteral("length")};
    const QString verdict = checkNumberField(text, messages);
    const QString expected = trimmed.isEmpty() ? messages.blank
                             : (messages.length > 0 && trimmed.size() != messages.length)
                                 ? messages.wrongLength
                             : !digits ? messages.numeric
                                       : QString();
    if (verdict != expected)
        return QStringLiteral("checkNumberField said \"%1\", not \"%2\"").arg(verdict, expected);

    if (checkForTwoHyphensInARow(text) == text.contains(QLatin1String("--")))
        return QStringLiteral("checkForTwoHyphensInARow is wrong");
    if (checkForOneOrLessHyphensInEmployeeLastNameField(text) != (text.count(u'-') <= 2))
        return QStringLiteral("checkForOneOrLessHyphensInEmployeeLastNameField is wrong");
    // Any text at all, trimmed or not, as the routine is public: it must simply answer.
    checkForGoodApostropheInEmployeeLastName(text);
    return QString();
}

QString singleFieldFault(const QString &text, int *passed)
{
    using RuleCall = std::function<QString(const QString &)>;
    static const std::vector<std::pair<const char *, RuleCall>> rules = {
        {"contact name", [](const QString &t) { return ContactRules::contactName(t); }},
        {"contact phone", [](const QString &t) { return ContactRules::contactPhone(t); }},
        {"contact email", [](const QString &t) { return ContactRules::contactEmail(t); }},
        {"phone extension", [](const QString &t) { return ContactRules::phoneExtension(t); }},
        {"account number", [](const QString &t) { return EmployerRules::accountNumber(t); }},
        {"FEIN", [](const QString &t) { return EmployerRules::fein(t); }},
        {"first month", [](const QString &t) { return EmployerRules::firstMonth(t); }},
        {"second month", [](const QString &t) { return EmployerRules::secondMonth(t); }},
        {"third month", [](const QString &t) { return EmployerRules::thirdMonth(t); }},
        {"employer gross wages",
         [](const QString &t) { return EmployerRules::grossWages(t, QString(), QString()); }},
        {"employee withholding",
         [](const QString &t) { return EmployerRules::employeeWithholding(t, QString()); }},
        {"employer taxable wages",
         [](const QString &t) { return EmployerRules::taxableWages(t, QString(), QString()); }},
        {"employer contributions",
         [](const QString &t) { return EmployerRules::employerContributions(t, QString()); }},
        {"SSN", [](const QString &t) { return EmployeeRules::ssn(t); }},
        {"last name", [](const QString &t) { return EmployeeRules::lastName(t); }},
        {"first name", [](const QString &t) { return EmployeeRules::firstName(t); }},
        {"middle name", [](const QString &t) { return EmployeeRules::middleName(t); }},
        {"employee gross wages",
         [](const QString &t) { return EmployeeRules::grossWages(t, QString()); }},
        {"employee taxable wages",
         [](const QString &t) { return EmployeeRules::taxableWages(t, QString()); }},
        {"credit weeks", [](const QString &t) { return EmployeeRules::creditWeeks(t); }},
        {"naming account number", [](const QString &t) { return NamingRules::accountNumber(t); }},
        {"TPAID", [](const QString &t) { return NamingRules::tpaid(t); }},
        {"sequence number", [](const QString &t) { return NamingRules::sequenceNumber(t); }},
        {"sequence number on leaving",
         [](const QString &t) { return NamingRules::sequenceNumberOnLeaving(t); }}};
    for (const auto &[field, rule] : rules) {
        if (!rule(text).isEmpty())
            continue;
        if (passed)
            ++*passed;
        const QString fault = passedFieldFault(text, fieldName(field));
        if (!fault.isEmpty())
            return fault;
    }
    return QString();
}

QString escaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() <= 0x7E && c != u'\\')
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
    }
    return out;
}

namespace
{
QString describeAll(std::initializer_list<std::pair<const char *, const QString &>> fields)
{
    QStringList parts;
    for (const auto &[name, text] : fields)
        parts << QStringLiteral("%1=\"%2\"").arg(QLatin1String(name), escaped(text));
    return parts.join(QStringLiteral(", "));
}
} // namespace

QString describe(const ContactEntries &e)
{
    return describeAll({{"type", e.typeCode},
                        {"name", e.name},
                        {"email", e.email},
                        {"phone", e.phone},
                        {"extension", e.extension}});
}

QString describe(const EmployerEntries &e)
{
    return describeAll({{"quarter", e.quarter},
                        {"year", e.year},
                        {"account", e.account},
                        {"fein", e.fein},
                        {"month1", e.firstMonth},
                        {"month2", e.secondMonth},
                        {"month3", e.thirdMonth},
                        {"gross", e.grossWages},
                        {"withholding", e.withholding},
                        {"taxable", e.taxableWages},
                        {"contributions", e.contributions}});
}

QString describe(const EmployeeEntries &e)
{
    return describeAll({{"account", e.account},
                        {"ssn", e.ssn},
                        {"last", e.lastName},
                        {"first", e.firstName},
                        {"middle", e.middleName},
                        {"gross", e.grossWages},
                        {"taxable", e.taxableWages},
                        {"weeks", e.creditWeeks}});
}

QString describe(const NamingEntries &e)
{
    return describeAll({{"filer", e.filerKind},
                        {"method", e.method},
                        {"type", e.typeCode},
                        {"number", e.number},
                        {"sequence", e.sequence}});
}

} // namespace RecordProperties
