// The field rules as tables, one per record kind: each row a field, its entry and the partner
// entries that differ from the valid ones, and the exact message (empty when the field passes).
// Then the helpers under the rules, the records byte for byte and the report file's name.

#include "filingrun.h"
#include "rules/amounts.h"
#include "rules/checkstring.h"
#include "rules/namerules.h"
#include "rules/reportname.h"

#include <QTest>

namespace
{
const QString wagesHint = "Enter wages, excluding the decimal point, ie $1234.56 wages should be "
                          "entered as 123456.";
const QString grossBelowTaxable = "GROSS WAGES must be greater than or equal to TAXABLE WAGES";
const QString fails = "fails";

// A row: the field, its entry, the message, then further fields and entries, pairwise.
void row(const char *field, const QString &entry, const QString &message,
         const QStringList &partners = {})
{
    QTest::addRow("%s '%s' %s", field, qPrintable(entry), qPrintable(partners.join(u' ')))
        << QString(field) << QStringList{field, entry} + partners << message;
}

void columns()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("message");
}

template <typename E> void verify(E e)
{
    QFETCH(QString, field);
    QFETCH(QStringList, entries);
    e = with(e, entries);
    QString message = "no such field";
    for (const auto &row : table(e))
        message = field == row.name ? row.rule(e) : message;
    QTEST(message, "message");
}

QString verdict(bool passed)
{
    return passed ? QString() : fails;
}
} // namespace

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    void contact_data();
    void contact() { verify(validContact); }
    void employer_data();
    void employer() { verify(validEmployer); }
    void employee_data();
    void employee() { verify(validEmployee); }
    void naming_data();
    void naming() { verify(validNaming); }
    void helpers_data();
    void helpers();
    void records();
    void reportFileName_data();
    void reportFileName();
};

void RulesTest::contact_data()
{
    columns();
    const QString nameSet = "CONTACT NAME must only contain alphanumerics, apostrophe, space and "
                            "hyphen.";
    const QString nameLong = "CONTACT NAME too long must only be 50 characters long";
    row("CONTACT NAME", " Mary O'Neil-Smith 2 ", "");
    // Every character of each set passes: a character dropped from a set fails a row.
    row("CONTACT NAME", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "");
    row("CONTACT NAME", "abcdefghijklmnopqrstuvwxyz0123456789 '-", "");
    row("CONTACT EMAIL", "ABCDEFGHIJKLMNOPQRSTUVWXYZ-_.@abcdefghijklmnopqrstuvwxyz0123456789.x",
        "");
    row("CONTACT NAME", "   ", "CONTACT NAME must not be blank");
    row("CONTACT NAME", QString(50, u'a'), "");
    row("CONTACT NAME", QString(51, u'a'), nameLong);
    row("CONTACT NAME", QString(50, u'a') + u' ', nameLong);
    row("CONTACT NAME", "Mary.Smith", nameSet);
    row("CONTACT NAME", "Zo\u00eb", nameSet);
    const QString phoneLength = "CONTACT PHONE NUMBER must be 10 digits long";
    const QString phoneDigits = "CONTACT PHONE NUMBER must only contain the digits 0 to 9.";
    row("CONTACT PHONE NUMBER", "8005551234 ", "");
    row("CONTACT PHONE NUMBER", "  ", "CONTACT PHONE NUMBER must not be blank");
    row("CONTACT PHONE NUMBER", "800555123", phoneLength);
    row("CONTACT PHONE NUMBER", "80055512345", phoneLength);
    row("CONTACT PHONE NUMBER", "800555123a", phoneDigits);
    row("CONTACT PHONE NUMBER", " 8005551234", phoneDigits);
    const QString domain = "@example.com";
    row("CONTACT EMAIL", "MARY_o-1@mail.example.com  ", "");
    row("CONTACT EMAIL", "m@e.c", "");
    row("CONTACT EMAIL", " ", "CONTACT EMAIL must not be blank");
    row("CONTACT EMAIL", QString(320 - domain.size(), u'm') + domain, "");
    row("CONTACT EMAIL", QString(321 - domain.size(), u'm') + domain,
        "CONTACT EMAIL too long must only be 320 characters long");
    for (const char *bad : {"mary.example.com", "mary@example", "mary@.com", "mary@example..com",
                            "mary@example.com.", "mary@a@example.com", " mary@example.com",
                            "mary smith@example.com", "mary,s@example.com"})
        row("CONTACT EMAIL", bad, "CONTACT EMAIL must be a valid email address format");
    const QString extension = "CONTACT PHONE EXTENSION must only contain the digits 0 to 9.";
    for (const char *good : {"", "    ", "12345 "})
        row("CONTACT PHONE EXTENSION", good, "");
    row("CONTACT PHONE EXTENSION", "123456",
        "CONTACT PHONE EXTENSION too long must only be 5 characters long");
    row("CONTACT PHONE EXTENSION", "12a", extension);
    row("CONTACT PHONE EXTENSION", " 12", extension);
}

