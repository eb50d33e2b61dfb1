// The screens' wiring, driven by each kind's field table: a wrong entry shows its rule's message
// in its own label and paints its own box, and no other; one press with every entry wrong marks
// them all; put right, the next press clears the marks and goes on. Then the few things a screen
// does beside its rules.

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace
{
// A wrong entry for every field, in field table order.
const QStringList wrongContact = {"Mary.Smith", "mary@example", "800555123", "12a"};
const QStringList wrongEmployer = {"012345", "12345678O", "",    "3.0", "",
                                   "x",      "12.50",     "1,0", "$10", "1e3"};
const QStringList wrongEmployee = {"12345678", "O NEIL", "", "Q.", "10.00", "ten", "15"};
const QStringList wrongNaming = {"", "", "012345", "1Q-2014"};

// Brings the run to the screen, with the answers that lead there and away again.
QWidget &openScreen(FilingRun &run, const ContactEntries &)
{
    run.start();
    FilingRun::put(run.program->form1(), "lstReportingTypeCode", "Original");
    return run.program->form1();
}
QWidget &openScreen(FilingRun &run, const EmployerEntries &)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    return run.program->form2();
}
QWidget &openScreen(FilingRun &run, const EmployeeEntries &)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({true, false, false});
    run.enterAccount();
    return run.program->form3();
}
QWidget &openScreen(FilingRun &run, const NamingEntries &)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    run.enterAccount();
    QApplication::setActiveWindow(&run.program->formNameFile());
    return run.program->formNameFile();
}

template <typename E> void wiringRows(const E &entries)
{
    QTest::addColumn<int>("wrongField");
    for (int i = 0; i < int(std::size(table(entries))); ++i)
        QTest::newRow(table(entries)[i].name) << i;
    QTest::newRow("every field") << -1;
}

// Error labels showing a text, and entries painted yellow with their accessible descriptions.
QStringList marks(QWidget &screen)
{
    QStringList shown;
    for (QLabel *label : screen.findChildren<QLabel *>()) {
        if (label->objectName().contains("rror") && !label->text().isEmpty())
            shown << label->objectName() + (label->isVisible() ? ": " : " (hidden): ") +
                         label->text();
    }
    for (QWidget *entry : screen.findChildren<QWidget *>()) {
        if ((qobject_cast<QLineEdit *>(entry) || qobject_cast<QListWidget *>(entry)) &&
            isYellow(entry))
            shown << entry->objectName() + " yellow: " + entry->accessibleDescription();
    }
    shown.sort();
    return shown;
}

