// The screens: their wiring, driven by each kind's field table (a wrong entry shows its rule's
// message in its own label and paints its own box, and no other; one press with every entry
// wrong marks them all; put right, the next press clears the marks and goes on), their tab
// orders, the few things a screen does beside its rules, and what the keyboard and the window
// frame can do to a filing: no key press or closing of a window may lose records, throw a finished
// filing away or write something the screen does not show. And the real dialogs.

#include "app/neededroutines.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "naming/formnamefile.h"
#include "rules/filing.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
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
// Per screen: its button, a wrong entry for every field in field table order (the contact's
// filing type and the S record's account number are no boxes of the screen's) and its tab order.
const char *const buttons[] = {"cmdCreateALine", "cmdCreateELine", "cmdAddEmployee", "cmdNameFile"};
const QList<QStringList> wrongEntries = {
    {"O", "Mary.Smith", "mary@example", "800555123", "12a"},
    {"012345", "12345678O", "", "3.0", "", "x", "12.50", "1,0", "$10", "1e3"},
    {"0123456", "12345678", "O NEIL", "", "Q.", "10.00", "ten", "15"},
    {"", "", "012345", "1Q-2014"}};
const QList<QStringList> tabOrders = {
    {"cmdCreateALine", "cmdEnd", "lstReportingTypeCode", "txtContactName", "txtContactEmail",
     "txtContactPhone", "txtPhoneExt", "cmdResumeReport", "cmdFromPreviousReport"},
    {"cmdCreateELine", "lstPreviousAccounts", "lstQuarter", "lstYear", "txtEAN", "txtFEIN",
     "txtFirstMonth", "txtSecondMonth", "txtThirdMonth", "txtGrossWages", "txtEmployeeWithholding",
     "txtTaxableWages", "txtEmployerContributions"},
    {"txtSSN", "txtEmpLastName", "txtEmpFirstName", "txtEmployeeMiddleName",
     "txtEmployeeGrossWages", "txtEmpTaxableWages", "txtEmployeeCreditWeek", "cmdAddEmployee",
     "cmdImportEmployees", "cmdReviewEmployees", "cmdFillFromPrevious", "cmdSaveTemplate"},
    {"EAN_TPAID", "lstEmployeOrTPA", "txtSequenceNumber", "cmdNameFile", "lstFTPorUPLOAD"}};

// Brings the run to the screen (0 contact to 3 naming), with the answers that lead away again,
// a previous report remembered so that everything it adds to the screens shows too.
QWidget &openScreen(FilingRun &run, int screen)
{
    run.start();
    run.program->previousReport = {"last.CSV", *readFiling(aRecord + eRecord + sRecord)};
    FilingRun::put(run.program->form1(), "lstReportingTypeCode", "O");
    if (screen == 0)
        return run.program->form1();
    run.desktop.answers.append(screen == 2 ? QList<bool>{true, false, false}
                                           : QList<bool>{false, false});
    run.acceptContact();
    if (screen == 1)
        return run.program->form2();
    run.enterAccount();
    QApplication::setActiveWindow(&run.program->formNameFile());
    return screen == 2 ? static_cast<QWidget &>(run.program->form3()) : run.program->formNameFile();
}

// Error labels showing a text (red), and entries painted yellow with their accessible descriptions.
QStringList marks(QWidget &screen)
{
    QStringList shown;
    for (QLabel *label : screen.findChildren<QLabel *>())
        if (label->objectName().contains("rror") && !label->text().isEmpty())
            shown << label->objectName() + (label->isVisible() ? ": " : " (hidden): ") +
                         (label->palette().color(QPalette::WindowText) == QColor(255, 0, 0)
                              ? ""
                              : "(not red) ") +
                         label->text();
    for (QWidget *entry : screen.findChildren<QWidget *>())
        if ((qobject_cast<QLineEdit *>(entry) || qobject_cast<QListWidget *>(entry)) &&
            isYellow(entry))
            shown << entry->objectName() + " yellow: " + entry->accessibleDescription();
    shown.sort();
    return shown;
}