void RulesTest::employer_data()
{
    columns();
    const char *qy = "QUARTER-YEAR";
    const QString code = "QUARTER-YEAR must be the quarter, 1 to 4, followed by the four-digit "
                         "year, as 12014";
    row(qy, "", "You must select a QUARTER and YEAR for this filing.", {"YEAR", ""});
    row(qy, "", "You must select a QUARTER for this filing.");
    row(qy, "2", "You must select a YEAR for this filing.", {"YEAR", ""});
    row(qy, "1", "");
    row(qy, "4", "");
    row(qy, "0", code);
    row(qy, "5", code);
    row(qy, "2", code, {"YEAR", "202"});
    row(qy, "2", code, {"YEAR", "2O26"});
    const QString accountLength =
        "ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros.";
    row("ACCOUNT NUMBER", "0123456 ", "");
    row("ACCOUNT NUMBER", "   ", "ACCOUNT NUMBER must not be blank.");
    row("ACCOUNT NUMBER", "012345", accountLength);
    row("ACCOUNT NUMBER", "01234567", accountLength);
    row("ACCOUNT NUMBER", " 0123456",
        "ACCOUNT NUMBER must be numberic.  Please include leading zeros.");
    row("FEIN", "", "FEIN must not be blank.");
    row("FEIN", "12345678", "FEIN must be 9 digits long.");
    row("FEIN", "1234567890", "FEIN must be 9 digits long.");
    row("FEIN", "12345678O", "FEIN must only contain the digits 0 to 9.");
    row("EMPLOYEES MONTH 1", "0", "");
    row("EMPLOYEES MONTH 1", "12345678901234567890 ", "");
    row("EMPLOYEES MONTH 1", " ", "NUMBER OF EMPLOYEES for the first month must not be blank.");
    row("EMPLOYEES MONTH 1", "3.0", "NUMBER OF EMPLOYEES for the first month must be numeric");
    row("EMPLOYEES MONTH 2", " ", "NUMBER OF EMPLOYEES  for the second month must not be blank.");
    row("EMPLOYEES MONTH 2", "-3", "NUMBER OF EMPLOYEES  for the second month must be numeric");
    row("EMPLOYEES MONTH 3", "", "NUMBER OF EMPLOYEES  for the third month must not be blank.");
    row("EMPLOYEES MONTH 3", " 3", "NUMBER OF EMPLOYEES  for the third month must be numeric");
    const char *gross = "GROSS WAGES", *withheld = "EMPLOYEE WITHHOLDING",
               *taxable = "TAXABLE WAGES", *contributions = "EMPLOYER CONTRIBUTIONS";
    const QString belowWithholding =
        "GROSS WAGES must be greater than or equal to EMPLOYEE WITHHOLDING";
    row(gross, "1000", "", {taxable, "1000", withheld, "1000", contributions, "0"});
    row(gross, "0001000", "", {taxable, "999", withheld, "x", contributions, "0"});
    row(gross, "100000000000000000000", "", {taxable, "99999999999999999999"});
    row(gross, " ", "GROSS WAGES must not be blank.");
    row(gross, "12.50", "GROSS WAGES must be numeric. " + wagesHint);
    row(gross, "999", grossBelowTaxable, {taxable, "1000", withheld, "0", contributions, "0"});
    row(gross, "999", belowWithholding, {taxable, "0", withheld, "1000", contributions, "0"});
    row(gross, "999", belowWithholding, {taxable, "1000", withheld, "1000"}); // the last stands
    row(withheld, "1000", "", {gross, "1000"});
    row(withheld, "1001", "EMPLOYEE WITHHOLDING must be less than or equal to GROSS WAGES",
        {gross, "1000"});
    row(withheld, "", "EMPLOYEE WITHHOLDING must not be blank.");
    row(withheld, "1,0", "EMPLOYEE WITHHOLDING must be numeric.  " + wagesHint);
    row(taxable, "1000", "", {gross, "1000", contributions, "1000"});
    row(taxable, "1001", "TAXABLE WAGES must be less than or equal to GROSS WAGES",
        {gross, "1000", contributions, "0"});
    row(taxable, "999", "TAXABLE WAGES must be greater than or equal to EMPLOYER CONTRIBUTIONS.",
        {gross, "1000", contributions, "1000"});
    row(taxable, "", "TAXABLE WAGES must not be blank.");
    row(taxable, "$10", "TAXABLE WAGES must be numeric. " + wagesHint);
    row(contributions, "1000", "", {taxable, "1000"});
    row(contributions, "1001", "EMPLOYER CONTRIBUTIONS must be less than or equal to TAXABLE WAGES",
        {taxable, "1000"});
    row(contributions, "  ", "Employer Contributions must not be blank.");
    row(contributions, "1e3", "EMPLOYER CONTRIBUTIONS must be numeric.  " + wagesHint);
}

