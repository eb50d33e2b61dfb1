#include "check/reportchecker.h"
#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namingrules.h"
#include "rules/records.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace
{

const QString reportName = QStringLiteral("FILEUPLOAD_WR4-4B_0123456.CSV");

// A report as the screens write it: the A record, account 0123456 with two employees (lines 2 to
// 4) and account 7654321 with one (lines 5 and 6).
QStringList screensRecords()
{
    return {
        Records::aLine("O", "Mary Smith", "mary@example.com", "8005551234", ""),
        Records::eLine("0123456", "123456789", "22014", "3", "4", "2", "1500000", "10500",
                       "1000000", "36000"),
        Records::sLine("0123456", "123456789", "  O'NEIL ", "MARY", "", "1000000 ", "600000", "13"),
        Records::sLine("0123456", "223456789", "SMITH-JONES", "JOHN", "Q", "500000", "400000",
                       "7 "),
        Records::eLine("7654321", "987654321", "12014", "1", "1", "1", "250000", "0", "250000",
                       "9000"),
        Records::sLine("7654321", "323456789", "GARCIA", "ANA", "", "250000", "250000", "14"),
    };
}

QByteArray fileBytes(const QStringList &records)
{
    QByteArray bytes;
    for (const QString &record : records)
        bytes += record.toLatin1() + "\r\n";
    return bytes;
}

// The records with one field of one line (both counted from 1) replaced.
QStringList withField(int line, int field, const QString &value)
{
    QStringList records = screensRecords();
    QStringList fields = records[line - 1].split(u',');
    fields[field - 1] = value;
    records[line - 1] = fields.join(u',');
    return records;
}

// A finding as the tests compare it: "LINE:FIELD: error|warning: MESSAGE".
QString shown(const Finding &finding)
{
    return QString::number(finding.line) + u':' + QLatin1String(finding.field) +
           (finding.severity == Severity::Error ? QStringLiteral(": error: ")
                                                : QStringLiteral(": warning: ")) +
           finding.message;
}

QStringList shown(const FileReport &report, bool errors = true, bool warnings = true)
{
    QStringList list;
    for (const Finding &finding : report.findings) {
        if ((finding.severity == Severity::Error && errors) ||
            (finding.severity == Severity::Warning && warnings))
            list << shown(finding);
    }
    return list;
}

} // namespace

class CheckTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void screensReport_passesCleanWithItsSums();
    void fieldRules_screensMessagesAtLineAndField_data();
    void fieldRules_screensMessagesAtLineAndField();
    void bytesAndLayout_errors_data();
    void bytesAndLayout_errors();
    void accounts_warnings_data();
    void accounts_warnings();
    void fileName_warnings_data();
    void fileName_warnings();
    void severalFaults_allReportedInLineAndFieldOrder();
    void wagesBeyondMachineIntegers_addUpExactly();
    void largeFile_linesNumberedAcrossPieces();
    void lineLongerThanAPiece_checkedWhole();
    void exitStatusesAndOutput();
    void json_carriesTheSameFindings();

private:
    QString write(const QByteArray &bytes, const QString &name = reportName);
    FileReport check(const QByteArray &bytes, const QString &name = reportName)
    {
        return checkReportFile(write(bytes, name));
    }
    QProcess *run(const QStringList &arguments);

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<QProcess> process;
};

void CheckTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

