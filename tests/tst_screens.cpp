// The screens' wiring: a wrong entry shows its rule's message in its own label and paints its own
// box, and no other; one press with every entry wrong marks them all; put right, the next press
// clears the mark and moves on. Then the few things a screen does beside its rules.

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"
#include "rules/contactrules.h"
#include "rules/employeerules.h"
#include "rules/employerrules.h"
#include "rules/namingrules.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace
{

struct Entry {
    const char *name;
    QString text;
};

// Every entry of a screen, right.
QList<Entry> rightEntries(const QString &screen)
{
    if (screen == "Form1")
        return {{"lstReportingTypeCode", "Original"},
                {"txtContactName", "Mary Smith"},
                {"txtContactEmail", "mary@example.com"},
                {"txtContactPhone", "8005551234"},
                {"txtPhoneExt", ""}};
    if (screen == "Form2")
        return {{"lstQuarter", "2 = April to June"},
                {"lstYear", "2019"},
                {"txtEAN", "0123456"},
                {"txtFEIN", "123456789"},
                {"txtFirstMonth", "3"},
                {"txtSecondMonth", "4"},
                {"txtThirdMonth", "4"},
                {"txtGrossWages", "1500000"},
                {"txtEmployeeWithholding", "10500"},
                {"txtTaxableWages", "1000000"},
                {"txtEmployerContributions", "36000"}};
    if (screen == "Form3")
        return {{"txtSSN", "123456789"},
                {"txtEmpLastName", "O'NEIL"},
                {"txtEmpFirstName", "MARY"},
                {"txtEmployeeMiddleName", ""},
                {"txtEmployeeGrossWages", "250000"},
                {"txtEmpTaxableWages", "100000"},
                {"txtEmployeeCreditWeek", "13"}};
    return {{"lstEmployeOrTPA", "Employer"},
            {"lstFTPorUPLOAD", "FTP"},
            {"EAN_TPAID", "0123456"},
            {"txtSequenceNumber", ""}};
}

// Brings the run to the screen, with the answers that lead there and away again.
QWidget &openScreen(FilingRun &run, const QString &screen)
{
    run.start();
    if (screen == "Form1")
        return run.program->form1();
    run.acceptContact();
    if (screen == "Form2") {
        run.desktop.answer({false, false});
        return run.program->form2();
    }
    run.desktop.answer({screen == "Form3", false});
    run.enterAccount({});
    if (screen == "Form3") {
        run.desktop.answer({false});
        return run.program->form3();
    }
    QApplication::setActiveWindow(&run.program->formNameFile());
    return run.program->formNameFile();
}

// Fills the entries, leaving out those named; a list left out has nothing chosen.
void fill(QWidget &screen, const QList<Entry> &entries, const QStringList &leaveOut = {})
{
    for (const Entry &entry : entries) {
        if (leaveOut.contains(entry.name))
            continue;
        if (screen.findChild<QListWidget *>(entry.name))
            FilingRun::choose(screen, entry.name, entry.text);
        else
            FilingRun::type(screen, entry.name, entry.text);
    }
}

struct Wrong {
    const char *box, *label;
    QString text, message;
    bool marksBox = true; // a list of the naming screen is not painted
    bool together = true; // the message stands when every other entry is wrong as well
};

void columns()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QStringList>("yellow");
}

// One row per wrong entry, then one with every entry that can be wrong at once.
void rows(const QString &screen, const QList<Wrong> &wrongs)
{
    QStringList all[5];
    for (const Wrong &w : wrongs) {
        const QStringList yellow = w.marksBox ? QStringList{w.box} : QStringList();
        QTest::addRow("%s %s '%s'", qPrintable(screen), w.box, qPrintable(w.text))
            << screen << QStringList{w.box} << QStringList{w.text} << QStringList{w.label}
            << QStringList{w.message} << yellow;
        if (!w.together)
            continue;
        all[0] << w.box;
        all[1] << w.text;
        all[2] << w.label;
        all[3] << w.message;
        all[4] << yellow;
    }
    QTest::addRow("%s, every entry wrong", qPrintable(screen))
        << screen << all[0] << all[1] << all[2] << all[3] << all[4];
}

} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void contact_data();
    void contact() { wrongEntries_markedOneByOne_thenPutRight(); }
    void employer_data();
    void employer() { wrongEntries_markedOneByOne_thenPutRight(); }
    void employee_data();
    void employee() { wrongEntries_markedOneByOne_thenPutRight(); }
    void naming_data();
    void naming() { wrongEntries_markedOneByOne_thenPutRight(); }

    void versionNotice_yesOpensThePage_noDoesNot();
    void contact_continueWaitsForAFilingType_closeAsksFirst();
    void naming_filerKindSetsPromptAndLength();
    void naming_leavingABadSequenceNumberKeepsTheFocus();

private:
    void wrongEntries_markedOneByOne_thenPutRight();
};