void RulesTest::employee_data()
{
    columns();
    row("SSN", "123456789 ", "");
    row("SSN", "", "Employee SSN  must not be blank.");
    row("SSN", "12345678", "Employee SSN  must be 9 digits long.");
    row("SSN", "1234567890", "Employee SSN  must be 9 digits long.");
    row("SSN", "123-45-67", "Employee SSN  must only contain the digits 0 to 9.");
    const QString lastSet = "EMPLOYEE LAST NAME  must only contain alphanumerics, apostrophe and "
                            "hyphens. No spaces allowed.";
    const QString lastTwoInARow =
        "EMPLOYEE LAST NAME not formatted correctly. Two hyphens in a row not allowed.";
    for (const QString &good :
         QStringList{" O'NEIL-SMITH-JR ", "'NEIL", "O'NE'IL'", QString(25, u'a'), "ABCDEFGHIJKLM",
                     "NOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxy", "z0123456789"})
        row("LAST NAME", good, ""); // only the first apostrophe is examined
    row("LAST NAME", "  ", "Employee Last Name in S line must not be blank. ");
    row("LAST NAME", QString(26, u'a'), "EMPLOYEE LAST NAME too long must only be 25 characters.");
    row("LAST NAME", "O NEIL", lastSet);
    row("LAST NAME", "M\u00dcLLER", lastSet);
    row("LAST NAME", "ONEIL'",
        "EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  Must be like O'Connell.");
    row("LAST NAME", "A-B-C-D",
        "EMPLOYEE LAST NAME - ONLY TWO hyphens allowed in last name field. IE: LASTNAME - "
        "COMPOUNDNAME - SUFFIX.");
    row("LAST NAME", "A--B", lastTwoInARow);
    row("LAST NAME", "A--B-C-D", lastTwoInARow);
    const QString firstTwoInARow =
        "EMPLOYEE FIRST NAME not formatted correctly. Two hyphens in a row not allowed.";
    row("FIRST NAME", " MARY-ANN ", "");
    row("FIRST NAME", QString(15, u'a'), "");
    row("FIRST NAME", "", "EMPLOYEE FIRST NAME in S line must not be blank. ");
    row("FIRST NAME", QString(16, u'a'),
        "EMPLOYEE FIRST NAME  too long must only be 15 characters long.");
    row("FIRST NAME", "MARY ANN",
        "EMPLOYEE FIRST NAME must only contain alphanumerics, apostrophe and hyphens. No spaces "
        "allowed.");
    row("FIRST NAME", "MARY--ANN", firstTwoInARow);
    row("FIRST NAME", "M.--ANN", firstTwoInARow);
    const QString middleSet = "EMPLOYEE MIDDLE NAME  must only contain alphanumerics, apostrophe "
                              " and hyphens. No spaces allowed.";
    for (const QString &good : QStringList{"", " Q ", QString(15, u'a')})
        row("MIDDLE NAME", good, "");
    row("MIDDLE NAME", QString(16, u'a'),
        "EMPLOYEE MIDDLE NAME too long must only be 15 characters long.");
    row("MIDDLE NAME", "   ", middleSet);
    row("MIDDLE NAME", "Q.", middleSet);
    row("MIDDLE NAME", "A--B",
        "EMPLOYEE MIDDLE NAME not formatted correctly. Two hyphens in a row not allowed.");
    row("GROSS WAGES", "1000", "", {"TAXABLE WAGES", "1000"});
    row("GROSS WAGES", "1000", "", {"TAXABLE WAGES", "x"});
    row("GROSS WAGES", "999", grossBelowTaxable, {"TAXABLE WAGES", "1000"});
    row("GROSS WAGES", "", "GROSS WAGES must not be blank.");
    row("GROSS WAGES", "10.00", "GROSS WAGES must be numeric. " + wagesHint);
    row("TAXABLE WAGES", "1000", "", {"GROSS WAGES", "1000"});
    row("TAXABLE WAGES", "1001", grossBelowTaxable, {"GROSS WAGES", "1000"});
    row("TAXABLE WAGES", "1001", "", {"GROSS WAGES", " "});
    row("TAXABLE WAGES", "  ", "TAXABLE WAGES must not be blank.");
    row("TAXABLE WAGES", "ten", "TAXABLE WAGES must be numeric.  " + wagesHint);
    for (const char *good : {"0", "14", "014", "14 "})
        row("CREDIT WEEKS", good, "");
    for (const char *bad : {"15", "00015", " 14", "-1", "1.5", "99999999999999999999"})
        row("CREDIT WEEKS", bad,
            "EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.");
    row("CREDIT WEEKS", " ",
        "EMPLOYEE CREDIT WEEKS must be not be blank. Employee Credit Weeks must be numeric "
        "between 0 and 14 inclusive.");
}

