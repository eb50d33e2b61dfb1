// What the keyboard and the window frame can do to a filing: no key press or closing of a window
// may lose records, throw a finished filing away or write something the screen does not show.

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace
{
// Tab into the list, then Down: the way a user picks the second row of a list with the keyboard.
void tabInAndDown(QWidget &screen, const char *name)
{
    auto *list = FilingRun::find<QListWidget>(screen, name);
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
}

// Nothing chosen, scrolled to the top, and the first row current once the list has the focus.
bool isEmptied(QWidget &screen, const char *name)
{
    auto *list = FilingRun::find<QListWidget>(screen, name);
    return list->selectedItems().isEmpty() && list->verticalScrollBar()->value() == 0 &&
           list->currentRow() == (list->hasFocus() ? 0 : -1);
}

// The naming screen after one account without employees.
FormNameFile &upToNaming(FilingRun &run)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    run.enterAccount();
    return run.program->formNameFile();
}
} // namespace

class KeysTest : public QObject
{
    Q_OBJECT

private slots:
    void secondAccount_sameKeysGiveSameQuarterAndYear();
    void namingScreen_emptiedListsStartAfresh();
    void namingScreen_escapeAndEnterDoNothing_closingEnds();
    void closingEmployerOrEmployeeWindow_asksFirst_data();
    void closingEmployerOrEmployeeWindow_asksFirst();
    void filingType_cannotBeDeselected();
    void typedTextShowsAsTyped_readOnlyReportNotReplaced();
    void earlierWorkingFile_keptAsPrevious();
    void employerScreen_withEveryMessage_fitsALaptop();
    void namingChoices_knownByRow_anUnknownOneFailsVisibly_data();
    void namingChoices_knownByRow_anUnknownOneFailsVisibly();
};

void KeysTest::secondAccount_sameKeysGiveSameQuarterAndYear()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    Form2 &employer = run.program->form2();
    run.desktop.answer({false, true, false, false}); // no employees; one more account
    for (int round = 0; round < 2; ++round) {
        tabInAndDown(employer, "lstQuarter");
        tabInAndDown(employer, "lstYear");
        run.enterAccount(with(validEmployer, {"QUARTER-YEAR", "", "YEAR", ""}));
        QVERIFY(round == 1 ||
                (isEmptied(employer, "lstQuarter") && isEmptied(employer, "lstYear")));
    }
    QCOMPARE(run.workingFile(),
             aRecord + QByteArray(eRecord).replace("22026", "22025").repeated(2));
}

void KeysTest::namingScreen_emptiedListsStartAfresh()
{
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    tabInAndDown(naming, "lstEmployeOrTPA");
    tabInAndDown(naming, "lstFTPorUPLOAD");
    FilingRun::press(naming, "cmdNameFile"); // no number: a bad name
    QCOMPARE(run.desktop.notices(), {"File name was bad please try naming it again."});
    QVERIFY(isEmptied(naming, "lstEmployeOrTPA") && isEmptied(naming, "lstFTPorUPLOAD"));
    tabInAndDown(naming, "lstEmployeOrTPA");
    QCOMPARE(FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA")->currentItem()->text(), "TPA");
}

void KeysTest::namingScreen_escapeAndEnterDoNothing_closingEnds()
{
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    QCOMPARE(naming.focusWidget(), FilingRun::find(naming, "EAN_TPAID")); // where it opens
    FilingRun::fill(naming, with(validNaming, {"SEQUENCE NUMBER", "1Q"}));
    for (const char *box : {"EAN_TPAID", "txtSequenceNumber"}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(FilingRun::find(naming, box), key);
    }
    QVERIFY(naming.isVisible() && !run.desktop.ended);
    QCOMPARE(run.desktop.shown.size(), 3); // the version notice and the two questions
    QCOMPARE(FilingRun::find<QLineEdit>(naming, "EAN_TPAID")->text(), "0123456");
    QCOMPARE(FilingRun::find<QLineEdit>(naming, "txtSequenceNumber")->text(), "1Q");
    naming.close(); // the frame's close button, Alt+F4
    QVERIFY(run.desktop.ended);
    QVERIFY(run.visibleScreens().isEmpty());
    QCOMPARE(run.files(), QStringList{"testFile.TXT"});
    QCOMPARE(run.workingFile(), aRecord + eRecord);
}

void KeysTest::closingEmployerOrEmployeeWindow_asksFirst_data()
{
    QTest::addColumn<bool>("employeeScreen");
    QTest::addColumn<bool>("yes");
    for (const bool employee : {false, true}) {
        QTest::addRow("%s, No", employee ? "employee" : "employer") << employee << false;
        QTest::addRow("%s, Yes", employee ? "employee" : "employer") << employee << true;
    }
}

void KeysTest::closingEmployerOrEmployeeWindow_asksFirst()
{
    QFETCH(bool, employeeScreen);
    QFETCH(bool, yes);
    FilingRun run;
    run.start();
    run.acceptContact();
    run.desktop.answer({true});
    run.enterAccount();
    QWidget *screen = &run.program->form3();
    if (employeeScreen) {
        run.enterEmployee(with(validEmployee, {"SSN", "12345"})); // marks what is wrong
    } else {
        run.desktop.answer({false, true}); // no more employees, another account
        run.enterEmployee();
        screen = &run.program->form2();
        run.enterAccount(with(EmployerEntries{}, {"ACCOUNT NUMBER", "12345"}));
    }
    QLineEdit *box = FilingRun::find<QLineEdit>(*screen, employeeScreen ? "txtSSN" : "txtEAN");
    const QByteArray written = run.workingFile();
    box->setFocus();
    const int asked = run.desktop.questions().size();
    run.desktop.answer({yes});
    screen->close();
    QCOMPARE(run.desktop.questions().mid(asked),
             QStringList{"Are you sure you want to close the program?"});
    QCOMPARE(run.desktop.ended, yes);
    QCOMPARE(screen->isVisible(), !yes);
    QCOMPARE(run.workingFile(), written);
    QCOMPARE(box->text(), "12345");
    QVERIFY(isYellow(box));
    QVERIFY(yes || screen->focusWidget() == box);
}

void KeysTest::filingType_cannotBeDeselected()
{
    for (const bool byMouse : {true, false}) {
        FilingRun run;
        run.start();
        auto *list = FilingRun::find<QListWidget>(run.program->form1(), "lstReportingTypeCode");
        FilingRun::choose(list, "Amended");
        if (byMouse)
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                              list->visualItemRect(list->item(1)).center());
        else
            QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(list->selectedItems().size(), 1);
        run.acceptContact({"A", "Jo", "mary@example.com", "8005551234", ""});
        QCOMPARE(run.workingFile(), "A,A,Jo,mary@example.com,8005551234,, , , , , \r\n");
    }
}

