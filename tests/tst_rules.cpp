// The field rules as a table, record kind by record kind: rows of a field, its entries, the
// partner entries that differ from the valid ones, and the exact message (empty when the field
// passes); the screens' test has a wrong entry of each field besides. Then the helpers under the
// rules and the report file's name.

#include "filingrun.h"
#include "rules/amounts.h"
#include "rules/checkstring.h"
#include "rules/filingrules.h"
#include "rules/namerules.h"
#include "rules/reportreader.h"
#include "rules/spaces.h"

#include <QTest>

const QString grossBelowTaxable = "GROSS WAGES must be greater than or equal to TAXABLE WAGES";
const QString zeros = "  Please include leading zeros."; // how account numbers' texts end
// Where a field takes a set of characters, every one passes: one dropped from a set fails a row.
const QString upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ", lower = "abcdefghijklmnopqrstuvwxyz",
              digits = "0123456789";

// The message of the first field named in the entries (pairs of field and entry), given by its
// rule on the valid entries of its kind with those entries set.
template <const auto &valid> QString ruleOn(const QStringList &entries)
{
    const auto e = with(valid, entries);
    QString message = "no such field";
    for (const auto &row : fieldsOf(e))
        message = entries[0] == row.name ? row.rule(e) : message;
    return message;
}

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    // Each row's message, got from its field's rule as the table is made, against the exact one.
    void fieldRules_data();
    void fieldRules()
    {
        QFETCH(QString, got);
        QTEST(got, "message");
    }
    // The helpers as far as the rules' table does not reach them.
    void helpers()
    {
        QVERIFY(!checkString(u"1\u0663", CharacterSets::digits, true));
        QVERIFY(checkForGoodApostropheInEmployeeLastName(u" O'NEIL "));
        QVERIFY(!checkForGoodApostropheInEmployeeLastName(u"O 'NEIL"));
        QVERIFY(!checkForGoodApostropheInEmployeeLastName(u"O' NEIL"));
        QCOMPARE(trimSpaces(QString("  \ta b\t  ")), "\ta b\t");
        const auto staff = [](QStringList ssns) {
            QList<EmployeeEntries> list;
            for (const QString &ssn : ssns)
                list << with(validEmployee, {"SSN", ssn});
            return list;
        };
        const Filing last{
            validContact,
            {{validEmployer, staff({"111111111", "222222222"})},
             {with(validEmployer, {"ACCOUNT NUMBER", "7654321"}), staff({"333333333"})}}};
        QCOMPARE(QStringList({FilingRules::otherAccountOfEmployees(
                                  last, u"7654321", staff({"111111111", "222222222", "9"})),
                              FilingRules::otherAccountOfEmployees(
                                  last, u"7654321", staff({"111111111", "333333333"})),
                              FilingRules::otherAccountOfEmployees(
                                  last, u"7654321", staff({"111111111", "8", "9"}))}),
                 QStringList({"0123456", "", ""}));
        QCOMPARE((QStringList{formatCents(u"1500000"), formatCents(u""), formatCents(u"000123"),
                              formatCents(u"7  "), formatCents(u"99999999999999999999"),
                              addWholeNumbers(u"99999999999999999999", u"1")}),
                 (QStringList{"$15,000.00", "$0.00", "$1.23", "$0.07",
                              "$999,999,999,999,999,999.99", "100000000000000000000"}));
    }

    void reportFileName()
    {
        const auto name = [](const QString &type, const QStringList &entries) {
            return composeReportFileName(with(validNaming, entries), type);
        };
        const char *method = "FILING METHOD", *sequence = "SEQUENCE NUMBER";
        QCOMPARE(name("A", {method, "FILE UPLOAD", sequence, "   "}),
                 "FILEUPLOAD_WR4X-4BX_0123456.CSV");
        QCOMPARE(name("O", {"FILER KIND", "TPA", "ACCOUNT NUMBER OR TPAID", "0000012345", sequence,
                            " 1q2014 "}),
                 "FTP_WR4-4B_0000012345_1Q2014.CSV");
        QCOMPARE(name("O", {method, ""}), "");
        QCOMPARE(name("", {}), "");
    }
};