void RulesTest::naming_data()
{
    columns();
    const char *number = "ACCOUNT NUMBER OR TPAID";
    row("FILER KIND", "TPA", "");
    row("FILER KIND", "", "You must select either Employer or TPAID");
    row("FILING METHOD", "FILE UPLOAD", "");
    row("FILING METHOD", "", "You must select either File Upload or FTP");
    const QString accountLength =
        "ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros.";
    row(number, " ", "ACCOUNT NUMBER must not be blank.");
    row(number, "012345", accountLength);
    row(number, "01234567", accountLength);
    row(number, "012345a", "ACCOUNT NUMBER  must be numberic");
    row(number, "x", "", {"FILER KIND", ""}); // the missing choice has failed already
    const QString tpaidLength =
        "TPAID NUMBER must be 10 digits long.  Please include leading zeros.";
    const QStringList tpa = {"FILER KIND", "TPA"};
    row(number, "0000012345", "", tpa);
    row(number, "", "TPAID NUMBER must not be blank.", tpa);
    row(number, "000001234", tpaidLength, tpa);
    row(number, "00000123456", tpaidLength, tpa);
    row(number, "00000 2345", "TPAID NUMBER must be numberic", tpa);
    for (const char *good : {"", "   ", "1q2014", "1Q2014  ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                             "abcdefghijklmnopqrstuvwxyz0123456789"})
        row("SEQUENCE NUMBER", good, "");
    for (const char *bad : {" 1Q", "1Q 2014", "1Q-2014", "1Q_2014", "\u0131"})
        row("SEQUENCE NUMBER", bad, "SEQUENCE NUMBER must be alphanumerics");
}

void RulesTest::helpers_data()
{
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("expected");
    int n = 0;
    const auto row = [&n](const QString &result, const QString &expected) {
        QTest::addRow("%d", ++n) << result << expected;
    };
    const CharacterSet &digits = CharacterSets::digits;
    row(verdict(checkString(u"0123456789", digits, true)), "");
    for (const char16_t *bad : {u"", u"12 ", u"1\u0663"})
        row(verdict(checkString(bad, digits, true)), fails);
    row(verdict(checkString(u"abc", digits, false)), "");
    row(verdict(checkString(u"ab1", digits, false)), fails);
    row(verdict(checkString(u"   ", digits, false)), fails);
    row(verdict(checkString(u" a b ", QStringView(u"a b"), true)), "");
    row(verdict(checkString(u"   ", QStringView(u"a b"), true)), fails);
    row(verdict(checkString(u"aA", QStringView(u"a b"), true)), fails);
    row(verdict(checkString(u"xyz", QStringView(u"a b"), false)), "");
    row(verdict(checkString(u"xaz", QStringView(u"a b"), false)), fails);
    row(verdict(isDigitText(u"007  ")), "");
    for (const char16_t *bad : {u" 7", u"   ", u"7a"})
        row(verdict(isDigitText(bad)), fails);
    row(verdict(checkForGoodApostropheInEmployeeLastName(u"O'NEIL")), "");
    row(verdict(checkForGoodApostropheInEmployeeLastName(u"O 'NEIL")), fails);
    row(verdict(checkForGoodApostropheInEmployeeLastName(u"O' NEIL")), fails);
    row(trimSpaces(QString("  \ta b\t  ")), "\ta b\t");
    row(rightTrimSpaces(QString("  a  ")), "  a");
    row(QString::number(compareWholeNumbers(u"007", u"7")), "0");
    row(QString::number(compareWholeNumbers(u"10", u"9")), "1");
    row(QString::number(compareWholeNumbers(u"123", u"124")), "-1");
    row(QString::number(compareWholeNumbers(u"5  ", u"5")), "0");
    row(QString::number(compareWholeNumbers(u"99999999999999999999", u"100000000000000000000")),
        "-1");
    row(formatCents(u"1500000"), "$15,000.00");
    row(formatCents(u"0"), "$0.00");
    row(formatCents(u""), "$0.00");
    row(formatCents(u"000123"), "$1.23");
    row(formatCents(u"7  "), "$0.07");
    row(formatCents(u"99999999999999999999"), "$999,999,999,999,999,999.99");
    row(addWholeNumbers(u"99999999999999999999", u"1"), "100000000000000000000");
    row(addWholeNumbers(u"000", u"0 "), "0");
    row(addWholeNumbers(u"007", u"0003  "), "10");
}

void RulesTest::helpers()
{
    QFETCH(QString, result);
    QTEST(result, "expected");
}

void RulesTest::records()
{
    const auto text = [](const QByteArray &record) { return QString(record.chopped(2)); };
    QCOMPARE(Records::makeLine(validContact), text(aRecord));
    QCOMPARE(Records::makeLine(validEmployer), text(eRecord));
    QCOMPARE(Records::makeLine(validEmployee), text(sRecord));
    QCOMPARE(Records::makeLine(ContactEntries{"A", " Jo ", "j@e.c ", "8005551234 ", "42"}),
             "A,A, Jo ,j@e.c ,8005551234 ,42, , , , , ");
    const EmployeeEntries spaced{"7654321", "987654321 ", "  DOE ", " JO", "Q  ", "1 ", "0", "14 "};
    const QString line = "S,7654321  ,987654321 ,DOE,JO,Q,1 ,0,14 , , ";
    QCOMPARE(Records::makeLine(spaced), line);
    // And back, the S record's account without its two spaces.
    QCOMPARE(Records::makeLine(Records::readEntries<EmployeeEntries>(*Records::splitLine(line))),
             line);
    QCOMPARE(Records::makeLine(
                 Records::readEntries<EmployerEntries>(*Records::splitLine(text(eRecord)))),
             text(eRecord));
    QCOMPARE(
        Records::makeLine(Records::readEntries<ContactEntries>(*Records::splitLine(text(aRecord)))),
        text(aRecord));
    QVERIFY(!Records::splitLine(u"S,1,2,3,4,5,6,7,8,9").has_value());
    QVERIFY(!Records::splitLine(u"S,1,2,3,4,5,6,7,8,9,10,11").has_value());
}

void RulesTest::reportFileName_data()
{
    QTest::addColumn<QStringList>("entries"); // filing type, then naming fields and entries
    QTest::addColumn<QString>("name");
    const char *method = "FILING METHOD", *number = "ACCOUNT NUMBER OR TPAID",
               *sequence = "SEQUENCE NUMBER";
    QTest::newRow("upload original")
        << QStringList{"O", method, "FILE UPLOAD"} << "FILEUPLOAD_WR4-4B_0123456.CSV";
    QTest::newRow("upload amended") << QStringList{"A", method, "FILE UPLOAD", sequence, "   "}
                                    << "FILEUPLOAD_WR4X-4BX_0123456.CSV";
    QTest::newRow("ftp original") << QStringList{"O",          "FILER KIND", "TPA",     number,
                                                 "0000012345", sequence,     " 1q2014 "}
                                  << "FTP_WR4-4B_0000012345_1Q2014.CSV";
    QTest::newRow("ftp amended") << QStringList{"A", sequence, "b2"}
                                 << "FTP_WR4X-4BX_0123456_B2.CSV";
    QTest::newRow("no method") << QStringList{"O", method, ""} << "";
    QTest::newRow("no filing type") << QStringList{""} << "";
}

void RulesTest::reportFileName()
{
    QFETCH(QStringList, entries);
    QTEST(composeReportFileName(with(validNaming, entries.mid(1)), entries[0]), "name");
}

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
