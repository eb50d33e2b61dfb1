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
#include "rules/reportreader.h"

#include <QApplication>
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

#include <variant>

namespace
{
// Per screen: its button, a wrong entry for every field in field table order, parted by '|' (the
// contact's filing type and the S record's account number are no boxes of the screen's), and its
// tab order.
const char *const buttons[] = {"cmdCreateALine", "cmdCreateELine", "cmdAddEmployee", "cmdNameFile"};
const QString wrongEntries[] = {"O|Mary.Smith|mary@example|800555123|12a",
                                "012345|12345678O|2|3.0||x|12.50|1,0|$10|1e3",
                                "0123456|12345678|O NEIL||Q.|10.00|ten|15", "||012345|1Q-2014"};
const QString tabOrders[] = {
    "cmdCreateALine cmdEnd lstReportingTypeCode txtContactName txtContactEmail txtContactPhone "
    "txtPhoneExt cmdResumeReport cmdFromPreviousReport",
    "cmdCreateELine lstPreviousAccounts lstQuarter lstYear txtEAN txtFEIN txtFirstMonth "
    "txtSecondMonth txtThirdMonth txtGrossWages txtEmployeeWithholding txtTaxableWages "
    "txtEmployerContributions",
    "txtSSN txtEmpLastName txtEmpFirstName txtEmployeeMiddleName txtEmployeeGrossWages "
    "txtEmpTaxableWages txtEmployeeCreditWeek cmdAddEmployee cmdImportEmployees "
    "cmdReviewEmployees cmdFillFromPrevious cmdSaveTemplate",
    "EAN_TPAID lstEmployeOrTPA txtSequenceNumber cmdNameFile lstFTPorUPLOAD"};
const QString closing = "Are you sure you want to close the program?";

// One row of the wiring test: the screen's entries wrong in one field (all of them for -1),
// pressed, then put right and pressed again.
const auto verifyWiring = [](const auto valid, int index, int wrongField) {
    // The run brought to the screen (0 contact to 3 naming), with the answers that lead away
    // again, a previous report remembered so that everything it adds to the screens shows too.
    // The contact's filing type is chosen with the screen's other entries.
    FilingRun run;
    run.start();
    run.program->state.previousReport = {"last.CSV", *readReport(aRecord + eRecord + sRecord, {}).filing};
    if (index > 0) {
        run.desktop.answers.append(QList<bool>{true, false, false}.mid(index == 2 ? 0 : 1));
        run.acceptContact();
    }
    if (index > 1) {
        run.enterAccount();
        QApplication::setActiveWindow(&run.program->formNameFile());
    }
    Program &p = *run.program;
    QWidget &screen = *QWidgetList{&p.form1(), &p.form2(), &p.form3(), &p.formNameFile()}[index];
    // Error labels showing a text (red), and entries painted yellow with their accessible
    // descriptions.
    const auto marks = [&] {
        QStringList shown;
        for (QLabel *l : screen.findChildren<QLabel *>())
            if (l->objectName().contains("rror") && !l->text().isEmpty())
                shown << l->objectName() + (l->isVisible() ? ": " : " (hidden): ") + l->text() +
                             (l->palette().windowText().color() == Qt::red ? "" : " (not red)");
        for (QWidget *entry : screen.findChildren<QWidget *>())
            if ((entry->inherits("QLineEdit") || entry->inherits("QListWidget")) && isYellow(entry))
                shown << entry->objectName() + " yellow: " + entry->accessibleDescription();
        shown.sort();
        return shown;
    };
    QStringList wrong, expected, got, tab;
    for (int i = 0; i < int(std::size(fieldsOf(valid))); ++i)
        wrong << fieldsOf(valid)[i].name << wrongEntries[index].split('|')[i];
    const auto entries = with(valid, wrongField < 0 ? wrong : wrong.mid(2 * wrongField, 2));
    for (const auto &row : fieldsOf(entries))
        if (const QString m = row.rule && row.errorLabel ? row.rule(entries) : ""; !m.isEmpty()) {
            expected << row.errorLabel + QString(": ") + m;
            // The naming screen's lists are not painted; of the quarter's and the year's, the one
            // without a choice is.
            const bool quarter = QByteArray(row.box) == "lstQuarter";
            if ((index != 3 || !QByteArray(row.box).startsWith("lst")) && !quarter)
                expected << row.box + QString(" yellow: ") + m;
            for (const QString list : {"QUARTER", "YEAR"})
                if (quarter && m.contains(list))
                    expected << (list == "YEAR" ? "lstYear" : "lstQuarter") + (" yellow: " + m);
        }
    expected.sort();
    FilingRun::fill(screen, entries);
    const QByteArray old = run.workingFile();

    // The naming screen starts afresh after its notice, so the marks are taken while it is up,
    // with the notices shown so far; then its entries are emptied for the next try.
    run.desktop.whileShowing = [&](const auto &) { got = marks() + run.desktop.notices(); };
    FilingRun::press(screen, buttons[index]);
    QCOMPARE(got, index == 3 ? expected << "File name was bad please try naming it again."
                             : QStringList());
    // The yellow stays on the naming screen, the descriptions go with the messages.
    QCOMPARE(marks(), index == 3
                          ? expected.filter(" yellow: ")
                                .replaceInStrings(QRegularExpression("yellow: .*"), "yellow: ")
                          : expected);
    QVERIFY(index != 3 || FilingRun::find<QLineEdit>(screen, "EAN_TPAID")->text().isEmpty());
    // The press wrote nothing. With its messages up (all of them in each screen's first row) the
    // screen still fits a laptop and its entries, lists and buttons stay shown (so the screen
    // does); typed text shows as text, no button is a default one that Enter would press, every
    // entry has a name for a screen reader, and Tab follows the screen's order.
    QVERIFY(run.workingFile() == old && screen.width() <= 1024 && screen.height() <= 700);
    QVERIFY(screen.layout()->totalHeightForWidth(screen.width()) <= screen.height());
    for (QWidget *w : screen.findChildren<QWidget *>(QRegularExpression("^(lbl|txt|lst|cmd)")))
        QVERIFY2(w->isVisible() || w->inherits("QLabel"), qPrintable(w->objectName()));
    for (QLabel *l : screen.findChildren<QLabel *>())
        QVERIFY(l->textFormat() == Qt::PlainText && (l->isVisible() || l->text().isEmpty()));
    for (QPushButton *button : screen.findChildren<QPushButton *>())
        QVERIFY(!button->autoDefault() && !button->isDefault());
    QWidget *stop = FilingRun::find(screen, qPrintable(tabOrders[index].section(' ', 0, 0)));
    for (auto *w = stop; tab.size() < 20 && (tab.isEmpty() || w != stop); w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) // an entry without a name for a screen reader: "?"
            tab << w->objectName() +
                       (w->accessibleName().isEmpty() && !w->inherits("QPushButton") ? "?" : "");
    QCOMPARE(tab.join(' '), tabOrders[index]);

    // Put right, the next press clears every mark and the screen goes on.
    FilingRun::fill(screen, valid);
    FilingRun::press(screen, buttons[index]);
    QCOMPARE(marks() + run.desktop.failures(), QStringList());
    QVERIFY(screen.isHidden() && (run.workingFile().size() > old.size() || run.exists(reportName)));
};
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
            for (int field = -1; field <= wrongEntries[screen].count('|'); ++field)
                if (field != 0 || screen % 2 == 1) // a box of the screen's
                    QTest::addRow("%s %d", buttons[screen], field) << screen << field;
    }
    void wiring()
    {
        QFETCH(int, screen);
        QFETCH(int, wrongField);
        using Valid = std::variant<ContactEntries, EmployerEntries, EmployeeEntries, NamingEntries>;
        const Valid valid[] = {validContact, validEmployer, validEmployee, validNaming};
        std::visit([&](const auto &v) { verifyWiring(v, screen, wrongField); }, valid[screen]);
    }

    // One filing with the detours a person may take: the version page opened, Close Progam
    // answered No, the filing type chosen again, the employer and employee windows
    // closed and answered No (the screen stays as it was), the same keys on the emptied employer
    // screen, the naming screen's prompts, lengths, sequence check and keys. It writes what the
    // screens show, and closing the naming screen ends it without a report.
    void filingWithDetours_writesWhatTheScreensShow()
    {
        FilingRun run;
        run.start(true);
        QCOMPARE(run.desktop.shown.first().title + '\n' + run.desktop.shown.first().text,
                 "Create CSV File for TAVO - version 5\nYou are using version 5.\r\n\r\nPlease "
                 "check https://www.uc.veloria.gov/tavo/csv-tool to see if you have the latest "
                 "version.\r\r\nDo you want to open a browser window to this website?");
        QCOMPARE(run.desktop.openedPages, {QUrl("https://www.uc.veloria.gov/tavo/csv-tool")});
        QVERIFY(!FilingRun::find(run.program->form1(), "cmdCreateALine")->isEnabled());
        run.desktop.answer({false});
        FilingRun::press(run.program->form1(), "cmdEnd");
        QCOMPARE(run.desktop.questions().last(), closing);
        FilingRun::put(run.program->form1(), "lstReportingTypeCode", "O");
        FilingRun::put(run.program->form1(), "lstReportingTypeCode", "A");
        run.acceptContact(with(validContact, {"FILING TYPE", ""}));

        const auto closeAndStay = [&](QWidget &screen, const char *box, const char *button) {
            QWidget *entry = FilingRun::find(screen, box);
            FilingRun::put(screen, box, "12345");
            FilingRun::press(screen, button); // marks it
            entry->setFocus();
            run.desktop.answer({false});
            screen.close();
            QCOMPARE(run.desktop.questions().last(), closing);
            QVERIFY(screen.isVisible() && isYellow(entry) && screen.focusWidget() == entry);
        };
        for (int account = 0; account < 2; ++account) {
            closeAndStay(run.program->form2(), "txtEAN", "cmdCreateELine");
            // Tab into each list, then Down: the way a user picks the second row of a list with
            // the keyboard. The list must then have started afresh: nothing chosen, scrolled to
            // the top, the first row current once it has the focus.
            for (const char *name : {"lstQuarter", "lstYear"}) {
                auto *list = FilingRun::find<QListWidget>(run.program->form2(), name);
                QApplication::setActiveWindow(&run.program->form2());
                QVERIFY(QTest::qWaitForWindowActive(&run.program->form2()));
                QVERIFY(list->selectedItems().isEmpty() && list->verticalScrollBar()->value() == 0);
                list->setFocus(Qt::TabFocusReason);
                QCOMPARE(list->currentRow(), 0);
                QTest::keyClick(list, Qt::Key_Down);
                list->clearFocus(); // and back: the row chosen stays the current one
                list->setFocus(Qt::TabFocusReason);
                QCOMPARE(list->currentRow(), 1);
            }
            // The second time the same account: filed again on Yes to a question whose default is
            // No.
            run.desktop.answers.append(account ? QList<bool>{true, false, false}
                                               : QList<bool>{true});
            run.enterAccount(with(validEmployer, {"QUARTER-YEAR", ""}));
            if (account == 0) {
                closeAndStay(run.program->form3(), "txtSSN", "cmdAddEmployee");
                run.desktop.answer({false, true});
                run.enterEmployee();
            }
        }
        const auto again = run.desktop.shown.at(run.desktop.shown.size() - 3);
        QCOMPARE(again.text + QString::number(again.yesByDefault),
                 "Account 0123456 is already in this filing. File it a second time?0");
        const QByteArray e = QByteArray(eRecord).replace("22026", "22025");
        QCOMPARE(run.workingFile(), QByteArray(aRecord).replace("A,O,", "A,A,") + e + sRecord + e);

        FormNameFile &naming = run.program->formNameFile();
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
            QTRY_COMPARE(QApplication::focusWidget(),
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
        const QStringList left = {"Form3", "Form2", "FormNameFile", "ended", "ended", "ended"};
        for (int way = 0; way < 6; ++way) {
            FilingRun run;
            run.fileOneAccount({true, true}, 1);
            if (way == 0)
                run.program->form2().show();
            if (way >= 4)
                run.restart(), run.start();
            auto *type = FilingRun::find<QListWidget>(run.program->form1(), "lstReportingTypeCode");
            run.desktop.answers.append(answers.value(way));
            if (way < 3)
                cNeededRoutines(*run.program).doneAddingEmployees();
            else if (way == 4)
                FilingRun::press(run.program->form1(), "cmdEnd");
            else // its frame's close button: the employee screen, or the new run's contact screen
                (way == 3 ? static_cast<QWidget &>(run.program->form3()) : *type->window()).close();
            QCOMPARE(run.visibleScreens().join("") + (run.desktop.ended ? "ended" : ""), left[way]);
            QCOMPARE(run.desktop.questions().last() == closing, way == 3 || way == 4);
            QCOMPARE(type->selectedItems().isEmpty(), way == 2 || way >= 4);
            QCOMPARE(run.workingFile(), aRecord + eRecord + sRecord);
            QVERIFY(way != 0 || FilingRun::find(run.program->form3(), "txtSSN")->isVisible());
        }
    }

    // The real boxes (the keyboard end-to-end test answers them on a real display): no icon, Yes
    // the default, Escape for No, text as plain text; a notice the same way with OK; the findings
    // list, named for a screen reader, and its Close button.
    void realDialogs()
    {
        // Each box is looked at as soon as it is up, then answered with the key.
        const auto whenUp = [](const QString &text, auto icon, auto byDefault, Qt::Key key) {
            QTimer::singleShot(0, [=] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                QVERIFY(box && box->icon() == icon && box->text() == text);
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
        whenUp("Error 5", QMessageBox::Critical, QMessageBox::Ok, Qt::Key_Return);
        QtDesktop().showFailure("Error 5");
        QTimer::singleShot(0, [] {
            auto *list = QApplication::activeModalWidget()->findChild<QPlainTextEdit *>();
            QVERIFY(list->isReadOnly() && !list->accessibleName().isEmpty());
            QCOMPARE(list->toPlainText(), "line 1, SSN: a\nline 2, line: b");
            QCOMPARE(list->window()->findChild<QLabel *>()->text(), "Nothing was imported.");
            QCOMPARE(list->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QTest::mouseClick(list->window()->findChild<QPushButton *>(), Qt::LeftButton);
        });
        QtDesktop().showFindings("Import Employees", "Nothing was imported.",
                                 {"line 1, SSN: a", "line 2, line: b"});
    }
};

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