void RulesTest::fieldRules_data()
{
    QTest::addColumn<QString>("got");
    QTest::addColumn<QString>("message");
    // Each entry of the field, with the partners (pairs of field and entry), gets the message from
    // the field's rule on the valid entries of the kind at hand.
    auto rule = ruleOn<validContact>; // the contact's fields first
    const auto rows = [&rule](const char *field, const QString &message, const QStringList &entries,
                              const QStringList &partners = {}) {
        for (const QString &entry : entries)
            QTest::addRow("%s '%s' %s", field, qPrintable(entry), qPrintable(partners.join(u' ')))
                << rule(QStringList{field, entry} + partners) << message;
    };
    const char *name = "CONTACT NAME", *phone = "CONTACT PHONE NUMBER", *email = "CONTACT EMAIL",
               *extension = "CONTACT PHONE EXTENSION";
    rows(name, "", {" Mary O'Neil-Smith 2 ", upper, lower + digits + " '-", QString(50, u'a')});
    rows(name, "CONTACT NAME must not be blank", {"   "});
    rows(name, "CONTACT NAME too long must only be 50 characters long",
         {QString(51, u'a'), QString(50, u'a') + u' '});
    rows(name, "CONTACT NAME must only contain alphanumerics, apostrophe, space and hyphen.",
         {"Mary.Smith", "Zo\u00eb"});
    rows(phone, "", {"8005551234 "});
    rows(phone, "CONTACT PHONE NUMBER must not be blank", {"  "});
    rows(phone, "CONTACT PHONE NUMBER must be 10 digits long", {"800555123", "80055512345"});
    rows(phone, "CONTACT PHONE NUMBER must only contain the digits 0 to 9.",
         {"800555123a", " 8005551234"});
    const QString domain = "@example.com";
    rows(email, "", {"MARY_o-1@mail.example.com  ", upper + "-_.@" + lower + digits + ".x"});
    rows(email, "", {"m@e.c", QString(320 - domain.size(), u'm') + domain});
    rows(email, "CONTACT EMAIL must not be blank", {" "});
    rows(email, "CONTACT EMAIL too long must only be 320 characters long",
         {QString(321 - domain.size(), u'm') + domain});
    rows(email, "CONTACT EMAIL must be a valid email address format",
         {"mary.example.com", "mary@example", "mary@.com", "mary@example..com", "mary@x..com",
          "mary@example.com.", "mary@a@example.com", " mary@example.com", "mary smith@example.com",
          "mary,s@example.com"});
    rows(extension, "", {"", "    ", "12345 "});
    rows(extension, "CONTACT PHONE EXTENSION too long must only be 5 characters long", {"123456"});
    rows(extension, "CONTACT PHONE EXTENSION must only contain the digits 0 to 9.", {"12a", " 12"});
    rule = ruleOn<validEmployer>; // the employer's
    const char *qy = "QUARTER-YEAR", *account = "ACCOUNT NUMBER", *fein = "FEIN";
    rows(qy, "You must select a QUARTER and YEAR for this filing.", {""});
    rows(qy, "You must select a QUARTER for this filing.", {"2026"});
    rows(qy, "", {"12019", "42026"});
    rows(qy, "QUARTER-YEAR must be the quarter, 1 to 4, followed by the four-digit year, as 12014",
         {"02026", "52026", "220261", "22O26", "2x026", "220", "1201", "X"});
    rows(account, "", {"0123456 "});
    rows(account, "ACCOUNT NUMBER must not be blank.", {"   "});
    rows(account, "ACCOUNT NUMBER must be 7 digits long." + zeros, {"012345", "01234567"});
    rows(account, "ACCOUNT NUMBER must be numberic." + zeros, {" 0123456"});
    rows(fein, "FEIN must not be blank.", {""});
    rows(fein, "FEIN must be 9 digits long.", {"12345678", "1234567890"});
    const char *months[] = {"EMPLOYEES MONTH 1", "EMPLOYEES MONTH 2", "EMPLOYEES MONTH 3"};
    rows(months[0], "", {"0", "12345678901234567890 "});
    rows(months[0], "NUMBER OF EMPLOYEES for the first month must not be blank.", {" "});
    rows(months[1], "NUMBER OF EMPLOYEES  for the second month must not be blank.", {" "});
    rows(months[1], "NUMBER OF EMPLOYEES  for the second month must be numeric", {"-3"});
    rows(months[2], "NUMBER OF EMPLOYEES  for the third month must not be blank.", {""});
    rows(months[2], "NUMBER OF EMPLOYEES  for the third month must be numeric", {" 3"});
    const char *gross = "GROSS WAGES", *withheld = "EMPLOYEE WITHHOLDING",
               *taxable = "TAXABLE WAGES", *contributions = "EMPLOYER CONTRIBUTIONS";
    const QString belowWithholding =
        "GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING";
    rows(gross, "", {"1000"}, {taxable, "1000", withheld, "1000", contributions, "0"});
    rows(gross, "", {"0", "9999999999999"}, {taxable, "0", withheld, "0", contributions, "0"});
    rows(gross, "", {"0001000"}, {taxable, "999", withheld, "1,000,000", contributions, "0"});
    rows(gross, "", {"100000000000000000000"}, {taxable, "99999999999999999999"});
    rows(gross, "GROSS WAGES must not be blank.", {" "});
    rows(gross, grossBelowTaxable, {"999"}, {taxable, "1000", withheld, "0", contributions, "0"});
    rows(gross, belowWithholding, {"999"}, {taxable, "0", withheld, "1000", contributions, "0"});
    rows(gross, belowWithholding, {"999"}, {taxable, "1000", withheld, "1000"}); // the last stands
    rows(withheld, "", {"1000"}, {gross, "1000"});
    rows(withheld, "EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES", {"1001"},
         {gross, "1000"});
    rows(withheld, "EMPLOYEE WITHHOLDING must not be blank.", {""});
    rows(taxable, "", {"1000"}, {gross, "1000", contributions, "1000"});
    rows(taxable, "TAXABLE WAGES must be less than or equal to GROSS WAGES", {"1001"},
         {gross, "1000", contributions, "0"});
    rows(taxable, "TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.", {"999"},
         {gross, "1000", contributions, "1000"});
    rows(taxable, "TAXABLE WAGES must not be blank.", {""});
    rows(contributions, "", {"1000"}, {taxable, "1000"});
    rows(contributions, "EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES",
         {"1001"}, {taxable, "1000"});
    rows(contributions, "Employer Contributions must not be blank.", {"  "});
    rule = ruleOn<validEmployee>; // the employee's
    rows("SSN", "", {"123456789 "});
    rows("SSN", "Employee SSN  must not be blank.", {""});
    rows("SSN", "Employee SSN  must be 9 digits long.", {"12345678", "1234567890"});
    rows("SSN", "Employee SSN  must only contain the digits 0 to 9.", {"123-45-67"});
    const char *last = "LAST NAME", *first = "FIRST NAME", *middle = "MIDDLE NAME";
    const QString twoHyphens = " not formatted correctly. Two hyphens in a row not allowed.",
                  noSpaces = " must only contain alphanumerics, apostrophe and hyphens. No "
                             "spaces allowed.";
    // Only the first apostrophe is examined; at most 25 characters, so the alphabets in halves.
    rows(last, "", {" O'NEIL-SMITH-JR ", "'NEIL", "O'NE'IL'", QString(25, u'a')});
    rows(last, "", {upper.left(13), upper.mid(13), lower.left(25), lower.mid(25) + digits});
    rows(last, "Employee Last Name in S line must not be blank. ", {"  "});
    rows(last, "EMPLOYEE LAST NAME too long must only be 25 characters.", {QString(26, u'a')});
    // Two spaces before "must" here, one for the first name.
    rows(last, "EMPLOYEE LAST NAME " + noSpaces, {"O NEIL", "M\u00dcLLER"});
    rows(last,
         "EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  Must be like O'Connell.",
         {"ONEIL'"});
    rows(last,
         "EMPLOYEE LAST NAME - ONLY TWO hyphens allowed in last name field. IE: LASTNAME - "
         "COMPOUNDNAME - SUFFIX.",
         {"A-B-C-D"});
    rows(last, "EMPLOYEE LAST NAME" + twoHyphens, {"A--B", "A--B-C-D"});
    rows(first, "", {" MARY-ANN ", QString(15, u'a')});
    rows(first, "EMPLOYEE FIRST NAME  too long must only be 15 characters long.",
         {QString(16, u'a')});
    rows(first, "EMPLOYEE FIRST NAME" + noSpaces, {"MARY ANN"});
    rows(first, "EMPLOYEE FIRST NAME" + twoHyphens, {"MARY--ANN", "M.--ANN"});
    rows(middle, "", {"", " Q ", QString(15, u'a')});
    rows(middle, "EMPLOYEE MIDDLE NAME too long must only be 15 characters long.",
         {QString(16, u'a')});
    rows(middle,
         "EMPLOYEE MIDDLE NAME  must only contain alphanumerics, apostrophe  and hyphens. No "
         "spaces allowed.",
         {"   ", "Q."});
    rows(middle, "EMPLOYEE MIDDLE NAME" + twoHyphens, {"A--B"});
    rows(gross, "", {"1000"}, {taxable, "1000"});
    rows(gross, "", {"0", "999999999999"}, {taxable, "0"});
    rows(gross, "", {"1000"}, {taxable, "x"});
    rows(gross, grossBelowTaxable, {"999"}, {taxable, "1000"});
    rows(gross, "GROSS WAGES must not be blank.", {""});
    rows(taxable, "", {"1000"}, {gross, "1000"});
    rows(taxable, grossBelowTaxable, {"1001"}, {gross, "1000"});
    rows(taxable, "", {"1001"}, {gross, " "});
    rows(taxable, "TAXABLE WAGES must not be blank.", {"  "});
    rows("CREDIT WEEKS", "", {"0", "14", "014", "14 "});
    rows("CREDIT WEEKS", "EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.",
         {"15", "00015", " 14", "-1", "1.5", "99999999999999999999"});
    rows("CREDIT WEEKS",
         "EMPLOYEE CREDIT WEEKS must be not be blank. Employee Credit Weeks must be numeric "
         "between 0 and 14 inclusive.",
         {" "});
    rule = ruleOn<validNaming>; // the naming screen's
    const char *number = "ACCOUNT NUMBER OR TPAID";
    rows("FILER KIND", "", {"TPA"});
    rows("FILING METHOD", "", {"FILE UPLOAD"});
    rows(number, "ACCOUNT NUMBER must not be blank.", {" "});
    rows(number, "ACCOUNT NUMBER  must be 7 digits long." + zeros, {"012345", "01234567"});
    rows(number, "ACCOUNT NUMBER  must be numberic", {"012345a"});
    rows(number, "", {"x"}, {"FILER KIND", ""}); // the missing choice has failed already
    const QStringList tpa = {"FILER KIND", "TPA"};
    rows(number, "", {"0000012345"}, tpa);
    rows(number, "TPAID NUMBER must not be blank.", {""}, tpa);
    rows(number, "TPAID NUMBER must be 10 digits long." + zeros, {"000001234", "00000123456"}, tpa);
    rows(number, "TPAID NUMBER must be numberic", {"00000 2345"}, tpa);
    rows("SEQUENCE NUMBER", "", {"", "   ", "1q2014", "1Q2014  ", upper, lower + digits});
    rows("SEQUENCE NUMBER", "SEQUENCE NUMBER must be alphanumerics",
         {" 1Q", "1Q 2014", "1Q-2014", "1Q_2014", "\u0131"});
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