QString CheckTest::write(const QByteArray &bytes, const QString &name)
{
    const QString path = dir->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QProcess *CheckTest::run(const QStringList &arguments)
{
    process = std::make_unique<QProcess>();
    process->setWorkingDirectory(dir->path());
    process->start(QStringLiteral(TAVO_CHECK), arguments);
    if (!process->waitForFinished(30000))
        qFatal("tavo-check did not finish");
    return process.get();
}

void CheckTest::screensReport_passesCleanWithItsSums()
{
    const FileReport report = check(fileBytes(screensRecords()));
    QCOMPARE(shown(report), QStringList());
    QVERIFY(report.readError.isEmpty());
    QCOMPARE(report.lines, 6);
    QCOMPARE(report.aRecords, 1);
    QCOMPARE(report.eRecords, 2);
    QCOMPARE(report.sRecords, 3);
    QCOMPARE(report.accounts.size(), 2);
    const AccountSummary &first = report.accounts[0];
    QCOMPARE(first.line, 2);
    QCOMPARE(first.account, QStringLiteral("0123456"));
    QCOMPARE(first.employees, 2);
    QCOMPARE(first.grossWages, QStringLiteral("1500000"));
    QCOMPARE(first.employeeGrossWages, QStringLiteral("1500000"));
    QCOMPARE(first.taxableWages, QStringLiteral("1000000"));
    QCOMPARE(first.employeeTaxableWages, QStringLiteral("1000000"));
    QCOMPARE(report.accounts[1].employees, 1);
    QCOMPARE(report.accounts[1].employeeGrossWages, QStringLiteral("250000"));
}

void CheckTest::fieldRules_screensMessagesAtLineAndField_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("errors");

    const auto row = [](const char *name, int line, int field, const QString &value,
                        const QStringList &errors) {
        QTest::newRow(name) << line << field << value << errors;
    };
    const auto at = [](int line, const char *field, const QString &message) {
        return QString::number(line) + u':' + QLatin1String(field) + QStringLiteral(": error: ") +
               message;
    };
    // The A record.
    row("contact name", 1, 3, "Mary. Smith",
        {at(1, "CONTACT NAME", ContactRules::contactName(u"Mary. Smith"))});
    row("contact email", 1, 4, "mary@example",
        {at(1, "CONTACT EMAIL", ContactRules::contactEmail(u"mary@example"))});
    row("contact phone", 1, 5, "800555123",
        {at(1, "CONTACT PHONE NUMBER", ContactRules::contactPhone(u"800555123"))});
    row("phone extension", 1, 6, "123456",
        {at(1, "CONTACT PHONE EXTENSION", ContactRules::phoneExtension(u"123456"))});
    // The E record; a wrong account number also parts its S records from it.
    const QString mismatch =
        QStringLiteral("ACCOUNT NUMBER must be the account number of the E "
                       "record on line 2 followed by two spaces, \"012345  \"");
    row("account number", 2, 2, "012345",
        {at(2, "ACCOUNT NUMBER", EmployerRules::accountNumber(u"012345")),
         at(3, "ACCOUNT NUMBER", mismatch), at(4, "ACCOUNT NUMBER", mismatch)});
    row("fein", 2, 3, "12-3456789", {at(2, "FEIN", EmployerRules::fein(u"12-3456789"))});
    row("first month", 2, 5, "x", {at(2, "EMPLOYEES MONTH 1", EmployerRules::firstMonth(u"x"))});
    row("second month", 2, 6, "", {at(2, "EMPLOYEES MONTH 2", EmployerRules::secondMonth(u""))});
    row("third month", 2, 7, "1.5",
        {at(2, "EMPLOYEES MONTH 3", EmployerRules::thirdMonth(u"1.5"))});
    row("gross below taxable", 2, 8, "900000",
        {at(2, "GROSS WAGES", EmployerRules::grossWages(u"900000", u"1000000", u"10500")),
         at(2, "TAXABLE WAGES", EmployerRules::taxableWages(u"1000000", u"900000", u"36000"))});
    row("withholding above gross", 2, 9, "2000000",
        {at(2, "GROSS WAGES", EmployerRules::grossWages(u"1500000", u"1000000", u"2000000")),
         at(2, "EMPLOYEE WITHHOLDING",
            EmployerRules::employeeWithholding(u"2000000", u"1500000"))});
    row("contributions above taxable", 2, 11, "1000001",
        {at(2, "TAXABLE WAGES", EmployerRules::taxableWages(u"1000000", u"1500000", u"1000001")),
         at(2, "EMPLOYER CONTRIBUTIONS",
            EmployerRules::employerContributions(u"1000001", u"1000000"))});
    // The S record.
    row("ssn", 3, 3, "12", {at(3, "SSN", EmployeeRules::ssn(u"12"))});
    row("last name", 3, 4, "SMITH--JONES",
        {at(3, "LAST NAME", EmployeeRules::lastName(u"SMITH--JONES"))});
    row("first name", 3, 5, "MARY ANN",
        {at(3, "FIRST NAME", EmployeeRules::firstName(u"MARY ANN"))});
    row("middle name of spaces", 3, 6, "   ",
        {at(3, "MIDDLE NAME", EmployeeRules::middleName(u"   "))});
    row("gross not a number, taxable left alone", 3, 7, "ABC",
        {at(3, "GROSS WAGES", EmployeeRules::grossWages(u"ABC", u"600000"))});
    row("taxable above gross", 3, 8, "2000000",
        {at(3, "GROSS WAGES", EmployeeRules::grossWages(u"1000000 ", u"2000000")),
         at(3, "TAXABLE WAGES", EmployeeRules::taxableWages(u"2000000", u"1000000 "))});
    row("credit weeks", 3, 9, "15", {at(3, "CREDIT WEEKS", EmployeeRules::creditWeeks(u"15"))});
}

