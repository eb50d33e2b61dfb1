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
template <typename T> T *child(QWidget &screen, const char *name)
{
    T *found = screen.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no %s on %s", name, qPrintable(screen.objectName()));
    return found;
}

// Tab into the list, then Down: the way a user picks the second row of a list with the keyboard.
void tabInAndDown(QListWidget *list)
{
    QApplication::setActiveWindow(list->window());
    if (!QTest::qWaitForWindowActive(list->window()))
        qFatal("%s did not become active", qPrintable(list->window()->objectName()));
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Down);
}

bool isEmptied(QListWidget *list)
{
    // A list that has the focus has its first row as the current one, as on a fresh screen.
    return list->selectedItems().isEmpty() && list->verticalScrollBar()->value() == 0 &&
           list->currentRow() == (list->hasFocus() ? 0 : -1);
}

// The employee screen of the first account, one employee typed in but not yet added.
void upToEmployee(FilingRun &run)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({true});
    run.enterAccount({});
    FilingRun::type(child<QLineEdit>(run.program->form3(), "txtSSN"), QStringLiteral("12345"));
}

// The naming screen after one account without employees.
FormNameFile &upToNaming(FilingRun &run)
{
    run.start();
    run.acceptContact();
    run.desktop.answer({false, false});
    run.enterAccount({});
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
    void filingType_cannotBeDeselected_data();
    void filingType_cannotBeDeselected();
    void typedTextShowsAsTyped();
    void readOnlyReport_isNotReplaced();
    void earlierWorkingFile_keptAsPrevious_data();
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
    auto *quarter = child<QListWidget>(employer, "lstQuarter");
    auto *year = child<QListWidget>(employer, "lstYear");
    FilingRun::Account account;
    account.quarter = account.year = QString(); // chosen by the keys below
    for (int round = 0; round < 2; ++round) {
        tabInAndDown(quarter);
        tabInAndDown(year);
        run.desktop.answer({false, round == 0}); // no employees; another account after the first
        run.enterAccount(account);
        if (round == 0)
            QVERIFY(isEmptied(quarter) && isEmptied(year));
    }
    const QList<QByteArray> lines = run.workingFile().split('\n');
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[1].startsWith("E,0123456,123456789,22025,"));
    QVERIFY2(lines[2].startsWith("E,0123456,123456789,22025,"), lines[2].constData());
}

void KeysTest::namingScreen_emptiedListsStartAfresh()
{
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    auto *kind = child<QListWidget>(naming, "lstEmployeOrTPA");
    auto *method = child<QListWidget>(naming, "lstFTPorUPLOAD");
    tabInAndDown(kind);
    tabInAndDown(method);
    FilingRun::press(child<QPushButton>(naming, "cmdNameFile")); // no number: a bad name
    QCOMPARE(run.desktop.notices().last(),
             QStringLiteral("File name was bad please try naming it again."));
    QVERIFY(isEmptied(kind));
    QVERIFY(isEmptied(method));
    tabInAndDown(kind);
    QCOMPARE(kind->currentItem()->text(), QStringLiteral("TPA"));
}

void KeysTest::namingScreen_escapeAndEnterDoNothing_closingEnds()
{
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    auto *number = child<QLineEdit>(naming, "EAN_TPAID");
    auto *sequence = child<QLineEdit>(naming, "txtSequenceNumber");
    FilingRun::choose(child<QListWidget>(naming, "lstEmployeOrTPA"), QStringLiteral("Employer"));
    FilingRun::type(number, QStringLiteral("0123456"));
    FilingRun::type(sequence, QStringLiteral("1Q"));
    for (QWidget *focus : {static_cast<QWidget *>(number), static_cast<QWidget *>(sequence)}) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(focus, key);
    }
    QVERIFY(naming.isVisible());
    QVERIFY(!run.desktop.ended);
    QVERIFY(run.desktop.shown.size() == 3); // the version notice and the two questions
    QCOMPARE(number->text(), QStringLiteral("0123456"));
    QCOMPARE(sequence->text(), QStringLiteral("1Q"));
    naming.close(); // the frame's close button, Alt+F4
    QVERIFY(run.desktop.ended);
    QVERIFY(!run.exists(QStringLiteral("FILEUPLOAD_WR4-4B_0123456_1Q.CSV")));
}

