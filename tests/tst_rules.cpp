// The field rules as data: each row an entry, its partner entries where the rule pairs them, and
// the message the screen shows (empty when the field passes). Then the record layouts byte for
// byte and the report file's name.

#include "filingrun.h"
#include "rules/checkstring.h"
#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namerules.h"
#include "rules/namingrules.h"
#include "rules/records.h"
#include "rules/reportname.h"

#include <QTest>

#include <functional>

namespace
{

using Rule = std::function<QString(QStringView, QStringView, QStringView)>;

const QString wagesHint =
    QStringLiteral("Enter wages, excluding the decimal point, ie $1234.56 wages should be entered "
                   "as 123456.");
// Messages that more than one screen shows.
const QString accountBlank = QStringLiteral("ACCOUNT NUMBER must not be blank.");
const QString grossBlank = QStringLiteral("GROSS WAGES must not be blank.");
const QString grossNumeric = QStringLiteral("GROSS WAGES must be numeric. ") + wagesHint;
const QString grossBelowTaxable =
    QStringLiteral("GROSS WAGES must be greater than or equal to TAXABLE WAGES");
const QString taxableBlank = QStringLiteral("TAXABLE WAGES must not be blank.");

// A rule of one entry, in the table's form.
template <QString (*rule)(QStringView)> QString one(QStringView text, QStringView, QStringView)
{
    return rule(text);
}

QString passFail(bool passed)
{
    return passed ? QString() : QStringLiteral("fails");
}

const QHash<QString, Rule> &rules()
{
    static const QHash<QString, Rule> table = {
        {"name", one<ContactRules::contactName>},
        {"email", one<ContactRules::contactEmail>},
        {"phone", one<ContactRules::contactPhone>},
        {"extension", one<ContactRules::phoneExtension>},
        {"quarter+year",
         [](auto t, auto, auto) {
             const auto v = EmployerRules::quarterYear(t.contains(u'Q'), t.contains(u'Y'));
             return v.message + (v.markQuarter ? " [Q]" : "") + (v.markYear ? " [Y]" : "");
         }},
        {"account", one<EmployerRules::accountNumber>},
        {"fein", one<EmployerRules::fein>},
        {"month1", one<EmployerRules::firstMonth>},
        {"month2", one<EmployerRules::secondMonth>},
        {"month3", one<EmployerRules::thirdMonth>},
        {"E gross(taxable,withholding)",
         [](auto g, auto t, auto w) { return EmployerRules::grossWages(g, t, w); }},
        {"E withholding(gross)",
         [](auto t, auto g, auto) { return EmployerRules::employeeWithholding(t, g); }},
        {"E taxable(gross,contributions)",
         [](auto t, auto g, auto c) { return EmployerRules::taxableWages(t, g, c); }},
        {"E contributions(taxable)",
         [](auto t, auto x, auto) { return EmployerRules::employerContributions(t, x); }},
        {"ssn", one<EmployeeRules::ssn>},
        {"last", one<EmployeeRules::lastName>},
        {"first", one<EmployeeRules::firstName>},
        {"middle", one<EmployeeRules::middleName>},
        {"S gross(taxable)", [](auto t, auto x, auto) { return EmployeeRules::grossWages(t, x); }},
        {"S taxable(gross)",
         [](auto t, auto g, auto) { return EmployeeRules::taxableWages(t, g); }},
        {"weeks", one<EmployeeRules::creditWeeks>},
        {"apostrophe",
         [](auto t, auto, auto) { return passFail(checkForGoodApostropheInEmployeeLastName(t)); }},
        {"filer", one<NamingRules::employerOrTPA>},
        {"method", one<NamingRules::ftpOrUpload>},
        {"N account", one<NamingRules::accountNumber>},
        {"tpaid", one<NamingRules::tpaid>},
        {"sequence", one<NamingRules::sequenceNumber>},
        {"sequence left", one<NamingRules::sequenceNumberOnLeaving>},
        {"digits",
         [](auto t, auto, auto) { return passFail(checkString(t, CharacterSets::digits, true)); }},
        {"no digits",
         [](auto t, auto, auto) { return passFail(checkString(t, CharacterSets::digits, false)); }},
        {"in 'a b'",
         [](auto t, auto, auto) { return passFail(checkString(t, QStringView(u"a b"), true)); }},
        {"not in 'a b'",
         [](auto t, auto, auto) { return passFail(checkString(t, QStringView(u"a b"), false)); }},
        {"isDigitText", [](auto t, auto, auto) { return passFail(isDigitText(t)); }},
        {"trimSpaces", [](auto t, auto, auto) { return trimSpaces(QString(t.toString())); }},
        {"rightTrimSpaces", [](auto t, auto, auto) { return rightTrimSpaces(t.toString()); }},
        {"compareWholeNumbers",
         [](auto a, auto b, auto) { return QString::number(compareWholeNumbers(a, b)); }},
    };
    return table;
}

void columns()
{
    QTest::addColumn<QString>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("partner");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("message");
}

void row(const QString &rule, const QString &text, const QString &message,
         const QString &partner = QString(), const QString &other = QString())
{
    const QString tag = rule + " '" + text + "' '" + partner + "' '" + other + "'";
    QTest::newRow(qPrintable(tag)) << rule << text << partner << other << message;
}

} // namespace

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void helpers_data();
    void helpers() { verifyRule(); }
    void contact_data();
    void contact() { verifyRule(); }
    void employer_data();
    void employer() { verifyRule(); }
    void employee_data();
    void employee() { verifyRule(); }
    void naming_data();
    void naming() { verifyRule(); }

    void records_exactText();
    void reportFileName_data();
    void reportFileName();