void CheckTest::fieldRules_screensMessagesAtLineAndField()
{
    QFETCH(int, line);
    QFETCH(int, field);
    QFETCH(QString, value);
    QFETCH(QStringList, errors);
    QCOMPARE(shown(check(fileBytes(withField(line, field, value))), true, false), errors);
}

void CheckTest::bytesAndLayout_errors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("errors");

    const QByteArray good = fileBytes(screensRecords());
    const QStringList records = screensRecords();
    const auto replaced = [&good](const char *from, const char *to) {
        QByteArray bytes = good;
        return bytes.replace(from, to);
    };
    const auto with = [](int line, const QString &record) {
        QStringList list = screensRecords();
        list.insert(line - 1, record);
        return fileBytes(list);
    };

    QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF") + good
                                     << QStringList{"1:line: error: the file begins with a byte "
                                                    "order mark (EF BB BF); TAVO takes single-byte "
                                                    "text without one"};
    QTest::newRow("tab in a name")
        << replaced(",MARY,", ",MA\tRY,")
        << QStringList{
               "3:line: error: byte 0x09 at column 32 is not printable ASCII",
               "3:FIRST NAME: error: " + EmployeeRules::firstName(u"MA\tRY"),
           };
    QTest::newRow("Latin-1 letter in a name")
        << replaced("GARCIA", "GARC\xCD"
                              "A")
        << QStringList{"6:line: error: byte 0xcd at column 27 is not printable ASCII",
                       "6:LAST NAME: error: " +
                           EmployeeRules::lastName(QString::fromLatin1("GARC\xCD"
                                                                       "A"))};
    QTest::newRow("LF alone") << replaced("36000\r\n", "36000\n")
                              << QStringList{
                                     "2:line: error: the line ends with LF alone, not CR LF"};
    QTest::newRow("no line end at the end") << good.chopped(2)
                                            << QStringList{"6:line: error: the last line has no "
                                                           "CR LF line end"};
    QTest::newRow("blank line") << with(3, "") << QStringList{"3:line: error: blank line"};
    QTest::newRow("line of spaces") << with(7, "   ") << QStringList{"7:line: error: blank line"};
    QTest::newRow("first record not A")
        << fileBytes(records.mid(1))
        << QStringList{"1:RECORD TYPE: error: the file must begin with the A record"};
    QTest::newRow("A record second")
        << fileBytes(QStringList{records[1], records[0]} + records.mid(2))
        << QStringList{"1:RECORD TYPE: error: the file must begin with the A record",
                       "2:RECORD TYPE: error: the A record must be the first line"};
    QTest::newRow("second A record")
        << with(7, records[0])
        << QStringList{"7:RECORD TYPE: error: a second A record: a file holds one A record"};
    QTest::newRow("S record before any E record")
        << fileBytes(QStringList{records[0], records[2], records[1]} + records.mid(3))
        << QStringList{"2:RECORD TYPE: error: an S record before any E record: employees follow "
                       "the E record of their account"};
    QTest::newRow("unknown record type")
        << with(5, "B,1,2")
        << QStringList{"5:RECORD TYPE: error: record type \"B\" is none of A, "
                       "E and S"};
    QTest::newRow("twelve fields") << replaced(",13, , \r\n", ",13, , ,\r\n")
                                   << QStringList{"3:line: error: 12 fields, 11 expected"};
    QTest::newRow("ten fields") << replaced(",9000\r\n", "\r\n")
                                << QStringList{"5:line: error: 10 fields, 11 expected"};
    QTest::newRow("A reserved field")
        << replaced(",, , , , , \r\n", ",, ,x, , , \r\n")
        << QStringList{"1:RESERVED: error: field 8 is reserved and must be a single space"};
    QTest::newRow("S reserved field empty")
        << replaced(",14, , \r\n", ",14, ,\r\n")
        << QStringList{"6:RESERVED: error: field 11 is reserved and must be a single space"};
    QTest::newRow("no E record")
        << fileBytes(records.mid(0, 1))
        << QStringList{"0:RECORD TYPE: error: the file holds no E record: a report has at least "
                       "one account"};
    QTest::newRow("empty file") << QByteArray()
                                << QStringList{"0:line: error: the file holds no record"};
    const QString quarterYear = QStringLiteral("QUARTER-YEAR must be the quarter, 1 to 4, followed "
                                               "by the four-digit year, as 12014");
    QTest::newRow("quarter 5") << replaced(",22014,", ",52014,")
                               << QStringList{"2:QUARTER-YEAR: error: " + quarterYear};
    QTest::newRow("year of two digits")
        << replaced(",12014,", ",114,") << QStringList{"5:QUARTER-YEAR: error: " + quarterYear};
    QTest::newRow("filing type") << replaced("A,O,", "A,X,")
                                 << QStringList{"1:FILING TYPE: error: FILING TYPE must be O "
                                                "(Original) or A (Amended)"};
    QTest::newRow("S account of the other account")
        << replaced("S,7654321  ,", "S,0123456  ,")
        << QStringList{"6:ACCOUNT NUMBER: error: ACCOUNT NUMBER must be the account number of the "
                       "E record on line 5 followed by two spaces, \"7654321  \""};
    QTest::newRow("S account with one space")
        << replaced("S,7654321  ,", "S,7654321 ,")
        << QStringList{"6:ACCOUNT NUMBER: error: ACCOUNT NUMBER must be the account number of the "
                       "E record on line 5 followed by two spaces, \"7654321  \""};
}