void ScreensTest::contact_data()
{
    columns();
    rows("Form1",
         {{"txtContactName", "lblContactNameError", "Mary.Smith",
           ContactRules::contactName(u"Mary.Smith")},
          {"txtContactEmail", "lblEmailError", "mary@example",
           ContactRules::contactEmail(u"mary@example")},
          {"txtContactPhone", "lblContactPhoneError", "800555123",
           ContactRules::contactPhone(u"800555123")},
          {"txtPhoneExt", "lblphoneExtError", "12a", ContactRules::phoneExtension(u"12a")}});
}

void ScreensTest::employer_data()
{
    columns();
    using namespace EmployerRules;
    rows(
        "Form2",
        {{"lstQuarter", "lblQuarterYear_errorMessage", "", quarterYear(false, true).message, true,
          false},
         {"lstYear", "lblQuarterYear_errorMessage", "", quarterYear(true, false).message, true,
          false},
         {"txtEAN", "lblEAN_errorMessage", "012345", accountNumber(u"012345")},
         {"txtFEIN", "lblFEINError", "12345678O", fein(u"12345678O")},
         {"txtFirstMonth", "lblFirstMonth_errorMessage", "3.0", firstMonth(u"3.0")},
         {"txtSecondMonth", "lblSecondMonth_errorMessage", "", secondMonth(u"")},
         {"txtThirdMonth", "lblThirdMonth_errorMessage", "x", thirdMonth(u"x")},
         {"txtGrossWages", "txtGrossWages_errorMessage", "12.50", grossWages(u"12.50", u"", u"")},
         {"txtEmployeeWithholding", "txtEmployeeWithholding_errorMessage", "1,0",
          employeeWithholding(u"1,0", u"")},
         {"txtTaxableWages", "txtTaxableWages_errorMessage", "$10", taxableWages(u"$10", u"", u"")},
         {"txtEmployerContributions", "txtEmployerContributions_errorMessage", "1e3",
          employerContributions(u"1e3", u"")}});
}

void ScreensTest::employee_data()
{
    columns();
    using namespace EmployeeRules;
    rows("Form3",
         {{"txtSSN", "lblSSN_errorMesage", "12345678", ssn(u"12345678")},
          {"txtEmpLastName", "lblEmpLastName_errorMessage", "O NEIL", lastName(u"O NEIL")},
          {"txtEmpFirstName", "lblEmpFirstName_errorMessage", "", firstName(u"")},
          {"txtEmployeeMiddleName", "lblEmployeMiddleName_errorMessage", "Q.", middleName(u"Q.")},
          {"txtEmployeeGrossWages", "lblEmployeeGrossWages_errorMessage", "10.00",
           grossWages(u"10.00", u"")},
          {"txtEmpTaxableWages", "lblEmpTaxableWages_errorMessage", "ten",
           taxableWages(u"ten", u"")},
          {"txtEmployeeCreditWeek", "lblEmployeeCreditWeek_errorMessage", "15",
           creditWeeks(u"15")}});
}

void ScreensTest::naming_data()
{
    columns();
    using namespace NamingRules;
    rows("FormNameFile",
         {{"lstEmployeOrTPA", "employerOrTPA_errorMessage", "", employerOrTPA(u""), false, false},
          {"lstFTPorUPLOAD", "lblFTPorUPLOAD_errorMessage", "", ftpOrUpload(u""), false},
          {"EAN_TPAID", "lblEANorTPAIDerrorMessage", "012345", accountNumber(u"012345")},
          {"txtSequenceNumber", "lblSequenceNumber_errorMessage", "1Q-2014",
           sequenceNumber(u"1Q-2014")}});
}

void ScreensTest::wrongEntries_markedOneByOne_thenPutRight()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, yellow);

    FilingRun run;
    QWidget &form = openScreen(run, screen);
    fill(form, rightEntries(screen), boxes);
    for (int i = 0; i < boxes.size(); ++i) {
        if (auto *box = form.findChild<QLineEdit *>(boxes[i]))
            FilingRun::type(box, texts[i]);
    }
    const QByteArray records = run.workingFile();
    const qsizetype questions = run.desktop.questions().size();

    // The naming screen starts afresh after its notice, so the marks are taken while it is up.
    QMap<QString, QString> shownLabels;
    QStringList shownYellow, descriptions;
    const auto look = [&] {
        for (QLabel *label : form.findChildren<QLabel *>()) {
            if (label->objectName().contains("rror") && !label->text().isEmpty())
                shownLabels[label->objectName()] = label->isVisible() ? label->text() : "(hidden)";
        }
        for (QWidget *entry : form.findChildren<QWidget *>()) {
            if ((qobject_cast<QLineEdit *>(entry) || qobject_cast<QListWidget *>(entry)) &&
                isYellow(entry)) {
                shownYellow << entry->objectName();
                descriptions << entry->accessibleDescription();
            }
        }
    };
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) {
        if (shownLabels.isEmpty() && shownYellow.isEmpty())
            look();
    };
    const char *button = screen == "Form1"   ? "cmdCreateALine"
                         : screen == "Form2" ? "cmdCreateELine"
                         : screen == "Form3" ? "cmdAddEmployee"
                                             : "cmdNameFile";
    FilingRun::press(form, button);
    if (screen != "FormNameFile")
        look();
    else
        QCOMPARE(run.desktop.notices(), {"File name was bad please try naming it again."});

    QMap<QString, QString> expectedLabels;
    for (int i = 0; i < labels.size(); ++i)
        expectedLabels[labels[i]] = messages[i];
    QCOMPARE(shownLabels, expectedLabels);
    QStringList expectedDescriptions;
    for (const QString &box : yellow)
        expectedDescriptions << messages[boxes.indexOf(box)];
    const auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    QCOMPARE(sorted(shownYellow), sorted(yellow));
    QCOMPARE(sorted(descriptions), sorted(expectedDescriptions));
    QCOMPARE(run.workingFile(), records);
    QCOMPARE(run.desktop.questions().size(), questions);
    QVERIFY(form.isVisible());

    // Put right, the next press clears every mark and the record goes to the file.
    run.desktop.whileShowing = nullptr;
    fill(form, rightEntries(screen));
    shownLabels.clear();
    shownYellow.clear();
    FilingRun::press(form, button);
    look();
    QVERIFY(shownLabels.isEmpty());
    QCOMPARE(shownYellow, QStringList());
    QVERIFY(!form.isVisible());
    QVERIFY(run.desktop.failures().isEmpty());
    if (screen == "FormNameFile")
        QCOMPARE(run.read("FTP_WR4-4B_0123456.CSV"), aRecord + eRecord);
    else
        QVERIFY(run.workingFile().size() > records.size());
}