private:
    void verifyRule()
    {
        QFETCH(QString, rule);
        QFETCH(QString, text);
        QFETCH(QString, partner);
        QFETCH(QString, other);
        QFETCH(QString, message);
        QVERIFY2(rules().contains(rule), qPrintable(rule));
        QCOMPARE(rules()[rule](text, partner, other), message);
    }
};

void RulesTest::helpers_data()
{
    columns();
    const QString fails = passFail(false);
    row("digits", "0123456789", "");
    row("digits", "", fails);
    row("digits", "12 ", fails);
    row("digits", "1\u0663", fails); // a digit of another script
    row("no digits", "abc", "");
    row("no digits", "ab1", fails);
    row("no digits", "   ", fails);
    row("in 'a b'", " a b ", "");
    row("in 'a b'", "   ", fails);
    row("in 'a b'", "aA", fails);
    row("not in 'a b'", "xyz", "");
    row("not in 'a b'", "xaz", fails);
    row("isDigitText", "007  ", "");
    row("isDigitText", " 7", fails);
    row("isDigitText", "   ", fails);
    row("isDigitText", "7a", fails);
    row("trimSpaces", "  \ta b\t  ", "\ta b\t");
    row("rightTrimSpaces", "  a  ", "  a");
    row("compareWholeNumbers", "007", "0", "7");
    row("compareWholeNumbers", "10", "1", "9");
    row("compareWholeNumbers", "123", "-1", "124");
    row("compareWholeNumbers", "5  ", "0", "5");
    row("compareWholeNumbers", "99999999999999999999", "-1", "100000000000000000000");
}

void RulesTest::contact_data()
{
    columns();
    const QString nameSet = QStringLiteral(
        "CONTACT NAME must only contain alphanumerics, apostrophe, space and hyphen.");
    const QString nameLong =
        QStringLiteral("CONTACT NAME too long must only be 50 characters long");
    row("name", " Mary O'Neil-Smith 2 ", "");
    row("name", "   ", "CONTACT NAME must not be blank");
    row("name", QString(50, u'a'), "");
    row("name", QString(51, u'a'), nameLong);
    row("name", QString(50, u'a') + u' ', nameLong);
    row("name", "Mary.Smith", nameSet);
    row("name", "Mary\tSmith", nameSet);
    row("name", "Zo\u00eb", nameSet);
    const QString phoneLength = QStringLiteral("CONTACT PHONE NUMBER must be 10 digits long");
    const QString phoneDigits =
        QStringLiteral("CONTACT PHONE NUMBER must only contain the digits 0 to 9.");
    row("phone", "8005551234 ", "");
    row("phone", "  ", "CONTACT PHONE NUMBER must not be blank");
    row("phone", "800555123", phoneLength);
    row("phone", "80055512345", phoneLength);
    row("phone", "800555123a", phoneDigits);
    row("phone", " 8005551234", phoneDigits);
    const QString emailFormat =
        QStringLiteral("CONTACT EMAIL must be a valid email address format");
    const QString domain = QStringLiteral("@example.com");
    row("email", "MARY_o-1@mail.example.com  ", "");
    row("email", "m@e.c", "");
    row("email", " ", "CONTACT EMAIL must not be blank");
    row("email", QString(320 - domain.size(), u'm') + domain, "");
    row("email", QString(321 - domain.size(), u'm') + domain,
        "CONTACT EMAIL too long must only be 320 characters long");
    for (const char *bad : {"mary.example.com", "mary@example", "mary@.com", "mary@example..com",
                            "mary@example.com.", "mary@a@example.com", " mary@example.com",
                            "mary smith@example.com", "mary,s@example.com"})
        row("email", bad, emailFormat);
    const QString extensionDigits =
        QStringLiteral("CONTACT PHONE EXTENSION must only contain the digits 0 to 9.");
    row("extension", "", "");
    row("extension", "    ", "");
    row("extension", "12345 ", "");
    row("extension", "123456", "CONTACT PHONE EXTENSION too long must only be 5 characters long");
    row("extension", "12a", extensionDigits);
    row("extension", " 12", extensionDigits);
}