void CheckTest::bytesAndLayout_errors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, errors);
    QCOMPARE(shown(check(bytes), true, false), errors);
}

void CheckTest::accounts_warnings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("warnings");

    const QByteArray good = fileBytes(screensRecords());
    const auto replaced = [&good](const char *from, const char *to) {
        QByteArray bytes = good;
        return bytes.replace(from, to);
    };
    QTest::newRow("gross wages not the sum")
        << replaced(",1500000,", ",1500001,")
        << QStringList{"2:GROSS WAGES: warning: GROSS WAGES 1500001 is not the sum of the "
                       "account's 2 S records' gross wages, 1500000"};
    QTest::newRow("taxable wages not the sum")
        << replaced(",250000,9000", ",249999,9000")
        << QStringList{"5:TAXABLE WAGES: warning: TAXABLE WAGES 249999 is not the sum of the "
                       "account's 1 S record's taxable wages, 250000"};
    QTest::newRow("third month's count")
        << replaced(",3,4,2,", ",3,4,3,")
        << QStringList{"2:EMPLOYEES MONTH 3: warning: 3 covered employees in the third month, "
                       "but 2 S records in the account"};
    QTest::newRow("third month's count with a space")
        << replaced(",1,1,1,", ",1,1,2 ,")
        << QStringList{"5:EMPLOYEES MONTH 3: warning: 2 covered employees in the third month, "
                       "but 1 S record in the account"};
    const auto ssnRow = [&](const char *name, const char *ssn, const QString &message) {
        QTest::newRow(name) << replaced(",323456789,", (QByteArray(",") + ssn + ",").constData())
                            << QStringList{"6:SSN: warning: " + message};
    };
    ssnRow("area 000", "000456789",
           "SSN 000456789 cannot have been issued: no SSN begins with 000");
    ssnRow("area 666", "666456789",
           "SSN 666456789 cannot have been issued: no SSN begins with 666");
    ssnRow("area 9xx", "912456789",
           "SSN 912456789 cannot have been issued: no SSN begins with 912");
    ssnRow("group 00", "123006789",
           "SSN 123006789 cannot have been issued: its group number (digits 4 and 5) is 00");
    ssnRow("serial 0000", "123450000",
           "SSN 123450000 cannot have been issued: its serial number (digits 6 to 9) is 0000");
    ssnRow("078-05-1120", "078051120",
           "SSN 078051120 is a widely misused number that belongs to no employee");
    ssnRow("219-09-9999", "219099999",
           "SSN 219099999 is a widely misused number that belongs to no employee");
    QTest::newRow("same SSN twice in an account")
        << replaced(",223456789,", ",123456789 ,")
        << QStringList{"4:SSN: warning: SSN 123456789 is already on line 3 in this account"};
    QTest::newRow("same SSN in two accounts")
        << replaced(",323456789,", ",123456789,") << QStringList();
}