template <typename E> void verifyWiring(const E valid, int screenIndex, int wrongField)
{
    FilingRun run;
    QWidget &screen = openScreen(run, screenIndex);
    QStringList wrong, expected;
    for (int i = 0; i < int(std::size(fieldsOf(valid))); ++i)
        if (wrongField < 0 || wrongField == i)
            wrong << fieldsOf(valid)[i].name << wrongEntries[screenIndex][i];
    const E entries = with(valid, wrong);
    for (const auto &row : fieldsOf(entries)) {
        const QString message = row.rule && row.errorLabel ? row.rule(entries) : QString();
        if (message.isEmpty())
            continue;
        expected << row.errorLabel + QString(": ") + message;
        if (screenIndex != 3 || !QByteArray(row.box).startsWith("lst")) // naming lists: unpainted
            expected << row.box + QString(" yellow: ") + message;
        if (QByteArray(row.box) == "lstQuarter" && message.contains("YEAR"))
            expected << "lstYear yellow: " + message;
    }
    expected.sort();
    FilingRun::fill(screen, entries);
    const QByteArray records = run.workingFile();

    // The naming screen starts afresh after its notice, so the marks are taken while it is up.
    QStringList got;
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) { got = marks(screen); };
    FilingRun::press(screen, buttons[screenIndex]);
    if (screenIndex == 3) {
        QCOMPARE(run.desktop.notices(), {"File name was bad please try naming it again."});
        QCOMPARE(marks(screen).filter(" yellow: "), marks(screen)); // its labels emptied after it
    } else {
        got = marks(screen);
    }
    QCOMPARE(got, expected);
    QCOMPARE(run.workingFile(), records);
    QVERIFY(screen.isVisible());
    if (wrongField >= 0)
        return;
    // With every message up the screen still fits a laptop; typed text shows as text, no button
    // is a default one that Enter would press, every entry has a name for a screen reader, and
    // Tab follows the screen's order.
    QVERIFY(screen.width() <= 1024 && screen.height() <= 700);
    for (QWidget *w : screen.findChildren<QWidget *>(QRegularExpression("^(lbl|txt|lst|cmd)")))
        QVERIFY2(w->isVisible() ||
                     (qobject_cast<QLabel *>(w) && static_cast<QLabel *>(w)->text().isEmpty()),
                 qPrintable(w->objectName()));
    QVERIFY(screen.layout()->totalHeightForWidth(screen.width()) <= screen.height());
    for (QLabel *label : screen.findChildren<QLabel *>())
        QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    for (QPushButton *button : screen.findChildren<QPushButton *>())
        QVERIFY(!button->autoDefault() && !button->isDefault());
    QStringList chain;
    QWidget *stop = FilingRun::find(screen, qPrintable(tabOrders[screenIndex][0]));
    for (QWidget *w = stop; chain.size() < 20 && (chain.isEmpty() || w != stop);
         w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) {
            chain << w->objectName();
            QVERIFY(!w->accessibleName().isEmpty() || qobject_cast<QPushButton *>(w));
        }
    QCOMPARE(chain, tabOrders[screenIndex]);

    // Put right, the next press clears every mark and the screen goes on.
    run.desktop.whileShowing = nullptr;
    FilingRun::fill(screen, valid);
    FilingRun::press(screen, buttons[screenIndex]);
    QCOMPARE(marks(screen), QStringList());
    QVERIFY(!screen.isVisible() && run.desktop.failures().isEmpty());
    QVERIFY(run.workingFile().size() > records.size() || run.exists(reportName));
}

// Tab into the list, then Down: the way a user picks the second row of a list with the keyboard.
// The list must then have started afresh: nothing chosen, scrolled to the top, the first row
// current once it has the focus.
void tabInAndDown(QWidget &screen, const char *name)
{
    auto *list = FilingRun::find<QListWidget>(screen, name);
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QVERIFY(list->selectedItems().isEmpty() && list->verticalScrollBar()->value() == 0);
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Down);
    list->clearFocus(); // and back: the row chosen stays the current one
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(list->currentRow(), 1);
}

// Runs `act` on the modal dialog as soon as it is up.
template <typename F> void onNextDialog(F act)
{
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}
} // namespace

class ScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void wiring_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("wrongField");
        for (int screen = 0; screen < 4; ++screen)
            for (int field = -1; field < wrongEntries[screen].size(); ++field)
                if (field != 0 || screen % 2 == 1) // a box of the screen's
                    QTest::addRow("%s %d", buttons[screen], field) << screen << field;
    }
    void wiring()
    {
        QFETCH(int, screen);
        QFETCH(int, wrongField);
        if (screen == 0)
            verifyWiring(validContact, screen, wrongField);
        if (screen == 1)
            verifyWiring(validEmployer, screen, wrongField);
        if (screen == 2)
            verifyWiring(validEmployee, screen, wrongField);
        if (screen == 3)
            verifyWiring(validNaming, screen, wrongField);
    }

    // One filing with the detours a person may take: the version page opened, Close Progam
    // answered No, the filing type clicked away with Ctrl, the employer and employee windows
    // closed and answered No (the screen stays as it was), the same keys on the emptied employer
    // screen, the naming screen's prompts, lengths, sequence check and keys. It writes what the
    // screens show, and closing the naming screen ends it without a report.
    void filingWithDetours_writesWhatTheScreensShow()
    {
        FilingRun run;
        run.start(true);
        QCOMPARE(run.desktop.shown.first().title, "Create CSV File for TAVO - version 5");
        QCOMPARE(run.desktop.shown.first().text,
                 "You are using version 5.\r\n\r\nPlease check "
                 "https://www.uc.veloria.gov/tavo/csv-tool to see if you have the latest "
                 "version.\r\r\nDo you want to open a browser window to this website?");
        QCOMPARE(run.desktop.openedPages, {QUrl("https://www.uc.veloria.gov/tavo/csv-tool")});
        Form1 &contact = run.program->form1();
        QVERIFY(!FilingRun::find(contact, "cmdCreateALine")->isEnabled());
        run.desktop.answer({false});
        FilingRun::press(contact, "cmdEnd");
        QCOMPARE(run.desktop.questions().last(), "Are you sure you want to close the program?");
        auto *type = FilingRun::find<QListWidget>(contact, "lstReportingTypeCode");
        FilingRun::put(contact, "lstReportingTypeCode", "O");
        FilingRun::put(contact, "lstReportingTypeCode", "A");
        QTest::keyClick(type, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(type->selectedItems(), {type->item(1)});
        run.acceptContact(with(validContact, {"FILING TYPE", ""}));

        const auto closeAndStay = [&](QWidget &screen, const char *box, const char *button) {
            FilingRun::put(screen, box, "12345");
            FilingRun::press(screen, button); // marks it
            FilingRun::find(screen, box)->setFocus();
            run.desktop.answer({false});
            screen.close();
            QCOMPARE(run.desktop.questions().last(), "Are you sure you want to close the program?");
            QVERIFY(screen.isVisible() && isYellow(FilingRun::find(screen, box)));
            QCOMPARE(screen.focusWidget(), FilingRun::find(screen, box));
        };
        for (int account = 0; account < 2; ++account) {
            Form2 &employer = run.program->form2();
            closeAndStay(employer, "txtEAN", "cmdCreateELine");
            tabInAndDown(employer, "lstQuarter");
            tabInAndDown(employer, "lstYear");
            run.desktop.answers.append(account == 0 ? QList<bool>{true}
                                                    : QList<bool>{false, false});
            run.enterAccount(with(validEmployer, {"QUARTER-YEAR", ""}));
            if (account == 0) {
                closeAndStay(run.program->form3(), "txtSSN", "cmdAddEmployee");
                run.desktop.answer({false, true});
                run.enterEmployee();
            }
        }
        QCOMPARE(run.workingFile(), QByteArray(aRecord).replace("A,O,", "A,A,") +
                                        QByteArray(eRecord).replace("22026", "22025") + sRecord +
                                        QByteArray(eRecord).replace("22026", "22025"));

        FormNameFile &naming = run.program->formNameFile();
        QApplication::setActiveWindow(&naming);
        auto *box = FilingRun::find<QLineEdit>(naming, "EAN_TPAID");
        QCOMPARE(naming.focusWidget(), box); // where it opens
        for (const auto &[kind, text, kept] :
             {std::tuple{"TPA",
                         "What is your TPAID? Enter all 10 digits including leading zeroes, "
                         "excluding hyphen.",
                         "0123456789"},
              std::tuple{"Employer",
                         "Enter your 7 digit Veloria Unemployment Compensation Tax account "
                         "number, without the dash.",
                         "0123456"}}) {
            FilingRun::type(box, "99");
            FilingRun::put(naming, "lstEmployeOrTPA", kind);
            QVERIFY(box->text().isEmpty() && QApplication::focusWidget() == box);
            QCOMPARE(FilingRun::labelText(naming, "lblEAN0rTPAID"), text);
            QCOMPARE(box->accessibleName(), text);
            QTest::keyClicks(box, "0123456789012");
            QCOMPARE(box->text(), kept);
        }
        auto *sequence = FilingRun::find<QLineEdit>(naming, "txtSequenceNumber");
        auto *label = FilingRun::find<QLabel>(naming, "lblSequenceNumber_errorMessage");
        for (const char *typed : {"1Q 2014", "1q2014"}) {
            FilingRun::type(sequence, typed);
            QApplication::processEvents();
            QCOMPARE(QApplication::focusWidget(), sequence); // checked on leaving, not before
            QTest::mouseClick(box, Qt::LeftButton);
            QTRY_COMPARE(QApplication::focusWidget(),
                         typed[2] == ' ' ? sequence : FilingRun::find(naming, "cmdNameFile"));
            QCOMPARE(label->isVisible() && isYellow(sequence), typed[2] == ' ');
        }
        QCOMPARE(label->text(), "Sequence Number must be alphanumerics.   You entered 1Q 2014 "
                                "Please try re-entering it.");
        for (QWidget *entry : {static_cast<QWidget *>(box), static_cast<QWidget *>(sequence)})
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(entry, key);
        QVERIFY(naming.isVisible() && sequence->text() == "1q2014" && !run.desktop.ended);
        naming.close(); // the frame's close button, Alt+F4
        QVERIFY(run.desktop.ended && run.visibleScreens().isEmpty());
        QCOMPARE(run.files(), QStringList{"testFile.TXT"});
    }

    // Where each way on from the employee screen leads, with its answers: the routine that asks
    // both questions at once (which no screen calls), closing the screen, then on a new run's
    // contact screen Close Progam and closing it (without a question). Every record stays.
    void waysOn_theScreenEachLeadsTo()
    {
        const QList<QList<bool>> answers = {{true}, {false, true}, {false, false}, {true}, {true}};
        const QStringList screens = {"Form3", "Form2", "FormNameFile", "", "", ""};
        for (int way = 0; way < 6; ++way) {
            FilingRun run;
            run.fileOneAccount({true, true}, 1);
            if (way == 0)
                run.program->form2().show();
            if (way >= 4)
                run.restart(), run.start();
            run.desktop.answers.append(answers.value(way));
            if (way < 3)
                cNeededRoutines(*run.program).doneAddingEmployees();
            if (way == 3)
                run.program->form3().close();
            if (way == 4)
                FilingRun::press(run.program->form1(), "cmdEnd");
            if (way == 5)
                run.program->form1().close();
            QCOMPARE(run.visibleScreens().join(""), screens[way]);
            QCOMPARE(run.desktop.ended, way >= 3);
            QCOMPARE(run.desktop.questions().last() ==
                         "Are you sure you want to close the program?",
                     way == 3 || way == 4);
            QCOMPARE(FilingRun::find<QListWidget>(run.program->form1(), "lstReportingTypeCode")
                         ->selectedItems()
                         .isEmpty(),
                     way == 2 || way >= 4);
            QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
        }
    }

    // The real boxes (the keyboard end-to-end test answers them on a real display): no icon, Yes
    // the default, Escape for No, text as plain text; a notice; the findings list, named for a
    // screen reader, and its Close button.
    void realDialogs()
    {
        QtDesktop desktop;
        onNextDialog([](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box && box->icon() == QMessageBox::NoIcon);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::Yes));
            QCOMPARE(box->textFormat(), Qt::PlainText); // a name such as <u>a.csv as typed
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QVERIFY(!desktop.ask("Add <u>an</u> additional employee?", "A title"));
        onNextDialog([](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            QVERIFY(box && box->text() == "Done.");
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        desktop.tell("Done.", "A title");
        onNextDialog([](QWidget *dialog) {
            auto *list = dialog->findChild<QPlainTextEdit *>();
            QVERIFY(list->isReadOnly() && !list->accessibleName().isEmpty());
            QCOMPARE(list->toPlainText(), "line 1, SSN: a\nline 2, line: b");
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->buttons().value(0),
                              Qt::LeftButton);
        });
        desktop.showFindings("Import Employees", {"line 1, SSN: a", "line 2, line: b"});
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