void KeysTest::typedTextShowsAsTyped_readOnlyReportNotReplaced()
{
    FilingRun run;
    const QString report = "FILEUPLOAD_WR4-4B_0123456.CSV";
    run.write(report, "an earlier report\r\n");
    QFile::setPermissions(run.path(report), QFile::ReadOwner | QFile::ReadGroup);
    FormNameFile &naming = upToNaming(run);
    FilingRun::type(naming, "txtSequenceNumber", "<b>x</b>");
    QCOMPARE(FilingRun::find<QLineEdit>(naming, "txtSequenceNumber")->text(), "<b>x</b>");
    FilingRun::press(naming, "cmdNameFile");
    for (QWidget *screen : std::initializer_list<QWidget *>{
             &run.program->form1(), &run.program->form2(), &run.program->form3(), &naming}) {
        for (QLabel *label : screen->findChildren<QLabel *>())
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        for (QPushButton *button : screen->findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
    }

    run.desktop.answer({true});
    run.nameReport(with(validNaming, {"FILING METHOD", "FILE UPLOAD"}));
    QCOMPARE(run.desktop.failures().size(), 1);
    QVERIFY(run.desktop.failures().first().startsWith("Error 13: Permission denied"));
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.read(report), "an earlier report\r\n");
    QCOMPARE(run.workingFile(), aRecord + eRecord);
}

void KeysTest::earlierWorkingFile_keptAsPrevious()
{
    // Records of an earlier run are kept aside; an empty file leaves the older copy as it is.
    for (const QByteArray &earlier : {QByteArray("A,O,x\r\nE,1\r\n"), QByteArray()}) {
        FilingRun run;
        run.write("testFile.TXT.previous", "older\r\n");
        run.write("testFile.TXT", earlier);
        run.start();
        run.acceptContact();
        QCOMPARE(run.read("testFile.TXT.previous"), earlier.isEmpty() ? "older\r\n" : earlier);
        QCOMPARE(run.workingFile(), aRecord);
    }
}

void KeysTest::employerScreen_withEveryMessage_fitsALaptop()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    Form2 &employer = run.program->form2();
    run.enterAccount(with(EmployerEntries{}, {"ACCOUNT NUMBER", "12345", "FEIN", "12345"}));
    QApplication::processEvents();
    int shown = 0;
    for (QLabel *label : employer.findChildren<QLabel *>()) {
        if (!label->objectName().contains("rror"))
            continue;
        QVERIFY2(!label->text().isEmpty() &&
                     label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->objectName()));
        ++shown;
    }
    QCOMPARE(shown, 10);
    QVERIFY(employer.width() <= 1024 && employer.height() <= 700);
    QVERIFY(employer.layout()->totalHeightForWidth(employer.width()) <= employer.height());
}

void KeysTest::namingChoices_knownByRow_anUnknownOneFailsVisibly_data()
{
    QTest::addColumn<bool>("addedRow");
    QTest::newRow("a caption edited: still the employer") << false;
    QTest::newRow("a row the program does not know") << true;
}

void KeysTest::namingChoices_knownByRow_anUnknownOneFailsVisibly()
{
    QFETCH(bool, addedRow);
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    auto *kind = FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA");
    QListWidgetItem *chosen = kind->item(0);
    if (addedRow) {
        kind->addItem(QStringLiteral("Payroll service"));
        chosen = kind->item(2);
    }
    chosen->setText(QStringLiteral("Employer (account number)"));
    FilingRun::choose(kind, chosen->text());
    FilingRun::choose(FilingRun::find<QListWidget>(naming, "lstFTPorUPLOAD"),
                      QStringLiteral("FILE UPLOAD"));
    FilingRun::type(FilingRun::find<QLineEdit>(naming, "EAN_TPAID"), QStringLiteral("0123456"));
    FilingRun::press(FilingRun::find<QPushButton>(naming, "cmdNameFile"));
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.failures().size(), addedRow ? 1 : 0);
    QCOMPARE(run.desktop.exitCode, addedRow ? 1 : 0);
    QCOMPARE(run.exists(QStringLiteral("FILEUPLOAD_WR4-4B_0123456.CSV")), !addedRow);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