void RulesTest::employer_data()
{
    columns();
    row("quarter+year", "QY", "");
    row("quarter+year", "", "You must select a QUARTER and YEAR for this filing. [Q] [Y]");
    row("quarter+year", "Y", "You must select a QUARTER for this filing. [Q]");
    row("quarter+year", "Q", "You must select a YEAR for this filing. [Y]");
    const QString accountLength =
        QStringLiteral("ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros.");
    row("account", "0123456 ", "");
    row("account", "   ", accountBlank);
    row("account", "012345", accountLength);
    row("account", "01234567", accountLength);
    row("account", " 0123456", "ACCOUNT NUMBER must be numberic.  Please include leading zeros.");
    const QString feinLength = QStringLiteral("FEIN must be 9 digits long.");
    row("fein", "123456789", "");
    row("fein", "", "FEIN must not be blank.");
    row("fein", "12345678", feinLength);
    row("fein", "1234567890", feinLength);
    row("fein", "12345678O", "FEIN must only contain the digits 0 to 9.");
    row("month1", "0", "");
    row("month1", "12345678901234567890 ", "");
    row("month1", " ", "NUMBER OF EMPLOYEES for the first month must not be blank.");
    row("month1", "3.0", "NUMBER OF EMPLOYEES for the first month must be numeric");
    row("month2", " ", "NUMBER OF EMPLOYEES  for the second month must not be blank.");
    row("month2", "-3", "NUMBER OF EMPLOYEES  for the second month must be numeric");
    row("month3", "", "NUMBER OF EMPLOYEES  for the third month must not be blank.");
    row("month3", " 3", "NUMBER OF EMPLOYEES  for the third month must be numeric");
    const QString gross = QStringLiteral("E gross(taxable,withholding)");
    const QString grossBelowWithholding =
        QStringLiteral("GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING");
    row(gross, "1000", "", "1000", "1000");
    row(gross, "0001000", "", "999", "x");
    row(gross, "100000000000000000000", "", "99999999999999999999", "");
    row(gross, " ", grossBlank, "1", "1");
    row(gross, "12.50", grossNumeric, "1", "1");
    row(gross, "999", grossBelowTaxable, "1000", "0");
    row(gross, "999", grossBelowWithholding, "0", "1000");
    row(gross, "999", grossBelowWithholding, "1000", "1000"); // the last failure stands
    const QString withholding = QStringLiteral("E withholding(gross)");
    row(withholding, "1000", "", "1000");
    row(withholding, "1001", "EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES",
        "1000");
    row(withholding, "", "EMPLOYEE WITHHOLDING must not be blank.", "1000");
    row(withholding, "1,0", "EMPLOYEE WITHHOLDING must be numeric.  " + wagesHint, "1000");
    const QString taxable = QStringLiteral("E taxable(gross,contributions)");
    row(taxable, "1000", "", "1000", "1000");
    row(taxable, "1001", "TAXABLE WAGES must be less than or equal to GROSS WAGES", "1000", "0");
    row(taxable, "999", "TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.",
        "1000", "1000");
    row(taxable, "", taxableBlank, "1000", "0");
    row(taxable, "$10", "TAXABLE WAGES must be numeric. " + wagesHint, "1000", "0");
    const QString contributions = QStringLiteral("E contributions(taxable)");
    row(contributions, "1000", "", "1000");
    row(contributions, "1001", "EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES",
        "1000");
    row(contributions, "  ", "Employer Contributions must not be blank.", "1000");
    row(contributions, "1e3", "EMPLOYER CONTRIBUTIONS must be numeric.  " + wagesHint, "1000");
}