void CheckTest::accounts_warnings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, warnings);
    const FileReport report = check(bytes);
    QCOMPARE(shown(report, false, true), warnings);
    QCOMPARE(report.errors, 0);
}

void CheckTest::fileName_warnings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("filingType");
    QTest::addColumn<QStringList>("warnings");

    const auto warning = [](const QString &message) {
        return QStringList{QStringLiteral("0:FILE NAME: warning: ") + message};
    };
    const QString notAName =
        QStringLiteral(" is not a report file name; the naming screen gives names such as "
                       "FILEUPLOAD_WR4-4B_0123456.CSV or FTP_WR4X-4BX_0000012345_1Q2014.CSV");
    QTest::newRow("upload, original") << reportName << "O" << QStringList();
    QTest::newRow("FTP, amended, TPAID, sequence number") << "FTP_WR4X-4BX_0000012345_1Q2014.CSV"
                                                          << "A" << QStringList();
    QTest::newRow("no filing type known") << "FTP_WR4-4B_0123456.CSV"
                                          << "" << QStringList();
    QTest::newRow("amended name, original file")
        << "FILEUPLOAD_WR4X-4BX_0123456.CSV"
        << "O" << warning("the name is for an Amended filing, but the A record's filing type is O");
    QTest::newRow("original name, amended file")
        << "FTP_WR4-4B_0123456.CSV"
        << "A"
        << warning("the name is for an Original filing, but the A record's filing type is A");
    QTest::newRow("six-digit account") << "FILEUPLOAD_WR4-4B_012345.CSV"
                                       << "O" << warning(NamingRules::accountNumber(u"012345"));
    QTest::newRow("TPAID with a letter") << "FTP_WR4-4B_000001234X.CSV"
                                         << "O" << warning(NamingRules::tpaid(u"000001234X"));
    QTest::newRow("sequence number with a hyphen")
        << "FTP_WR4-4B_0123456_1-2.CSV"
        << "O" << warning(NamingRules::sequenceNumber(u"1-2"));
    QTest::newRow("sequence number in lower case")
        << "FTP_WR4-4B_0123456_1q2014.CSV"
        << "O"
        << warning("FTP_WR4-4B_0123456_1q2014.CSV is not the name the naming screen gives: "
                   "FTP_WR4-4B_0123456_1Q2014.CSV");
    QTest::newRow("the working file") << "testFile.TXT"
                                      << "O" << warning("testFile.TXT" + notAName);
    QTest::newRow("lower-case extension") << "FTP_WR4-4B_0123456.csv"
                                          << "O" << warning("FTP_WR4-4B_0123456.csv" + notAName);
}

