// Employees imported from a spreadsheet file, all of them or none, and the running totals of the
// employee screen.

#include "employee/form3.h"
#include "filingrun.h"
#include "rules/csvreader.h"
#include "rules/employeeimport.h"
#include "rules/runningtotals.h"

#include <QLineEdit>
#include <QTest>

namespace
{
const QByteArray threeEmployees = "SSN,Last,First,Middle,Gross,Taxable,Weeks\r\n"
                                  "111-22-3333,LEE,ANN,,\"$4,000.00\",3000.00,13\r\n"
                                  "222334444,KIM,BO,J,400000,300000,1\r\n"
                                  "333445555,DOE,JO,,4500.00,3000.00,0\r\n";
const QString employerLine = "\nEmployer screen: 4 employees in the third month, gross wages "
                             "$15,000.00, taxable wages $10,000.00";
} // namespace

class ImportTest : public QObject
{
    Q_OBJECT

private slots:
    void readerSplitsLinesAndFields()
    {
        QStringList lines; // "N:field|field" or "N!fault"
        for (const CsvLine &line : readCsvLines("a,\"b,c\",\"d\"\"e\",\n\"\",x\r\n\r\n \t\nb\rc\n"
                                                "\"a\"b,c\n\"abc,d\n"))
            lines << QString::number(line.number) +
                         (line.fault.isEmpty() ? u':' + line.fields.join(u'|') : u'!' + line.fault);
        QCOMPARE(lines, (QStringList{"1:a|b,c|d\"e|", "2:|x", "5:b\rc",
                                     "6!Only a comma may follow a closing quotation mark.",
                                     "7!A quotation mark is not closed."}));
        QCOMPARE(readCsvLines("\xEF\xBB\xBFx,\xC3\xA9").value(0).fields,
                 (QStringList{"x", "\u00e9"}));
    }