void ScreensTest::versionNotice_yesOpensThePage_noDoesNot()
{
    for (const bool yes : {true, false}) {
        FilingRun run;
        run.start(yes);
        QCOMPARE(run.desktop.openedPages,
                 yes ? QList<QUrl>{QUrl("https://www.uc.veloria.gov/tavo/csv-tool")}
                     : QList<QUrl>());
        QCOMPARE(run.visibleScreens(), QStringList{"Form1"});
    }
}

void ScreensTest::contact_continueWaitsForAFilingType_closeAsksFirst()
{
    FilingRun run;
    run.start();
    Form1 &screen = run.program->form1();
    QVERIFY(!FilingRun::find<QPushButton>(screen, "cmdCreateALine")->isEnabled());
    run.desktop.answer({false});
    FilingRun::press(screen, "cmdEnd");
    QCOMPARE(run.desktop.questions().last(), "Are you sure you want to close the program?");
    QVERIFY(!run.desktop.ended);
    // The last choice counts.
    FilingRun::choose(screen, "lstReportingTypeCode", "Amended");
    QVERIFY(FilingRun::find<QPushButton>(screen, "cmdCreateALine")->isEnabled());
    run.acceptContact("Original");
    QCOMPARE(run.workingFile(), aRecord);

    FilingRun second;
    second.start();
    second.desktop.answer({true});
    FilingRun::press(second.program->form1(), "cmdEnd");
    QVERIFY(second.desktop.ended);
    QCOMPARE(second.desktop.exitCode, 0);
    QCOMPARE(second.files(), QStringList());
}

void ScreensTest::naming_filerKindSetsPromptAndLength()
{
    FilingRun run;
    QWidget &screen = openScreen(run, "FormNameFile");
    auto *box = FilingRun::find<QLineEdit>(screen, "EAN_TPAID");
    auto *prompt = FilingRun::find<QLabel>(screen, "lblEAN0rTPAID");
    const QString employer = QStringLiteral("Enter your 7 digit Veloria Unemployment Compensation "
                                            "Tax account number, without the dash.");
    const QString tpa = QStringLiteral(
        "What is your TPAID? Enter all 10 digits including leading zeroes, excluding hyphen.");
    for (const auto &[kind, text, kept] :
         {std::tuple{"Employer", employer, "0123456"}, std::tuple{"TPA", tpa, "0123456789"},
          std::tuple{"Employer", employer, "0123456"}}) {
        FilingRun::type(box, "99");
        FilingRun::choose(screen, "lstEmployeOrTPA", kind);
        QCOMPARE(box->text(), QString());
        QCOMPARE(prompt->text(), text);
        QCOMPARE(box->accessibleName(), text);
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, "0123456789012");
        QCOMPARE(box->text(), kept);
    }
}

void ScreensTest::naming_leavingABadSequenceNumberKeepsTheFocus()
{
    FilingRun run;
    QWidget &screen = openScreen(run, "FormNameFile");
    auto *sequence = FilingRun::find<QLineEdit>(screen, "txtSequenceNumber");
    auto *label = FilingRun::find<QLabel>(screen, "lblSequenceNumber_errorMessage");
    FilingRun::type(sequence, "1Q 2014");
    QTest::mouseClick(FilingRun::find(screen, "EAN_TPAID"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), sequence);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), NamingRules::sequenceNumberOnLeaving(u"1Q 2014"));
    QVERIFY(isYellow(sequence));

    FilingRun::type(sequence, "1q2014");
    QTest::mouseClick(FilingRun::find(screen, "EAN_TPAID"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), FilingRun::find(screen, "cmdNameFile"));
    QVERIFY(!label->isVisible());
    QVERIFY(run.desktop.shown.size() == 3); // the notice and two questions, nothing more
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