void CheckTest::fileName_warnings()
{
    QFETCH(QString, name);
    QFETCH(QString, filingType);
    QFETCH(QStringList, warnings);
    QStringList list;
    for (const Finding &finding : checkReportFileName(name, filingType))
        list << shown(finding);
    QCOMPARE(list, warnings);
}

void CheckTest::severalFaults_allReportedInLineAndFieldOrder()
{
    QByteArray bytes = fileBytes(screensRecords());
    bytes.replace(",8005551234,", ",800-555-1234,")
        .replace(",123456789,O'NEIL,", ",12345678X,ONEIL',")
        .replace(",223456789,", ",000456789,")
        .replace(",500000,400000,7 , , ", ",400000,400000,7 , ,")
        .replace("S,7654321  ,323456789,GARCIA,ANA,,250000,250000,14,",
                 "S,0123456  ,323456789,GARCIA,ANA,,250000,250000,15,");
    bytes += "S,7654321  ,423456789,LEE,AL,,1,1,1, , , \r\n";
    const FileReport report = check(bytes, QStringLiteral("FTP_WR4X-4BX_0123456.CSV"));
    const QStringList expected{
        "0:FILE NAME: warning: the name is for an Amended filing, but the A record's filing type "
        "is O",
        "1:CONTACT PHONE NUMBER: error: CONTACT PHONE NUMBER must be 10 digits long",
        "2:GROSS WAGES: warning: GROSS WAGES 1500000 is not the sum of the account's 2 S "
        "records' gross wages, 1400000",
        "3:SSN: error: Employee SSN  must only contain the digits 0 to 9.",
        "3:LAST NAME: error: EMPLOYEE LAST NAME - spaces around the apostrophe not allowed.  "
        "Must be like O'Connell.",
        "4:SSN: warning: SSN 000456789 cannot have been issued: no SSN begins with 000",
        "4:RESERVED: error: field 11 is reserved and must be a single space",
        "5:EMPLOYEES MONTH 3: warning: 1 covered employee in the third month, but 2 S records in "
        "the account",
        "6:ACCOUNT NUMBER: error: ACCOUNT NUMBER must be the account number of the E record on "
        "line 5 followed by two spaces, \"7654321  \"",
        "6:CREDIT WEEKS: error: EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive.",
        "7:line: error: 12 fields, 11 expected",
    };
    QCOMPARE(shown(report), expected);
    QCOMPARE(report.errors, 7);
    QCOMPARE(report.warnings, 4);
    // The S record with a field too many still counts, but its account is not summed.
    QCOMPARE(report.accounts.size(), 2);
    QCOMPARE(report.accounts[1].employees, 2);
    QCOMPARE(report.accounts[1].employeeGrossWages, QString());
    QCOMPARE(report.accounts[1].employeeTaxableWages, QString());
}

void CheckTest::wagesBeyondMachineIntegers_addUpExactly()
{
    QString wage = QStringLiteral("500000000000000000"); // twice that is 10^18 exactly
    const auto records = [&wage](const QString &total) {
        return QStringList{
            Records::aLine("O", "Mary Smith", "mary@example.com", "8005551234", ""),
            Records::eLine("0123456", "123456789", "22014", "2", "2", "2", total, "0", total, "0"),
            Records::sLine("0123456", "123456789", "A", "B", "", wage, wage, "13"),
            Records::sLine("0123456", "223456789", "C", "D", "", wage, wage, "13"),
        };
    };
    QCOMPARE(shown(check(fileBytes(records("1000000000000000000")))), QStringList());

    wage = QStringLiteral("99999999999999999999"); // 20 digits, above 2^64
    const FileReport exact = check(fileBytes(records("199999999999999999998")));
    QCOMPARE(shown(exact), QStringList());
    QCOMPARE(exact.accounts[0].employeeGrossWages, QStringLiteral("199999999999999999998"));

    const FileReport offByOne = check(fileBytes(records("0199999999999999999999")));
    QCOMPARE(shown(offByOne),
             (QStringList{"2:GROSS WAGES: warning: GROSS WAGES 0199999999999999999999 is not the "
                          "sum of the account's 2 S records' gross wages, 199999999999999999998",
                          "2:TAXABLE WAGES: warning: TAXABLE WAGES 0199999999999999999999 is not "
                          "the sum of the account's 2 S records' taxable wages, "
                          "199999999999999999998"}));
}