void KeysTest::closingEmployerOrEmployeeWindow_asksFirst_data()
{
    QTest::addColumn<bool>("employeeScreen");
    QTest::addColumn<bool>("yes");
    QTest::newRow("employer, No") << false << false;
    QTest::newRow("employer, Yes") << false << true;
    QTest::newRow("employee, No") << true << false;
    QTest::newRow("employee, Yes") << true << true;
}

void KeysTest::closingEmployerOrEmployeeWindow_asksFirst()
{
    QFETCH(bool, employeeScreen);
    QFETCH(bool, yes);
    FilingRun run;
    upToEmployee(run);
    QWidget *screen = &run.program->form3();
    QLineEdit *box = child<QLineEdit>(*screen, "txtSSN");
    if (!employeeScreen) {
        run.desktop.answer({false, true}); // no more employees, another account
        run.enterEmployee({});
        screen = &run.program->form2();
        box = child<QLineEdit>(*screen, "txtEAN");
        FilingRun::type(box, QStringLiteral("12345"));
        FilingRun::press(child<QPushButton>(*screen, "cmdCreateELine")); // marks what is wrong
    } else {
        FilingRun::press(child<QPushButton>(*screen, "cmdAddEmployee"));
    }
    const QByteArray written = run.workingFile();
    box->setFocus();
    const int asked = run.desktop.questions().size();
    run.desktop.answer({yes});
    screen->close();
    QCOMPARE(run.desktop.questions().size(), asked + 1);
    QCOMPARE(run.desktop.questions().last(),
             QStringLiteral("Are you sure you want to close the program?"));
    QCOMPARE(run.desktop.ended, yes);
    QCOMPARE(screen->isVisible(), !yes);
    QCOMPARE(run.workingFile(), written);
    QCOMPARE(box->text(), QStringLiteral("12345"));
    QVERIFY(isYellow(box));
    if (!yes)
        QCOMPARE(screen->focusWidget(), box);
}

void KeysTest::filingType_cannotBeDeselected_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("Ctrl+click") << true;
    QTest::newRow("Ctrl+Space") << false;
}

void KeysTest::filingType_cannotBeDeselected()
{
    QFETCH(bool, byMouse);
    FilingRun run;
    run.start();
    Form1 &contact = run.program->form1();
    auto *list = child<QListWidget>(contact, "lstReportingTypeCode");
    FilingRun::choose(list, QStringLiteral("Amended"));
    if (byMouse)
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualItemRect(list->item(1)).center());
    else
        QTest::keyClick(list, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(list->selectedItems().size(), 1);
    QCOMPARE(list->selectedItems().first()->text(), QStringLiteral("Amended"));
    run.acceptContact(QStringLiteral("Amended"));
    QVERIFY(run.workingFile().startsWith("A,A,Mary Smith,"));
}

void KeysTest::typedTextShowsAsTyped()
{
    FilingRun run;
    FormNameFile &naming = upToNaming(run);
    auto *sequence = child<QLineEdit>(naming, "txtSequenceNumber");
    FilingRun::type(sequence, QStringLiteral("<b>x</b>"));
    QCOMPARE(sequence->text(), QStringLiteral("<b>x</b>"));
    FilingRun::press(child<QPushButton>(naming, "cmdNameFile"));
    for (QWidget *screen : std::initializer_list<QWidget *>{
             &run.program->form1(), &run.program->form2(), &run.program->form3(), &naming}) {
        for (QLabel *label : screen->findChildren<QLabel *>())
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        for (QPushButton *button : screen->findChildren<QPushButton *>())
            QVERIFY(!button->autoDefault() && !button->isDefault());
    }
}

