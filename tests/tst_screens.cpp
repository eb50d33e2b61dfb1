// The screens: their wiring, from a table of each screen's fields (a wrong entry shows its message
// in its own label and paints its own box, and no other; one press with every entry wrong marks
// them all; put right, the next press clears the marks and goes on), their boxes' lengths and tab
// orders, the few things a screen does beside its rules, and what the keyboard and the window
// frame can do to a filing: no key press or closing of a window may lose records, throw a finished
// filing away or write something the screen does not show. Whole filings with scripted answers:
// the questions in the order asked, the records on disk byte for byte, the report file, and what
// tavo-check makes of it. And the real dialogs.

#include "app/neededroutines.h"
#include "filingrun.h"
#include "rules/reportreader.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace
{
const QString hint = "Enter wages, excluding the decimal point, ie $1234.56 wages should be "
                     "entered as 123456.",
              closeProgram = "Are you sure you want to close the program?";

// A field of a screen: its box or list, its length, a valid entry and a wrong one, the error label
// where the wrong one's message shows, the message, and the entry painted yellow when it is not the
// box itself ("-": none, as the naming screen's lists).
struct Field {
    const char *box;
    int length; // the most the box takes (0: no limit of its own; -1: a list, or not checked here)
    const char *valid, *wrong, *label;
    QString message;
    const char *painted = nullptr;
};
struct Screen {
    const char *button;
    QList<Field> fields;
    const char *tabOrder;
};
const Screen screens[] = {
    {"cmdCreateALine",
     {{"lstReportingTypeCode", -1, "O", "O", nullptr, ""},
      {"txtContactName", 0, "Mary Smith", "Mary.Smith", "lblContactNameError",
       "CONTACT NAME must only contain alphanumerics, apostrophe, space and hyphen."},
      {"txtContactEmail", 0, "mary@example.com", "mary@example", "lblEmailError",
       "CONTACT EMAIL must be a valid email address format"},
      {"txtContactPhone", 0, "8005551234", "800555123", "lblContactPhoneError",
       "CONTACT PHONE NUMBER must be 10 digits long"},
      {"txtPhoneExt", 0, "", "12a", "lblphoneExtError",
       "CONTACT PHONE EXTENSION must only contain the digits 0 to 9."}},
     "cmdCreateALine cmdEnd lstReportingTypeCode txtContactName txtContactEmail txtContactPhone "
     "txtPhoneExt cmdResumeReport cmdFromPreviousReport"},
    {"cmdCreateELine",
     {{"lstQuarter", -1, "22026", "2", "lblQuarterYear_errorMessage",
       "You must select a YEAR for this filing.", "lstYear"},
      {"txtEAN", 7, "0123456", "012345", "lblEAN_errorMessage",
       "ACCOUNT NUMBER must be 7 digits long.  Please include leading zeros."},
      {"txtFEIN", 0, "123456789", "12345678O", "lblFEINError",
       "FEIN must only contain the digits 0 to 9."},
      {"txtFirstMonth", 5, "3", "3.0", "lblFirstMonth_errorMessage",
       "NUMBER OF EMPLOYEES for the first month must be numeric"},
      {"txtSecondMonth", 5, "4", "", "lblSecondMonth_errorMessage",
       "NUMBER OF EMPLOYEES  for the second month must not be blank."},
      {"txtThirdMonth", 5, "4", "x", "lblThirdMonth_errorMessage",
       "NUMBER OF EMPLOYEES  for the third month must be numeric"},
      {"txtGrossWages", 13, "1500000", "12.50", "txtGrossWages_errorMessage",
       "GROSS WAGES must be numeric. " + hint},
      {"txtEmployeeWithholding", 13, "10500", "1,0", "txtEmployeeWithholding_errorMessage",
       "EMPLOYEE WITHHOLDING must be numeric.  " + hint},
      {"txtTaxableWages", 13, "1000000", "$10", "txtTaxableWages_errorMessage",
       "TAXABLE WAGES must be numeric. " + hint},
      {"txtEmployerContributions", 13, "36000", "1e3", "txtEmployerContributions_errorMessage",
       "EMPLOYER CONTRIBUTIONS must be numeric.  " + hint}},
     "cmdCreateELine lstPreviousAccounts lstQuarter lstYear txtEAN txtFEIN txtFirstMonth "
     "txtSecondMonth txtThirdMonth txtGrossWages txtEmployeeWithholding txtTaxableWages "
     "txtEmployerContributions"},
    {"cmdAddEmployee",
     {{"txtSSN", 9, "123456789", "12345678", "lblSSN_errorMesage",
       "Employee SSN  must be 9 digits long."},
      {"txtEmpLastName", 25, "O'NEIL", "O NEIL", "lblEmpLastName_errorMessage",
       "EMPLOYEE LAST NAME  must only contain alphanumerics, apostrophe and hyphens. No spaces "
       "allowed."},
      {"txtEmpFirstName", 15, "MARY", "", "lblEmpFirstName_errorMessage",
       "EMPLOYEE FIRST NAME in S line must not be blank. "},
      {"txtEmployeeMiddleName", 15, "", "Q.", "lblEmployeMiddleName_errorMessage",
       "EMPLOYEE MIDDLE NAME  must only contain alphanumerics, apostrophe  and hyphens. No "
       "spaces allowed."},
      {"txtEmployeeGrossWages", 12, "250000", "10.00", "lblEmployeeGrossWages_errorMessage",
       "GROSS WAGES must be numeric. " + hint},
      {"txtEmpTaxableWages", 12, "100000", "ten", "lblEmpTaxableWages_errorMessage",
       "TAXABLE WAGES must be numeric.  " + hint},
      {"txtEmployeeCreditWeek", 2, "13", "15", "lblEmployeeCreditWeek_errorMessage",
       "EMPLOYEE CREDIT WEEKS must be numeric between 0 and 14 inclusive."}},
     "txtSSN txtEmpLastName txtEmpFirstName txtEmployeeMiddleName txtEmployeeGrossWages "
     "txtEmpTaxableWages txtEmployeeCreditWeek cmdAddEmployee cmdImportEmployees "
     "cmdReviewEmployees cmdFillFromPrevious cmdSaveTemplate"},
    {"cmdNameFile",
     {{"lstEmployeOrTPA", -1, "Employer", "", "employerOrTPA_errorMessage",
       "You must select either Employer or TPAID", "-"},
      {"lstFTPorUPLOAD", -1, "FTP", "", "lblFTPorUPLOAD_errorMessage",
       "You must select either File Upload or FTP", "-"},
      {"EAN_TPAID", -1, "0123456", "012345", "lblEANorTPAIDerrorMessage",
       "ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros."},
      {"txtSequenceNumber", -1, "", "1Q-2014", "lblSequenceNumber_errorMessage",
       "SEQUENCE NUMBER must be alphanumerics"}},
     "EAN_TPAID lstEmployeOrTPA txtSequenceNumber cmdNameFile lstFTPorUPLOAD"}};

// The questions on the way.
const auto account = "Add an additional VL Unemployment Compensation tax account to this file?",
           any = "Do you have any employees to report?", another = "Add an additional employee?";
// The notices: the report made, and its name already taken.
const QString closing = "File named %1 has been created. This CSV file will be stored in the same "
                        "location where this program is located.  The program is now closing\u2026",
              taken = "The file name = %1.  you selected already exists please name the file again";

// Up with nothing typed and nothing chosen: how a screen comes back for the next employee or
// account, or the naming screen for another name.
bool isUpEmptied(QWidget &screen)
{
    qsizetype entered = 0;
    for (QLineEdit *box : screen.findChildren<QLineEdit *>())
        entered += box->text().size();
    for (QListWidget *list : screen.findChildren<QListWidget *>())
        entered += list->selectedItems().size();
    return screen.isVisible() && entered == 0;
}
} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    // A screen's entries wrong in one field (all of them for -1), its button pressed: each wrong
    // field's message in its own label and its own entry painted, no other; the press writes
    // nothing; put right, the next press clears every mark and goes on. With every message up the
    // screen still fits a laptop, and Tab follows the screen's order.
    void wiring_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("wrongField");
        for (const Screen &screen : screens)
            for (int field = -1; field < screen.fields.size(); ++field)
                if (field < 0 || screen.fields[field].label)
                    QTest::addRow("%s %d", screen.button, field) << int(&screen - screens) << field;
    }
    void wiring()
    {
        QFETCH(int, screen);
        QFETCH(int, wrongField);
        // The run brought to the screen, with the answers that lead away again, a previous
        // report remembered so that everything it adds to the screens shows too.
        FilingRun run;
        run.start();
        run.program->state.previousReport = {"last.CSV",
                                             *readReport(aRecord + eRecord + sRecord, {}).filing};
        if (screen > 0) {
            run.desktop.answers.append(QList<bool>{true, false, false}.mid(screen == 2 ? 0 : 1));
            run.acceptContact();
        }
        if (screen > 1) {
            run.enterAccount();
            QApplication::setActiveWindow(&run.form(3));
        }
        QWidget &form = run.form(screen);
        const Screen &s = screens[screen];
        // Error labels showing a text (red), and entries painted yellow with their accessible
        // descriptions.
        const auto marks = [&] {
            QStringList shown;
            for (QLabel *l : form.findChildren<QLabel *>())
                if (l->objectName().contains("rror") && !l->text().isEmpty())
                    shown << l->objectName() + (l->isVisible() ? ": " : " (hidden): ") + l->text() +
                                 (l->palette().windowText().color() == Qt::red ? "" : " (not red)");
            for (QWidget *entry : form.findChildren<QWidget *>())
                if ((entry->inherits("QLineEdit") || entry->inherits("QListWidget")) &&
                    isYellow(entry))
                    shown << entry->objectName() + " yellow: " + entry->accessibleDescription();
            shown.sort();
            return shown;
        };
        QStringList expected, got, tab;
        for (const Field &f : s.fields) {
            const bool wrong = wrongField < 0 || &f == &s.fields[wrongField];
            FilingRun::put(form, f.box, wrong ? f.wrong : f.valid);
            // Without a filer kind the number is not examined.
            if (!wrong || !f.label || (wrongField < 0 && QByteArray(f.box) == "EAN_TPAID"))
                continue;
            expected << f.label + QString(": ") + f.message;
            if (QByteArray(f.painted) != "-")
                expected << (f.painted ? f.painted : f.box) + QString(" yellow: ") + f.message;
        }
        expected.sort();
        const QByteArray old = run.workingFile();

        // The naming screen starts afresh after its notice, so the marks are taken while it is up,
        // with the notices shown so far; then its entries are emptied and its first list has the
        // focus for the next try.
        run.desktop.whileShowing = [&](const auto &) { got = marks() + run.desktop.notices(); };
        FilingRun::press(form, s.button);
        QCOMPARE(got, screen == 3 ? expected << "File name was bad please try naming it again."
                                  : QStringList());
        // The yellow stays on the naming screen, the descriptions go with the messages.
        QCOMPARE(marks(), screen == 3
                              ? expected.filter(" yellow: ")
                                    .replaceInStrings(QRegularExpression("yellow: .*"), "yellow: ")
                              : expected);
        QVERIFY(screen != 3 || (FilingRun::find<QLineEdit>(form, "EAN_TPAID")->text().isEmpty() &&
                                form.focusWidget() == FilingRun::find(form, "lstEmployeOrTPA")));
        // The press wrote nothing. With its messages up the screen still fits a laptop and its
        // entries, lists and buttons stay shown; typed text shows as text, no button is a default
        // one that Enter would press, every entry has a name for a screen reader, and Tab follows
        // the screen's order.
        QVERIFY(run.workingFile() == old && form.width() <= 1024 && form.height() <= 700);
        QVERIFY(form.layout()->totalHeightForWidth(form.width()) <= form.height());
        for (QWidget *w : form.findChildren<QWidget *>(QRegularExpression("^(lbl|txt|lst|cmd)")))
            QVERIFY2(w->isVisible() || w->inherits("QLabel"), qPrintable(w->objectName()));
        for (QLabel *l : form.findChildren<QLabel *>())
            QVERIFY(l->textFormat() == Qt::PlainText && (l->isVisible() || l->text().isEmpty()));
        QVERIFY(run.find(0, "lblUnfinished")->isHidden()); // nothing unfinished
        for (QPushButton *button : form.findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
        QWidget *stop = FilingRun::find(form, QByteArray(s.tabOrder).split(' ')[0]);
        for (auto *w = stop; tab.size() < 20 && (tab.isEmpty() || w != stop);
             w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) // an entry without a name for a screen reader: "?"
                tab << w->objectName() +
                           (w->accessibleName().isEmpty() && !w->inherits("QPushButton") ? "?"
                                                                                         : "");
        QCOMPARE(tab.join(' '), s.tabOrder);
        // Each box takes as many characters as the report's field has room for, and no more.
        for (const Field &f : s.fields)
            if (auto *entry = form.findChild<QLineEdit *>(f.box); f.length >= 0 && wrongField < 0) {
                entry->clear();
                QTest::keyClicks(entry, QString(f.length ? f.length + 1 : 400, u'1'));
                QCOMPARE(int(entry->text().size()), f.length ? f.length : 400);
            }

        // Put right, the next press clears every mark and the screen goes on.
        for (const Field &f : s.fields)
            FilingRun::put(form, f.box, f.valid);
        FilingRun::press(form, s.button);
        QCOMPARE(marks() + run.desktop.failures(), QStringList());
        QVERIFY(form.isHidden() &&
                (run.workingFile().size() > old.size() || run.exists(reportName)));
    }

    // One amended filing of three accounts with the detours a person may take: the version page
    // opened, Close Progam answered No, the filing type chosen again, the employer and employee
    // windows closed and answered No (the screen stays as it was), the lists picked with the
    // keyboard on the emptied employer screen, an SSN twice in an account, an account filed a
    // second time, the naming screen's prompts, lengths, sequence check and keys, and a report
    // name already taken. The questions in order, the screens up at each, the working file at each
    // (a run killed there keeps these bytes: every record is on the disk before the next
    // question), the report and tavo-check's verdict.
    void filingWithDetours_recordsOnDiskAtEachQuestion_reportPassesTavoCheck()
    {
        FilingRun run;
        QStringList screens;    // up while each question but Close Progam's was asked
        QByteArrayList written; // the working file then
        run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &box) {
            if (box.text != closeProgram)
                screens << run.visibleScreens().join(' '), written << run.workingFile();
        };
        run.start(true);
        QWidget &contact = run.form(0);
        QCOMPARE(contact.focusWidget(), run.find(0, "cmdEnd")); // Continue is not yet enabled
        QCOMPARE(run.desktop.shown.first().title + '\n' + run.desktop.shown.first().text,
                 "Create CSV File for TAVO - version 5\nYou are using version 5.\r\n\r\nPlease "
                 "check https://www.uc.veloria.gov/tavo/csv-tool to see if you have the latest "
                 "version.\r\r\nDo you want to open a browser window to this website?");
        QCOMPARE(run.desktop.openedPages, {QUrl("https://www.uc.veloria.gov/tavo/csv-tool")});
        run.desktop.answer({false});
        FilingRun::press(contact, "cmdEnd");
        FilingRun::put(contact, "lstReportingTypeCode", "O");
        FilingRun::put(contact, "lstReportingTypeCode", "A");
        run.acceptContact({"", "Mary O'Neil-Smith", "mary.smith@example.com", "8005551234", "42"});
        QWidget &employer = run.form(1), &employees = run.form(2);
        QCOMPARE(employer.focusWidget(), FilingRun::find(employer, "cmdCreateELine"));
        QCOMPARE(FilingRun::labelText(employer, "lblMessage"), "The filing type is AMENDED.");
        // A screen's window closed with a box marked, answered No: the screen stays as it was,
        // the mark and the focus kept.
        const auto closeAndStay = [&](QWidget &screen, const char *box, const char *button) {
            QWidget *entry = FilingRun::find(screen, box);
            FilingRun::put(screen, box, "12345");
            FilingRun::press(screen, button); // marks it
            entry->setFocus();
            run.desktop.answer({false});
            screen.close();
            QVERIFY(screen.isVisible() && isYellow(entry) && screen.focusWidget() == entry);
        };
        closeAndStay(employer, "txtEAN", "cmdCreateELine");
        // Each account's quarter-year, number, FEIN, employees of the three months and amounts.
        run.desktop.answer({false, true});
        run.enterAccount({"12024", "1111111", "123456789", "0", "0", "0", "0", "0", "0", "0"});
        QCOMPARE(FilingRun::labelText(employer, "lblMessage"),
                 "Just a reminder the type of filing for this file is AMENDED.\r\nAll account in "
                 "the file must be of the same type.");
        run.desktop.answer({true});
        run.enterAccount({"32025", "2222222", "123456789", "3", "4", "2", "1500000", "10500",
                          "1000000", "36000"});
        QCOMPARE(FilingRun::labelText(employees, "lblEANInfo"),
                 "Account Number: 2222222\r\nQuarter/Year: 3/2025\r\nFile Type: AMENDED");
        closeAndStay(employees, "txtSSN", "cmdAddEmployee");
        // The valid employee at half the second account's wages; the third account's has them all.
        const auto half = with(validEmployee, {"GROSS WAGES", "750000", "TAXABLE WAGES", "500000"});
        run.desktop.answer({true, false, false, true});
        run.enterEmployee(with(half, {"SSN", "323456789"}));
        QVERIFY(isUpEmptied(employees));
        // The same SSN again is asked about, No the default; No keeps the screen as it is.
        const auto second = with(half, {"LAST NAME", " SMITH-JONES ", "MIDDLE NAME", "Q"});
        run.enterEmployee(with(second, {"SSN", "323456789"}));
        QVERIFY(!run.desktop.shown.last().yesByDefault &&
                FilingRun::find<QLineEdit>(employees, "txtEmpLastName")->text() == " SMITH-JONES ");
        run.enterEmployee(with(second, {"SSN", "423456789"}));
        QVERIFY(isUpEmptied(employer));
        // Tab into each list, then Down: the way a user picks the second row of a list with the
        // keyboard. The list must have started afresh: nothing chosen, scrolled to the top, the
        // first row current once it has the focus. The year list holds this year and the seven
        // before it, newest first.
        QStringList years;
        for (auto *item : run.find<QListWidget>(1, "lstYear")->findItems("", Qt::MatchContains))
            years << item->text();
        QCOMPARE(years.join(' '), "2026 2025 2024 2023 2022 2021 2020 2019");
        for (const char *name : {"lstQuarter", "lstYear"}) {
            auto *list = run.find<QListWidget>(1, name);
            QApplication::setActiveWindow(&employer);
            QVERIFY(list->selectedItems().isEmpty() && list->verticalScrollBar()->value() == 0);
            list->setFocus(Qt::TabFocusReason);
            QCOMPARE(list->currentRow(), 0);
            QTest::keyClick(list, Qt::Key_Down);
            list->clearFocus(); // and back: the row chosen stays the current one
            list->setFocus(Qt::TabFocusReason);
            QCOMPARE(list->currentRow(), 1);
        }
        // The first account again, in the quarter and year picked with the keyboard: filed a
        // second time on Yes to a question whose default is No.
        run.desktop.answer({true, true, false, false});
        run.enterAccount(
            {"", "1111111", "123456789", "3", "4", "1", "1500000", "10500", "1000000", "36000"});
        QVERIFY(!run.desktop.shown[run.desktop.shown.size() - 2].yesByDefault);
        run.enterEmployee(with(half, {"GROSS WAGES", "1500000", "TAXABLE WAGES", "1000000"}));
        const QString ssnAgain = "The SSN 323456789 is already entered for this account (O'NEIL "
                                 "MARY). Add it a second time?",
                      accountAgain = "Account 1111111 is already in this filing. File it a second "
                                     "time?";
        QCOMPARE(run.desktop.questions().mid(1),
                 (QStringList{closeProgram, closeProgram, any, account, any, closeProgram, another,
                              ssnAgain, another, account, accountAgain, any, another, account}));
        // The screens up at each question, a bar between them.
        QCOMPARE(screens, QString("||||Form3|Form3|Form3|Form3|Form2||Form3|Form3").split('|'));
        QVERIFY(run.form(3).isModal());

        QWidget &naming = run.form(3);
        QApplication::setActiveWindow(&naming);
        auto *box = FilingRun::find<QLineEdit>(naming, "EAN_TPAID");
        QCOMPARE(naming.focusWidget(), box); // where it opens
        // Choosing a kind (kind|number kept|prompt) empties the box and asks for its number, in
        // its label and its name for a screen reader; the number is kept to its length.
        for (const QString &ask : {"TPA|0123456789|What is your TPAID? Enter all 10 digits "
                                   "including leading zeroes, excluding hyphen.",
                                   "Employer|0123456|Enter your 7 digit Veloria Unemployment "
                                   "Compensation Tax account number, without the dash."}) {
            FilingRun::type(box, "99");
            FilingRun::put(naming, "lstEmployeOrTPA", ask.section('|', 0, 0));
            QVERIFY(box->text().isEmpty() && QApplication::focusWidget() == box);
            QCOMPARE(FilingRun::labelText(naming, "lblEAN0rTPAID"), ask.section('|', 2));
            QTest::keyClicks(box, "0123456789012");
            QCOMPARE(box->text() + '|' + box->accessibleName(), ask.section('|', 1));
        }
        auto *sequence = FilingRun::find<QLineEdit>(naming, "txtSequenceNumber");
        auto *label = FilingRun::find<QLabel>(naming, "lblSequenceNumber_errorMessage");
        for (const char *typed : {"1Q 2014", "1q2014"}) {
            FilingRun::type(sequence, typed);
            QApplication::processEvents();
            QCOMPARE(QApplication::focusWidget(), sequence); // checked on leaving, not before
            QTest::mouseClick(box, Qt::LeftButton);
            QApplication::processEvents();
            QCOMPARE(QApplication::focusWidget(),
                     typed[2] == ' ' ? sequence : FilingRun::find(naming, "cmdNameFile"));
            QCOMPARE(label->isVisible() && isYellow(sequence), typed[2] == ' ');
        }
        QCOMPARE(label->text(), "Sequence Number must be alphanumerics.   You entered 1Q 2014 "
                                "Please try re-entering it.");
        for (QLineEdit *entry : {box, sequence})
            QTest::keySequence(entry, QKeySequence(Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape));
        QVERIFY(naming.isVisible() && sequence->text() == "1q2014" && !run.desktop.ended);
        QTest::keyClicks(sequence, "12345"); // kept to the box's length
        QCOMPARE(sequence->text(), "1q20141234");
        // A report of the name there already: replaced only after Yes; No keeps it and the
        // naming screen comes back emptied.
        const QString name = "FTP_WR4X-4BX_0000012345_Q4.CSV";
        run.write(name, "earlier\r\n");
        run.desktop.answer({false, true});
        const NamingEntries tpa{FilerKind::Tpa, FilingMethod::Ftp, "0000012345", "q4"};
        run.nameReport(tpa);
        QVERIFY(isUpEmptied(naming) && run.read(name) == "earlier\r\n");
        run.nameReport(tpa);
        QCOMPARE(run.desktop.questions().mid(15),
                 QStringList(2, "File with the name already exists, do you want to overwrite it?"));

        const QByteArray records =
            "A,A,Mary O'Neil-Smith,mary.smith@example.com,8005551234,42, , , , , \r\n"
            "E,1111111,123456789,12024,0,0,0,0,0,0,0\r\n"
            "E,2222222,123456789,32025,3,4,2,1500000,10500,1000000,36000\r\n"
            "S,2222222  ,323456789,O'NEIL,MARY,,750000,500000,13, , \r\n"
            "S,2222222  ,423456789,SMITH-JONES,MARY,Q,750000,500000,13, , \r\n"
            "E,1111111,123456789,22025,3,4,1,1500000,10500,1000000,36000\r\n"
            "S,1111111  ,123456789,O'NEIL,MARY,,1500000,1000000,13, , \r\n";
        QCOMPARE(run.read(name), records);
        const auto first = [&](int n) { return records.split('\n').mid(0, n).join('\n') + '\n'; };
        QCOMPARE(written, (QByteArrayList{"", first(2), first(2), first(3), first(4), first(4),
                                          first(5), first(5), first(5), first(6), first(7),
                                          first(7), records, records, records, ""}));
        // The working file took the replaced report's place.
        QCOMPARE(run.files(), QStringList{name});
        QCOMPARE(run.desktop.notices(), (QStringList{taken.arg(name), closing.arg(name)}));
        QVERIFY(run.desktop.ended && run.desktop.exitCode == 0);
        // tavo-check finds nothing but the account filed twice.
        const Report checked = readReportFile(run.path(name));
        QVERIFY(checked.readError.isEmpty() && checked.lines == 7 && checked.findings.size() == 1);
        QCOMPARE(checked.findings[0].message, "account 1111111 appears again (first at line 2)");
        // Printed to a file, the report's lines are drawn as text: 400 lines fill pages of at
        // least 20 lines each, one after the other.
        run.write("long.txt", QByteArray("line\r\n").repeated(400));
        run.desktop.printTo = run.path("long.pdf");
        run.desktop.answer({true});
        cNeededRoutines(*run.program).print_file("long.txt");
        const QByteArray pdf = run.read("long.pdf");
        const auto pages = pdf.count("/Type /Page\n");
        QVERIFY2(pdf.contains("/FontFile") && pages >= 2 && pages <= 20, qPrintable(pdf.left(99)));
    }

    // Where each way on from the employee screen leads, with its answers: the routine that asks
    // both questions at once (which no screen calls) back to the employee screen, to the employer
    // screen, or to the naming screen, whose closing ends the run without a report; closing the
    // screen; then on a new run's contact screen Close Progam and closing it (without a
    // question). Every record stays.
    void waysOn_theScreenEachLeadsTo()
    {
        const QList<QList<bool>> answers = {{true}, {false, true}, {false, false}, {true}, {true}};
        const QStringList left = {"Form3", "Form2", "FormNameFile", "ended", "ended", "ended"};
        for (int way = 0; way < 6; ++way) {
            FilingRun run;
            run.fileOneAccount({true, true}, 1);
            if (way == 0)
                run.form(1).show(), run.form(2).hide(); // doneAddingEmployees swaps them
            if (way >= 4)
                run.restart(), run.start();
            auto *type = run.find<QListWidget>(0, "lstReportingTypeCode");
            run.desktop.answers.append(answers.value(way));
            if (way < 3)
                cNeededRoutines(*run.program).doneAddingEmployees();
            else if (way == 4)
                FilingRun::press(run.form(0), "cmdEnd");
            else // its frame's close button: the employee screen, or the new run's contact screen
                (way == 3 ? static_cast<QWidget &>(run.form(2)) : *type->window()).close();
            QCOMPARE(run.visibleScreens().join("") + (run.desktop.ended ? "ended" : ""), left[way]);
            QCOMPARE(run.desktop.questions().last() == closeProgram, way == 3 || way == 4);
            QCOMPARE(type->selectedItems().isEmpty(), way == 2 || way >= 4);
            QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
            QVERIFY(way != 0 || run.find(2, "txtSSN")->isVisible());
            if (way == 2) { // the naming screen closed
                run.form(3).close();
                QVERIFY(run.desktop.ended && run.files() == QStringList{"testFile.TXT"});
            }
        }
    }

    // The real boxes (the keyboard end-to-end test answers them on a real display): no icon, Yes
    // the default, Escape for No, text as plain text; a notice the same way with OK; the findings
    // list, named for a screen reader, and its Close button.
    void realDialogs()
    {
        // Each box is looked at as soon as it is up, then answered with the key.
        const auto whenUp = [](const QString &text, auto icon, auto byDefault, Qt::Key key,
                               const QString &title = "A title") {
            QTimer::singleShot(0, [=] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box && box->icon() == icon && box->text() == text);
                QCOMPARE(box->windowTitle(), title);
                QCOMPARE(box->defaultButton(), box->button(byDefault));
                QCOMPARE(box->textFormat(), Qt::PlainText); // a name such as <u>a.csv as typed
                QTest::keyClick(box, key);
            });
        };
        whenUp("Add <u>an</u> additional employee?", QMessageBox::NoIcon, QMessageBox::Yes,
               Qt::Key_Escape);
        QVERIFY(!QtDesktop().ask("Add <u>an</u> additional employee?", "A title"));
        whenUp("Done.", QMessageBox::NoIcon, QMessageBox::Ok, Qt::Key_Return);
        QtDesktop().tell("Done.", "A title");
        whenUp("Error 5", QMessageBox::Critical, QMessageBox::Ok, Qt::Key_Return, "");
        QtDesktop().showFailure("Error 5");
        QTimer::singleShot(0, [] {
            auto *list = QApplication::activeModalWidget()->findChild<QPlainTextEdit *>();
            QVERIFY(list->isReadOnly() && !list->accessibleName().isEmpty());
            QCOMPARE(list->toPlainText(), "line 1, SSN: a\nline 2, line: b");
            QCOMPARE(list->window()->findChild<QLabel *>()->text(), "Nothing was imported.");
            QCOMPARE(list->window()->windowTitle(), "Import Employees");
            QTest::mouseClick(list->window()->findChild<QPushButton *>(), Qt::LeftButton);
        });
        QtDesktop().showFindings("Import Employees", "Nothing was imported.",
                                 {"line 1, SSN: a", "line 2, line: b"});
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