void CheckTest::largeFile_linesNumberedAcrossPieces()
{
    // Some 2.6 MB: more than one piece of reading, each checked in two halves.
    const int employees = 40000;
    QStringList records{Records::aLine("A", "Pat Payroll", "pat@example.com", "8005551234", "")};
    qint64 gross = 0;
    for (int i = 0; i < employees; ++i) {
        // Area 100, groups from 01, serials from 0001: all can have been issued.
        const QString ssn =
            i == 20000 ? QStringLiteral("12345678X")
            : i == employees - 1
                ? QStringLiteral("100010001")
                : QString::number(100000000 + (1 + i / 9000) * 10000 + 1 + i % 9000);
        records << Records::sLine("0000001", ssn, "SMITH", "JO", "", QString::number(1000 + i), "0",
                                  "13");
        gross += 1000 + i;
    }
    records.insert(1, Records::eLine("0000001", "123456789", "32014", "1", "1",
                                     QString::number(employees), QString::number(gross), "0", "0",
                                     "0"));
    const FileReport report =
        check(fileBytes(records), QStringLiteral("FILEUPLOAD_WR4X-4BX_0000001.CSV"));
    QCOMPARE(shown(report),
             (QStringList{"20003:SSN: error: " + EmployeeRules::ssn(u"12345678X"),
                          "40002:SSN: warning: SSN 100010001 is already on line 3 in this "
                          "account"}));
    QCOMPARE(report.lines, employees + 2);
    QCOMPARE(report.sRecords, employees);
    QCOMPARE(report.accounts[0].employeeGrossWages, QString::number(gross));
}

void CheckTest::lineLongerThanAPiece_checkedWhole()
{
    QStringList records = screensRecords();
    records[0] = Records::aLine("O", QString(1200000, u'x'), "mary@example.com", "8005551234", "");
    QCOMPARE(shown(check(fileBytes(records))),
             QStringList{"1:CONTACT NAME: error: CONTACT NAME too long must only be 50 characters "
                         "long"});
}