void RulesTest::employee_data()
{
    columns();
    const QString ssnLength = QStringLiteral("Employee SSN  must be 9 digits long.");
    row("ssn", "123456789 ", "");
    row("ssn", "", "Employee SSN  must not be blank.");
    row("ssn", "12345678", ssnLength);
    row("ssn", "1234567890", ssnLength);
    row("ssn", "123-45-67", "Employee SSN  must only contain the digits 0 to 9.");
    const QString lastSet = QStringLiteral("EMPLOYEE LAST NAME  must only contain alphanumerics, "
                                           "apostrophe and hyphens. No spaces allowed.");
    const QString lastTwoInARow = QStringLiteral(
        "EMPLOYEE LAST NAME not formatted correctly. Two hyphens in a row not allowed.");
    row("last", " O'NEIL-SMITH-JR ", "");
    row("last", "'NEIL", "");
    row("last", "O'NE'IL'", ""); // only the first apostrophe is examined
    row("last", "  ", "Employee Last Name in S line must not be blank. ");
    row("last", QString(25, u'a'), "");
    row("last", QString(26, u'a'), "EMPLOYEE LAST NAME too long must only be 25 characters.");
    row("last", "O NEIL", lastSet);
    row("last", "M\u00dcLLER", lastSet);
    row("last", "ONEIL'",
        "EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  Must be like "
        "O'Connell.");
    row("last", "A-B-C-D",
        "EMPLOYEE LAST NAME - ONLY TWO hyphens allowed in last name field. IE: LASTNAME - "
        "COMPOUNDNAME - SUFFIX.");
    row("last", "A--B", lastTwoInARow);
    row("last", "A--B-C-D", lastTwoInARow);
    row("apostrophe", "O 'NEIL", passFail(false));
    row("apostrophe", "O' NEIL", passFail(false));
    row("apostrophe", "O'NEIL", "");
    const QString firstSet = QStringLiteral("EMPLOYEE FIRST NAME must only contain alphanumerics, "
                                            "apostrophe and hyphens. No spaces allowed.");
    const QString firstTwoInARow = QStringLiteral(
        "EMPLOYEE FIRST NAME not formatted correctly. Two hyphens in a row not allowed.");
    row("first", " MARY-ANN ", "");
    row("first", "", "EMPLOYEE FIRST NAME in S line must not be blank. ");
    row("first", QString(15, u'a'), "");
    row("first", QString(16, u'a'),
        "EMPLOYEE FIRST NAME  too long must only be 15 characters long.");
    row("first", "MARY ANN", firstSet);
    row("first", "MARY--ANN", firstTwoInARow);
    row("first", "M.--ANN", firstTwoInARow);
    const QString middleSet =
        QStringLiteral("EMPLOYEE MIDDLE NAME  must only contain alphanumerics, "
                       "apostrophe  and hyphens. No spaces allowed.");
    row("middle", "", "");
    row("middle", " Q ", "");
    row("middle", QString(15, u'a'), "");
    row("middle", QString(16, u'a'),
        "EMPLOYEE MIDDLE NAME too long must only be 15 characters long.");
    row("middle", "   ", middleSet);
    row("middle", "Q.", middleSet);
    row("middle", "A--B",
        "EMPLOYEE MIDDLE NAME not formatted correctly. Two hyphens in a row not allowed.");
    const QString gross = QStringLiteral("S gross(taxable)");
    row(gross, "1000", "", "1000");
    row(gross, "1000", "", "x");
    row(gross, "999", grossBelowTaxable, "1000");
    row(gross, "", grossBlank, "1000");
    row(gross, "10.00", grossNumeric, "1000");
    const QString taxable = QStringLiteral("S taxable(gross)");
    row(taxable, "1000", "", "1000");
    row(taxable, "1001", grossBelowTaxable, "1000");
    row(taxable, "1001", "", " ");
    row(taxable, "  ", taxableBlank, "1000");
    row(taxable, "ten", "TAXABLE WAGES must be numeric.  " + wagesHint, "1000");
    const QString weeksRange =
        QStringLiteral("EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.");
    for (const char *good : {"0", "14", "014", "14 "})
        row("weeks", good, "");
    for (const char *bad : {"15", "00015", " 14", "-1", "1.5", "99999999999999999999"})
        row("weeks", bad, weeksRange);
    row("weeks", " ",
        "EMPLOYEE CREDIT WEEKS must be not be blank. Employee Credit Weeks must be numeric "
        "between 0 and 14 inclusive.");
}