template <typename E> void verifyWiring(E entries, const QStringList &wrong, const char *button)
{
    QFETCH(int, wrongField);
    const E valid = entries;
    FilingRun run;
    QWidget &screen = openScreen(run, entries);
    QStringList expected;
    for (int i = 0; i < wrong.size(); ++i) {
        const auto &row = table(entries)[i];
        if (wrongField < 0 || wrongField == i)
            entries = with(entries, row.name, wrong[i]);
        if (wrongField < 0 && row.maxLength > 0)
            QCOMPARE(FilingRun::find<QLineEdit>(screen, row.entry)->maxLength(), row.maxLength);
    }
    if (wrongField < 0)
        entries = with(entries, "YEAR", "");
    for (const auto &row : table(entries)) {
        const QString message = row.rule(entries);
        if (message.isEmpty())
            continue;
        expected << row.errorLabel + QString(": ") + message;
        if (QByteArray(row.entry) != "lstEmployeOrTPA" && QByteArray(row.entry) != "lstFTPorUPLOAD")
            expected << row.entry + QString(" yellow: ") + message;
        if (QByteArray(row.entry) == "lstQuarter" && message.contains("YEAR"))
            expected << "lstYear yellow: " + message;
    }
    expected.sort();
    if constexpr (std::is_same_v<E, EmployerEntries>)
        FilingRun::put(screen, "lstYear", entries.year);
    FilingRun::fill(screen, entries);
    const QByteArray records = run.workingFile();
    const qsizetype shown = run.desktop.shown.size();

    // The naming screen starts afresh after its notice, so the marks are taken while it is up.
    QStringList got;
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) { got = marks(screen); };
    FilingRun::press(screen, button);
    if (run.desktop.shown.size() == shown)
        got = marks(screen);
    else
        QCOMPARE(run.desktop.notices(), {"File name was bad please try naming it again."});
    QCOMPARE(got, expected);
    QCOMPARE(run.workingFile(), records);
    QVERIFY(screen.isVisible());

    // Put right, the next press clears every mark and the screen goes on.
    run.desktop.whileShowing = nullptr;
    if constexpr (std::is_same_v<E, EmployerEntries>)
        FilingRun::put(screen, "lstYear", valid.year);
    FilingRun::fill(screen, valid);
    FilingRun::press(screen, button);
    QCOMPARE(marks(screen), QStringList());
    QVERIFY(!screen.isVisible());
    QVERIFY(run.desktop.failures().isEmpty());
    QVERIFY(run.workingFile().size() > records.size() || run.exists("FTP_WR4-4B_0123456.CSV"));
}
} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void contact_data() { wiringRows(validContact); }
    void contact() { verifyWiring(validContact, wrongContact, "cmdCreateALine"); }
    void employer_data() { wiringRows(validEmployer); }
    void employer() { verifyWiring(validEmployer, wrongEmployer, "cmdCreateELine"); }
    void employee_data() { wiringRows(validEmployee); }
    void employee() { verifyWiring(validEmployee, wrongEmployee, "cmdAddEmployee"); }
    void naming_data() { wiringRows(validNaming); }
    void naming() { verifyWiring(validNaming, wrongNaming, "cmdNameFile"); }

    void versionNotice_yesOpensThePage_noDoesNot();
    void contact_continueWaitsForAFilingType_closeAsksFirst();
    void naming_filerKindSetsPromptAndLength();
    void naming_leavingABadSequenceNumberKeepsTheFocus();
};

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
    FilingRun::put(screen, "lstReportingTypeCode", "Amended");
    QVERIFY(FilingRun::find<QPushButton>(screen, "cmdCreateALine")->isEnabled());
    run.acceptContact(); // the last choice counts
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
    QWidget &screen = openScreen(run, validNaming);
    auto *box = FilingRun::find<QLineEdit>(screen, "EAN_TPAID");
    auto *prompt = FilingRun::find<QLabel>(screen, "lblEAN0rTPAID");
    const QString employer = "Enter your 7 digit Veloria Unemployment Compensation Tax account "
                             "number, without the dash.";
    const QString tpa =
        "What is your TPAID? Enter all 10 digits including leading zeroes, excluding hyphen.";
    for (const auto &[kind, text, kept] :
         {std::tuple{"Employer", employer, "0123456"}, std::tuple{"TPA", tpa, "0123456789"},
          std::tuple{"Employer", employer, "0123456"}}) {
        FilingRun::type(box, "99");
        FilingRun::put(screen, "lstEmployeOrTPA", kind);
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
    QWidget &screen = openScreen(run, validNaming);
    auto *sequence = FilingRun::find<QLineEdit>(screen, "txtSequenceNumber");
    auto *label = FilingRun::find<QLabel>(screen, "lblSequenceNumber_errorMessage");
    FilingRun::type(sequence, "1Q 2014");
    QTest::mouseClick(FilingRun::find(screen, "EAN_TPAID"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), sequence);
    QVERIFY(label->isVisible() && isYellow(sequence));
    QCOMPARE(label->text(), "Sequence Number must be alphanumerics.   You entered 1Q 2014 Please "
                            "try re-entering it.");
    FilingRun::type(sequence, "1q2014");
    QTest::mouseClick(FilingRun::find(screen, "EAN_TPAID"), Qt::LeftButton);
    QTRY_COMPARE(QApplication::focusWidget(), FilingRun::find(screen, "cmdNameFile"));
    QVERIFY(!label->isVisible());
    QCOMPARE(run.desktop.shown.size(), 3); // the notice and two questions, nothing more
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
