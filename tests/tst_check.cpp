// tavo-check on a report as the screens write it and on faulty ones, some under names the naming
// screen does not give: every finding at its line and field with its exact message, in order; then
// the built program's exit statuses and JSON.

#include "recordproperties.h"
#include "rules/calendar.h"
#include "rules/records.h"
#include "rules/reportreader.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonValue>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The A record, account 0123456 with two employees (lines 2 to 4) and account 7654321 with one
// (lines 5 and 6).
const QByteArray good = "A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n"
                        "E,0123456,123456789,22026,3,4,2,1500000,10500,1000000,36000\r\n"
                        "S,0123456  ,123456789,O'NEIL,MARY,,1000000 ,600000,13, , \r\n"
                        "S,0123456  ,223456789,SMITH-JONES,JOHN,Q,500000,400000,7 , , \r\n"
                        "E,7654321,987654321,12026,1,1,1,250000,0,250000,9000\r\n"
                        "S,7654321  ,323456789,GARCIA,ANA,,250000,250000,14, , \r\n";

// The report with one field of one line (both counted from 1) replaced.
static QByteArray withField(int line, int field, const QByteArray &value)
{
    QList<QByteArray> lines = good.split('\n');
    QList<QByteArray> fields = lines[line - 1].split(',');
    fields[field - 1] = value + (field == 11 ? "\r" : "");
    lines[line - 1] = fields.join(',');
    return lines.join('\n');
}

// A finding as the checker's text output shows it after the file name: an error, or a warning.
static QString e(qint64 line, const QString &field, const QString &text, const char *kind = "error")
{
    return QStringLiteral("%1:%2: %3: %4").arg(QString::number(line), field, kind, text);
}
static QString w(qint64 line, const QString &field, const QString &text)
{
    return e(line, field, text, "warning");
}

class CheckTest : public QObject
{
    Q_OBJECT

private slots:
    // The employer screen offers the years 2019 to 2026.
    void initTestCase()
    {
        setToday([] { return QDate(2026, 12, 6); });
    }
    void faultyReport_findingsAtLineAndField_data();
    void faultyReport_findingsAtLineAndField()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, name);
        QStringList list;
        for (const Finding &f : readReportFile(write(bytes, name)).findings)
            list << e(f.line, f.field, f.message,
                      f.severity == Severity::Error ? "error" : "warning");
        QTEST(list, "findings");
    }

    // The built program: its text output with each account's sums, byte for byte (LF line ends on
    // Windows too), its exit statuses (a warning alone passes; a file it cannot read and wrong
    // arguments are 2) and its JSON.
    void builtProgram_outputExitStatusesAndJson()
    {
        write(good);
        write(withField(6, 9, "15").replace("223456789", "123456789"), "FTP_WR4-4B_7654321.CSV");
        const auto run = [this](const QStringList &arguments) {
            QProcess process;
            process.setWorkingDirectory(dir.path());
            process.start(QStringLiteral(TAVO_CHECK), arguments);
            return process.waitForFinished(30000)
                       ? std::pair{process.exitCode(), QString(process.readAllStandardOutput())}
                       : std::pair{-1, QString()};
        };
        QVERIFY(run({reportName})
                    .second.endsWith(reportName +
                                     ": 2 accounts, 3 employees, 6 lines: 0 errors, 0 warnings\n"));
        QCOMPARE(run({"FTP_WR4-4B_7654321.CSV"}).first, 1);
        for (const QStringList &wrong :
             {QStringList{"missing.CSV", reportName}, {"--frobnicate", reportName}, {}})
            QCOMPARE(run(wrong).first, 2);
        const QJsonDocument all =
            QJsonDocument::fromJson(run({"--json", "FTP_WR4-4B_7654321.CSV"}).second.toUtf8());
        const QJsonValue found = all["files"][0]["findings"][0];
        QCOMPARE(QString("%1 %2:%3: %4: %5")
                     .arg(all["errors"].toInt())
                     .arg(found["line"].toInt())
                     .arg(found["field"].toString(), found["severity"].toString(),
                          found["message"].toString()),
                 "1 4:SSN: warning: The SSN 123456789 is already entered for this account (O'NEIL "
                 "MARY, line 3).");
    }

private:
    QString write(const QByteArray &bytes, const QString &name = reportName)
    {
        QFile file(dir.filePath(name));
        if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }
    QTemporaryDir dir;
};