void RulesTest::naming_data()
{
    columns();
    row("filer", "TPA", "");
    row("filer", "", "You must select either Employer or TPAID");
    row("method", "FTP", "");
    row("method", "", "You must select either File Upload or FTP");
    const QString accountLength =
        QStringLiteral("ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros.");
    row("N account", "0123456", "");
    row("N account", " ", accountBlank);
    row("N account", "012345", accountLength);
    row("N account", "01234567", accountLength);
    row("N account", "012345a", "ACCOUNT NUMBER  must be numberic");
    const QString tpaidLength =
        QStringLiteral("TPAID NUMBER must be 10 digits long.  Please include leading zeros.");
    row("tpaid", "0000012345", "");
    row("tpaid", "", "TPAID NUMBER must not be blank.");
    row("tpaid", "000001234", tpaidLength);
    row("tpaid", "00000123456", tpaidLength);
    row("tpaid", "00000 2345", "TPAID NUMBER must be numberic");
    const QString sequence = QStringLiteral("SEQUENCE NUMBER must be alphanumerics");
    for (const char *good : {"", "   ", "1q2014", "1Q2014  "})
        row("sequence", good, "");
    for (const char *bad : {" 1Q", "1Q 2014", "1Q-2014", "1Q_2014", "\u0131"})
        row("sequence", bad, sequence);
    row("sequence left", "", "");
    row("sequence left", "1q2014 ", "");
    row("sequence left", "   ",
        "Sequence Number must be alphanumerics.   You entered     Please try re-entering it.");
    row("sequence left", "1Q-2014",
        "Sequence Number must be alphanumerics.   You entered 1Q-2014 Please try re-entering it.");
}

void RulesTest::records_exactText()
{
    const auto text = [](const QByteArray &record) {
        return QString::fromLatin1(record.chopped(2));
    };
    QCOMPARE(Records::aLine("O", "Mary Smith", "mary@example.com", "8005551234", ""),
             text(aRecord));
    QCOMPARE(Records::aLine("A", " Jo ", "j@e.c ", "8005551234 ", "42"),
             "A,A, Jo ,j@e.c ,8005551234 ,42, , , , , ");
    QCOMPARE(Records::eLine("0123456", "123456789", "22026", "3", "4", "4", "1500000", "10500",
                            "1000000", "36000"),
             text(eRecord));
    QCOMPARE(Records::sLine("0123456", "123456789", "O'NEIL", "MARY", "", "250000", "100000", "13"),
             text(sRecord));
    QCOMPARE(Records::sLine("7654321", "987654321 ", "  DOE ", " JO", "Q  ", "1 ", "0", "14 "),
             "S,7654321  ,987654321 ,DOE,JO,Q,1 ,0,14 , , ");
}

void RulesTest::reportFileName_data()
{
    QTest::addColumn<QStringList>("entries"); // method, filing type, number, sequence
    QTest::addColumn<QString>("name");
    QTest::newRow("upload original")
        << QStringList{"FILE UPLOAD", "O", "0123456", ""} << "FILEUPLOAD_WR4-4B_0123456.CSV";
    QTest::newRow("upload amended")
        << QStringList{"FILE UPLOAD", "A", "0123456", "   "} << "FILEUPLOAD_WR4X-4BX_0123456.CSV";
    QTest::newRow("ftp original") << QStringList{"FTP", "O", "0000012345", " 1q2014 "}
                                  << "FTP_WR4-4B_0000012345_1Q2014.CSV";
    QTest::newRow("ftp amended") << QStringList{"FTP", "A", "0123456", "b2"}
                                 << "FTP_WR4X-4BX_0123456_B2.CSV";
    QTest::newRow("no method") << QStringList{"", "O", "0123456", ""} << "";
    QTest::newRow("no filing type") << QStringList{"FTP", "", "0123456", ""} << "";
}

void RulesTest::reportFileName()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, name);
    QCOMPARE(composeReportFileName(entries[0], entries[1], entries[2], entries[3]), name);
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