void CheckTest::exitStatusesAndOutput()
{
    const QString clean = write(fileBytes(screensRecords()));
    QByteArray warned = fileBytes(screensRecords());
    write(warned.replace(",3,4,2,", ",3,4,3,"), QStringLiteral("FTP_WR4-4B_0123456.CSV"));
    QByteArray wrong = fileBytes(screensRecords());
    write(wrong.replace(",13, , \r\n", ",15, , \r\n"), QStringLiteral("FTP_WR4-4B_7654321.CSV"));

    QProcess *p = run({reportName});
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    QCOMPARE(p->exitCode(), 0);
    QCOMPARE(p->readAllStandardOutput(),
             QByteArray("FILEUPLOAD_WR4-4B_0123456.CSV: account 0123456 (line 2): 2 employees; "
                        "gross wages 1500000, S records' sum 1500000; taxable wages 1000000, S "
                        "records' sum 1000000\n"
                        "FILEUPLOAD_WR4-4B_0123456.CSV: account 7654321 (line 5): 1 employee; "
                        "gross wages 250000, S records' sum 250000; taxable wages 250000, S "
                        "records' sum 250000\n"
                        "FILEUPLOAD_WR4-4B_0123456.CSV: 2 accounts, 3 employees, 6 lines: 0 "
                        "errors, 0 warnings\n"));

    p = run({"FTP_WR4-4B_0123456.CSV"});
    QCOMPARE(p->exitCode(), 0); // warnings alone
    QVERIFY(p->readAllStandardOutput().contains(": 0 errors, 1 warning\n"));

    p = run({"FTP_WR4-4B_7654321.CSV", reportName});
    QCOMPARE(p->exitCode(), 1);
    const QByteArray out = p->readAllStandardOutput();
    QVERIFY(out.startsWith("FTP_WR4-4B_7654321.CSV:3:CREDIT WEEKS: error: EMPLOYEE CREDIT WEEKS "
                           "must be numeric between 0 and 14 inclusive.\n"));
    QVERIFY(out.endsWith("FILEUPLOAD_WR4-4B_0123456.CSV: 2 accounts, 3 employees, 6 lines: 0 "
                         "errors, 0 warnings\n"));

    // A file that cannot be read: the others are still checked.
    p = run({"missing.CSV", reportName});
    QCOMPARE(p->exitCode(), 2);
    QVERIFY(p->readAllStandardError().startsWith("tavo-check: cannot read missing.CSV: "));
    QVERIFY(p->readAllStandardOutput().endsWith(": 0 errors, 0 warnings\n"));
    p = run({QDir::tempPath()});
    QCOMPARE(p->exitCode(), 2);

    p = run({"--help"});
    QCOMPARE(p->exitCode(), 0);
    QVERIFY(p->readAllStandardOutput().startsWith("Usage: tavo-check [--json] FILE...\n"));
    for (const QStringList &arguments : {QStringList{}, QStringList{"--frobnicate", reportName}}) {
        p = run(arguments);
        QCOMPARE(p->exitCode(), 2);
        QVERIFY(p->readAllStandardOutput().isEmpty());
        QVERIFY(p->readAllStandardError().contains("Usage: tavo-check"));
    }
    QVERIFY(QFileInfo(clean).size() == fileBytes(screensRecords()).size()); // only read
}

void CheckTest::json_carriesTheSameFindings()
{
    QByteArray bytes = fileBytes(screensRecords());
    bytes.replace(",8005551234,", ",800-555-1234,").replace(",3,4,2,", ",3,4,3,");
    const QString path = write(bytes);
    const FileReport report = checkReportFile(path);
    QCOMPARE(report.findings.size(), 2);

    QProcess *p = run({"--json", reportName, "missing.CSV"});
    QCOMPARE(p->exitCode(), 2);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(p->readAllStandardOutput(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject all = document.object();
    QCOMPARE(all["errors"].toInt(), 1);
    QCOMPARE(all["warnings"].toInt(), 1);
    const QJsonArray files = all["files"].toArray();
    QCOMPARE(files.size(), 2);
    const QJsonObject file = files[0].toObject();
    QCOMPARE(file["file"].toString(), reportName);
    QCOMPARE(file["lines"].toInt(), 6);
    QCOMPARE(file["records"].toObject()["S"].toInt(), 3);
    const QJsonArray findings = file["findings"].toArray();
    QCOMPARE(findings.size(), report.findings.size());
    for (int i = 0; i < findings.size(); ++i) {
        const QJsonObject finding = findings[i].toObject();
        const Finding &expected = report.findings[i];
        QCOMPARE(finding["line"].toInteger(), expected.line);
        QCOMPARE(finding["field"].toString(), QString::fromLatin1(expected.field));
        QCOMPARE(finding["severity"].toString(),
                 QString::fromLatin1(expected.severity == Severity::Error ? "error" : "warning"));
        QCOMPARE(finding["message"].toString(), expected.message);
    }
    const QJsonObject account = file["accounts"].toArray()[0].toObject();
    QCOMPARE(account["account"].toString(), QStringLiteral("0123456"));
    QCOMPARE(account["employees"].toInt(), 2);
    QCOMPARE(account["employeeGrossWages"].toString(), QStringLiteral("1500000"));
    QCOMPARE(files[1].toObject()["file"].toString(), QStringLiteral("missing.CSV"));
    QVERIFY(!files[1].toObject()["readError"].toString().isEmpty());
}

QTEST_GUILESS_MAIN(CheckTest)
#include "tst_check.moc"