void CheckTest::faultyReport_findingsAtLineAndField_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("findings");
    const auto row = [](const char *tag, const QByteArray &bytes, const QStringList &findings,
                        const QString &name = reportName) {
        QTest::newRow(tag) << bytes << name << findings;
    };
    const auto fileName = [](const QString &message) { return w(0, "FILE NAME", message); };
    const QString aboveGross = "GROSS WAGES must be greater than or equal to TAXABLE WAGES",
                  middleName = "EMPLOYEE MIDDLE NAME  must only contain alphanumerics, apostrophe  "
                               "and hyphens. No spaces allowed.";
    // An E record's wages against its S records': GROSS or TAXABLE, the amount, the S records
    // counted with the wages' kind, and their sum.
    const QString notSum = "%1 WAGES %2 is not the sum of the account's %3 wages, %4",
                  cutShort = "; the file may be cut short";
    // Faults of the bytes, the fields (through their rules and entry boxes' lengths) and the
    // accounts (their sums, counts and SSNs), each at its line, in the order of the fields.
    row("bytes, fields and accounts",
        QByteArray(good)
                .replace(",3,4,2,1500000,", ",3,4,3,1500001,")
                .replace("O'NEIL,MARY,,1000000 ,600000,13, , \r\n",
                         "O'NEIL,MARY,\x7f,1000000 ,600000,13, , \n")
                .replace(",223456789,", ",123456789 ,")
                .replace(",9000\r\n", ",x\r\n")
                .replace(",323456789,GARCIA,ANA,,250000,250000,14,",
                         ",666456789,GARCIA,ANA,,250000,240000,014,") +
            "  \r\nX",
        {w(2, "EMPLOYEES MONTH 3",
           "3 covered employees in the third month, but 2 S records in the account" + cutShort),
         w(2, "GROSS WAGES", notSum.arg("GROSS", "1500001", "2 S records' gross", "1500000")),
         e(3, "line", "the line ends with LF alone, not CR LF"),
         e(3, "line", "byte 0x7f at column 35 is not printable ASCII"),
         e(3, "MIDDLE NAME", middleName),
         e(4, "SSN", "SSN has 10 characters; its entry box takes at most 9."),
         w(4, "SSN",
           "The SSN 123456789 is already entered for this account (O'NEIL MARY, line 3)."),
         w(5, "TAXABLE WAGES", notSum.arg("TAXABLE", "250000", "1 S record's taxable", "240000")),
         e(5, "EMPLOYER CONTRIBUTIONS",
           "EMPLOYER CONTRIBUTIONS must be numeric.  Enter wages, excluding the decimal point, ie "
           "$1234.56 wages should be entered as 123456."),
         w(6, "SSN", "SSN 666456789 cannot have been issued: no SSN begins with 666"),
         e(6, "CREDIT WEEKS", "CREDIT WEEKS has 3 characters; its entry box takes at most 2."),
         e(7, "line", "blank line"), e(8, "line", "the last line has no CR LF line end" + cutShort),
         e(8, "RECORD TYPE", "record type \"X\" is none of A, E and S")});
    // Partner fields, a byte order mark, an S record's account number and then its SSN, under a
    // name the naming screen gives otherwise, for the other filing type.
    row("partner fields, a byte order mark, S account and SSN, the name's case and filing type",
        "\xEF\xBB\xBF" + withField(3, 8, "2000000")
                             .replace("S,7654321  ,323456789,", "S,7654321 ,32345678,")
                             .replace(",3,4,2,", ",3,4,1,"),
        {fileName("FILEUPLOAD_WR4X-4BX_0123456_1q.CSV is not the name the naming screen gives: "
                  "FILEUPLOAD_WR4X-4BX_0123456_1Q.CSV"),
         fileName("the name is for an Amended filing, but the A record's filing type is O"),
         e(1, "line",
           "the file begins with a byte order mark (EF BB BF); TAVO takes single-byte text without "
           "one"),
         w(2, "EMPLOYEES MONTH 3",
           "1 covered employee in the third month, but 2 S records in the account"),
         w(2, "TAXABLE WAGES", notSum.arg("TAXABLE", "1000000", "2 S records' taxable", "2400000")),
         e(3, "GROSS WAGES", aboveGross), e(3, "TAXABLE WAGES", aboveGross),
         e(6, "ACCOUNT NUMBER",
           "ACCOUNT NUMBER must be the account number of the E record on line 5 followed by two "
           "spaces, \"7654321  \""),
         e(6, "SSN", "Employee SSN  must be 9 digits long.")},
        "FILEUPLOAD_WR4X-4BX_0123456_1q.CSV");
    // The layout: one A record first, eleven fields, S records after their E record; an A record
    // out of place has its findings in field order.
    row("A record not first, a second and a third one, twelve fields",
        good.mid(good.indexOf("E,7654321")).replace(",1,1,1,", ",1,1,2,") +
            "A,X,Jo,x~,1,, , , ,x, \r\n" + QByteArray(good).replace(",13, , \r\n", ",13, , ,\r\n") +
            good.left(good.indexOf('\n') + 1),
        {e(1, "RECORD TYPE", "the file must begin with the A record"),
         w(1, "EMPLOYEES MONTH 3",
           "2 covered employees in the third month, but 1 S record in the account" + cutShort),
         e(3, "RECORD TYPE", "the A record must be the first line"),
         e(3, "FILING TYPE", "FILING TYPE must be O (Original) or A (Amended)"),
         e(3, "CONTACT EMAIL", "CONTACT EMAIL must be a valid email address format"),
         e(3, "CONTACT PHONE NUMBER", "CONTACT PHONE NUMBER must be 10 digits long"),
         e(3, "RESERVED", "field 10 is reserved and must be a single space"),
         e(4, "RECORD TYPE", "a second A record: a file holds one A record"),
         e(6, "line", "12 fields, 11 expected"),
         w(8, "ACCOUNT NUMBER", "account 7654321 appears again (first at line 1)"),
         e(10, "RECORD TYPE", "a second A record: a file holds one A record")});
    // An account filed twice, with years the employer screen does not offer in December 2026.
    const QString notOffered = "QUARTER-YEAR %1: the year must be one the employer screen offers, "
                               "2019 to 2026";
    row("an account twice, years not offered",
        withField(2, 4, "22018").replace("7654321", "0123456").replace("12026", "12027"),
        {w(2, "QUARTER-YEAR", notOffered.arg("22018")),
         w(5, "ACCOUNT NUMBER", "account 0123456 appears again (first at line 2)"),
         w(5, "QUARTER-YEAR", notOffered.arg("12027"))});
    // A second A record of the other filing type changes nothing of the name's check.
    row("a second A record of the other type",
        good + "A,A,Mary Smith,mary@example.com,8005551234,, , , , , \r\n",
        {e(7, "RECORD TYPE", "a second A record: a file holds one A record")});
    row("a tab", QByteArray(good).replace("MARY,,1000000", "MARY,\t,1000000"),
        {e(3, "line", "byte 0x09 at column 35 is not printable ASCII"),
         e(3, "MIDDLE NAME", middleName)});
    // Bytes that are not single-byte text, "A," in UTF-16 without its mark: one finding for the
    // file, none of its lines (the import's test has the others).
    row("UTF-16 without its mark", QByteArray("A\0,\0", 4),
        {e(0, "file",
           "The file is UTF-16 text, as a spreadsheet saves \"Unicode text\". Save it "
           "as CSV (comma-separated values) and use that file instead.")});
    // Files without records or accounts, under names the naming screen does not give.
    row("no E record, a short account number in the name", good.left(good.indexOf('\n') + 1),
        {fileName("ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros."),
         e(0, "RECORD TYPE", "the file holds no E record: a report has at least one account")},
        "FILEUPLOAD_WR4-4B_012345.CSV");
    row("no account number before the sequence number", good,
        {fileName("ACCOUNT NUMBER must not be blank.")}, "FILEUPLOAD_WR4-4B__1Q.CSV");
    row("no record, no report name", QByteArray(),
        {e(0, "line", "the file holds no record"),
         fileName("report.csv is not a report file name; the naming screen gives names such as "
                  "FILEUPLOAD_WR4-4B_0123456.CSV or FTP_WR4X-4BX_0000012345_1Q2014.CSV")},
        "report.csv");
    const QString sFirst =
        "an S record before any E record: employees follow the E record of their account";
    row("S record first", good.mid(good.indexOf("S,")),
        {e(1, "RECORD TYPE", "the file must begin with the A record"), e(1, "RECORD TYPE", sFirst),
         e(2, "RECORD TYPE", sFirst)});
    // SSNs at the edges of those that cannot have been issued, and widely misused ones: each on
    // line 3, none found for one that can have been.
    const QString never = "cannot have been issued: ";
    for (const auto &[ssn, why] :
         {std::pair{"000456789", never + "no SSN begins with 000"},
          {"001456789", ""},
          {"665456789", ""},
          {"666456789", never + "no SSN begins with 666"},
          {"666000001", never + "no SSN begins with 666"}, // the area before the group
          {"667456789", ""},
          {"899456789", ""},
          {"900456789", never + "no SSN begins with 900"},
          {"223006789", never + "its group number (digits 4 and 5) is 00"},
          {"223016789", ""},
          {"323450000", never + "its serial number (digits 6 to 9) is 0000"},
          {"323450001", ""},
          {"078051120", "is a widely misused number that belongs to no employee"},
          {"219099999", "is a widely misused number that belongs to no employee"}})
        row(qPrintable(QString("SSN %1").arg(ssn)), withField(3, 3, ssn),
            why.isEmpty() ? QStringList()
                          : QStringList{w(3, "SSN", "SSN " + QString(ssn) + ' ' + why)});
    row("wages beyond machine integers",
        withField(2, 8, "0100000000000000000000").replace("1000000 ,", "99999999999999999999,"),
        {e(2, "GROSS WAGES", "GROSS WAGES has 22 characters; its entry box takes at most 13."),
         w(2, "GROSS WAGES",
           notSum.arg("GROSS", "0100000000000000000000", "2 S records' gross",
                      "100000000000000499999")),
         e(3, "GROSS WAGES", "GROSS WAGES has 20 characters; its entry box takes at most 12.")});
    // Amounts at the longest their boxes take, and one past.
    row("amounts at their boxes' lengths",
        withField(2, 8, "0000001500000").replace("1000000 ,", "000001000000,"), {});
    row("amounts one past their boxes' lengths",
        withField(2, 8, "00000001500000").replace("1000000 ,", "0000001000000,"),
        {e(2, "GROSS WAGES", "GROSS WAGES has 14 characters; its entry box takes at most 13."),
         e(3, "GROSS WAGES", "GROSS WAGES has 13 characters; its entry box takes at most 12.")});
}

QTEST_GUILESS_MAIN(CheckTest)
#include "tst_check.moc"