    void importRecordsOrFindings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected"); // the S records, or else the findings
        QTest::newRow("converted, quoted, header and blank lines skipped")
            << QByteArray("\xEF\xBB\xBFssn,a,b,c,d,e,f\r\n\r\n123-45-6789,\"O'NEIL\",MARY,,"
                          "\"$1,234.56\",0.50,13\r\n987654321, SMITH ,JO,A,1500000,$0.00,07")
            << QStringList{"S,0123456  ,123456789,O'NEIL,MARY,,123456,50,13, , ",
                           "S,0123456  ,987654321,SMITH,JO,A,1500000,0,07, , "};
        // The findings of the fields carry the employee rules' own messages.
        const QString ssnLength = EmployeeRules::ssn(u"12345678");
        const QString gross = ", GROSS WAGES: " + EmployeeRules::grossWages(u"x", u"0");
        QTest::newRow("not converted: one decimal, a short group, dashes elsewhere, 8 digits")
            << QByteArray("12-345-6789,A,B,,1234.5,0,1\n12345678,A,B,,\"1,23.45\",0,1")
            << QStringList{"line 1, SSN: " + ssnLength, "line 1" + gross,
                           "line 2, SSN: " + ssnLength, "line 2" + gross};
        const QString above = EmployeeRules::grossWages(u"2", u"3");
        QTest::newRow("every finding at its line, in field order, nothing built")
            << QByteArray("123456789,A,B,,1,1,1\n\n1234567890,A,,,2,3,15\n1,2\n\"1,2")
            << QStringList{"line 3, SSN: " + ssnLength,
                           "line 3, FIRST NAME: " + EmployeeRules::firstName(u""),
                           "line 3, GROSS WAGES: " + above,
                           "line 3, TAXABLE WAGES: " + above,
                           "line 3, CREDIT WEEKS: " + EmployeeRules::creditWeeks(u"15"),
                           "line 4, line: 2 fields found, 7 expected: SSN, last name, first "
                           "name, middle name, gross wages, taxable wages, credit weeks.",
                           "line 5, line: A quotation mark is not closed."};
        QTest::newRow("an SSN twice in the file, one already written")
            << QByteArray("123456789,A,B,,1,1,1\n111111111,A,B,,1,1,1\n123-45-6789,C,D,,1,1,1")
            << QStringList{"line 2, SSN: SSN 111111111 has already been entered for this account.",
                           "line 3, SSN: SSN 123456789 stands twice in the file, first on line 1."};
    }
    void importRecordsOrFindings()
    {
        QFETCH(QByteArray, bytes);
        const auto result = EmployeeImport::importEmployees(bytes, "0123456", {"111111111"});
        QStringList got = result.records;
        for (const EmployeeImport::Finding &finding : result.findings)
            got << EmployeeImport::findingText(finding);
        QTEST(got, "expected");
        QCOMPARE(result.employees.size(), result.records.size());
    }

    // Two employees of 100 and 200 gross, 50 and 50 taxable, against the employer screen's
    // figures: they add up only when all three agree.
    void totalsAddUpOnlyWhenAllThreeAgree()
    {
        for (const auto &[employer, addUp] : {std::pair{QStringList{"02", "300", "100 "}, true},
                                              {QStringList{"3", "300", "100"}, false},
                                              {QStringList{"2", "301", "100"}, false},
                                              {QStringList{"2", "300", "99"}, false}}) {
            RunningTotals totals;
            totals.startAccount(employer[0], employer[1], employer[2]);
            totals.addEmployee(u"123456789", u"100", u"50");
            totals.addEmployee(u"123456780", u"200", u"50");
            QCOMPARE(totals.addUp(), addUp);
        }
    }

    void totalsAfterEmployeeFindingsImportAndNewAccount()
    {
        FilingRun run;
        run.fileOneAccount({true, true}, 1);
        Form3 &form = run.program->form3();
        const auto totals = [&form] { return FilingRun::labelText(form, "lblRunningTotals"); };
        QCOMPARE(totals(), "Entered for this account: 1 employee, gross wages $2,500.00, taxable "
                           "wages $1,000.00" +
                               employerLine);
        FilingRun::put(form, "txtSSN", "555");
        run.desktop.filesToOpen.enqueue(QString()); // Cancel
        FilingRun::press(form, "cmdImportEmployees");
        run.import(threeEmployees + "123456789,X,Y,,1,1,1\n"); // written by the screen already
        QCOMPARE(run.desktop.shown.last().kind, ScriptedDesktop::Kind::Findings);
        QCOMPARE(run.desktop.shown.last().title, "Import Employees");
        QCOMPARE(run.desktop.shown.last().text,
                 "line 5, SSN: SSN 123456789 has already been entered for this account.");
        const QByteArray head = aRecord + eRecord + sRecord;
        QCOMPARE(run.workingFile(), head);
        QCOMPARE(run.desktop.questions().size(), 3); // the version notice and two

        run.desktop.answer({false, true}); // no other employee, another account
        run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &shown) {
            if (shown.kind == ScriptedDesktop::Kind::Notice)
                QCOMPARE(run.program->numberOFEmployee, 4);
        };
        run.import(threeEmployees);
        run.desktop.whileShowing = nullptr;
        QCOMPARE(run.workingFile(), head + "S,0123456  ,111223333,LEE,ANN,,400000,300000,13, , \r\n"
                                           "S,0123456  ,222334444,KIM,BO,J,400000,300000,1, , \r\n"
                                           "S,0123456  ,333445555,DOE,JO,,450000,300000,0, , \r\n");
        QCOMPARE(run.desktop.notices(), QStringList{"3 employees were imported."});
        QCOMPARE(run.desktop.shown[run.desktop.shown.size() - 4].text,
                 "Spreadsheet files (*.csv *.CSV *.txt *.TXT);;All files (*)");
        QCOMPARE(run.desktop.questions().mid(3, 1), QStringList{"Add an additional employee?"});
        QCOMPARE(FilingRun::find<QLineEdit>(form, "txtSSN")->text(), "555");
        QCOMPARE(totals(), "Entered for this account: 4 employees, gross wages $15,000.00, "
                           "taxable wages $10,000.00" +
                               employerLine +
                               "\nThe employees add up to the employer screen's totals.");

        run.desktop.answer({true, false, false}); // employees for the next account, then no more
        run.enterAccount();
        QCOMPARE(totals(),
                 "Entered for this account: 0 employees, gross wages $0.00, taxable wages $0.00" +
                     employerLine);
        run.import("123456789,A,B,,$1.00,0.01,1"); // an SSN of the account before
        QCOMPARE(run.desktop.notices().last(), "1 employee was imported.");
        QVERIFY(totals().startsWith(
            "Entered for this account: 1 employee, gross wages $1.00, taxable wages $0.01\n"));
    }
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