void KeysTest::readOnlyReport_isNotReplaced()
{
    FilingRun run;
    const QString report = QStringLiteral("FILEUPLOAD_WR4-4B_0123456.CSV");
    run.write(report, "an earlier report\r\n");
    QFile::setPermissions(run.path(report), QFile::ReadOwner | QFile::ReadGroup);
    FormNameFile &naming = upToNaming(run);
    const QByteArray records = run.workingFile();
    FilingRun::choose(child<QListWidget>(naming, "lstEmployeOrTPA"), QStringLiteral("Employer"));
    FilingRun::choose(child<QListWidget>(naming, "lstFTPorUPLOAD"), QStringLiteral("FILE UPLOAD"));
    FilingRun::type(child<QLineEdit>(naming, "EAN_TPAID"), QStringLiteral("0123456"));
    run.desktop.answer({true});
    FilingRun::press(child<QPushButton>(naming, "cmdNameFile"));
    QCOMPARE(run.desktop.failures().size(), 1);
    QVERIFY(
        run.desktop.failures().first().startsWith(QStringLiteral("Error 13: Permission denied")));
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.read(report), QByteArray("an earlier report\r\n"));
    QCOMPARE(run.workingFile(), records);
}

void KeysTest::earlierWorkingFile_keptAsPrevious_data()
{
    QTest::addColumn<QByteArray>("earlier");
    QTest::addColumn<QByteArray>("previousAfter");
    QTest::newRow("records of an earlier run")
        << QByteArray("A,O,x\r\nE,1\r\n") << QByteArray("A,O,x\r\nE,1\r\n");
    QTest::newRow("empty: the older one stays") << QByteArray() << QByteArray("older\r\n");
}

void KeysTest::earlierWorkingFile_keptAsPrevious()
{
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, previousAfter);
    FilingRun run;
    run.write(QStringLiteral("testFile.TXT.previous"), "older\r\n");
    run.write(QStringLiteral("testFile.TXT"), earlier);
    run.start();
    run.acceptContact();
    QCOMPARE(run.read(QStringLiteral("testFile.TXT.previous")), previousAfter);
    QCOMPARE(run.workingFile(),
             QByteArray("A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n"));
}

void KeysTest::employerScreen_withEveryMessage_fitsALaptop()
{
    FilingRun run;
    run.start();
    run.acceptContact();
    Form2 &employer = run.program->form2();
    FilingRun::Account account;
    account.quarter = account.year = QString();
    account.ean = QStringLiteral("12345");
    account.fein = QStringLiteral("12345");
    account.first = account.second = account.third = QStringLiteral("x");
    account.gross = account.withholding = account.taxable = account.contributions =
        QStringLiteral("x");
    run.enterAccount(account);
    QApplication::processEvents();
    int shown = 0;
    for (QLabel *label : employer.findChildren<QLabel *>()) {
        if (!label->objectName().contains(QLatin1String("rror")))
            continue;
        QVERIFY2(!label->text().isEmpty(), qPrintable(label->objectName()));
        QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                 qPrintable(label->objectName()));
        ++shown;
    }
    QCOMPARE(shown, 10);
    QVERIFY(employer.width() <= 1024);
    QVERIFY(employer.height() <= 700);
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
    auto *kind = child<QListWidget>(naming, "lstEmployeOrTPA");
    QListWidgetItem *chosen = kind->item(0);
    if (addedRow) {
        kind->addItem(QStringLiteral("Payroll service"));
        chosen = kind->item(2);
    }
    chosen->setText(QStringLiteral("Employer (account number)"));
    FilingRun::choose(kind, chosen->text());
    FilingRun::choose(child<QListWidget>(naming, "lstFTPorUPLOAD"), QStringLiteral("FILE UPLOAD"));
    FilingRun::type(child<QLineEdit>(naming, "EAN_TPAID"), QStringLiteral("0123456"));
    FilingRun::press(child<QPushButton>(naming, "cmdNameFile"));
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.failures().size(), addedRow ? 1 : 0);
    QCOMPARE(run.exists(QStringLiteral("FILEUPLOAD_WR4-4B_0123456.CSV")), !addedRow);
}

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
