// What the keyboard and the window frame can do to a filing: no key press or closing of a window
// may lose records, throw a finished filing away or write something the screen does not show.
// And the real dialogs of the desktop: Enter answers Yes and Escape No.

#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

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

// Runs `act` on the modal dialog as soon as it is up.
template <typename F> void onNextDialog(F act)
{
    QTimer::singleShot(0, [act] { act(QApplication::activeModalWidget()); });
}
} // namespace

class KeysTest : public QObject
{
    Q_OBJECT

private slots:
    // The lists of a screen emptied for the next account or after a bad name start afresh.
    void sameKeysGiveSameChoices_onEmptiedScreens()
    {
        FilingRun run;
        run.start();
        run.acceptContact();
        run.desktop.answer({false, true, false, false}); // no employees; one more account
        for (int round = 0; round < 2; ++round) {
            tabInAndDown(run.program->form2(), "lstQuarter");
            tabInAndDown(run.program->form2(), "lstYear");
            run.enterAccount(with(validEmployer, {"QUARTER-YEAR", "", "YEAR", ""}));
        }
        QCOMPARE(run.workingFile(),
                 aRecord + QByteArray(eRecord).replace("22026", "22025").repeated(2));
        FormNameFile &naming = run.program->formNameFile();
        for (int round = 0; round < 2; ++round) {
            tabInAndDown(naming, "lstEmployeOrTPA");
            QCOMPARE(FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA")->currentRow(), 1);
            FilingRun::press(naming, "cmdNameFile"); // no method, no number: a bad name
        }
        QCOMPARE(run.desktop.notices().size(), 2);
    }

    void namingScreen_escapeAndEnterDoNothing_closingEnds()
    {
        FilingRun run;
        run.fileOneAccount({false, false});
        FormNameFile &naming = run.program->formNameFile();
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
        QVERIFY(run.desktop.ended && run.visibleScreens().isEmpty());
        QCOMPARE(run.files(), QStringList{"testFile.TXT"});
        QCOMPARE(run.workingFile(), aRecord + eRecord);
    }

    void closingEmployerOrEmployeeWindow_asksFirst()
    {
        for (const bool employeeScreen : {false, true}) {
            for (const bool yes : {false, true}) {
                FilingRun run;
                run.fileOneAccount({true});
                QWidget *screen = &run.program->form3();
                if (employeeScreen) {
                    run.enterEmployee(with(validEmployee, {"SSN", "12345"})); // marks it
                } else {
                    run.desktop.answer({false, true}); // no more employees, another account
                    run.enterEmployee();
                    screen = &run.program->form2();
                    run.enterAccount(with(EmployerEntries{}, {"ACCOUNT NUMBER", "12345"}));
                }
                auto *box =
                    FilingRun::find<QLineEdit>(*screen, employeeScreen ? "txtSSN" : "txtEAN");
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
                QVERIFY(box->text() == "12345" && isYellow(box));
                QVERIFY(yes || screen->focusWidget() == box);
            }
        }
    }

    void filingType_cannotBeDeselected()
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

    void earlierWorkingFile_keptAsPrevious()
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

    void namingChoices_knownByRow_anUnknownOneFailsVisibly()
    {
        for (const bool addedRow : {false, true}) {
            FilingRun run;
            run.fileOneAccount({false, false});
            FormNameFile &naming = run.program->formNameFile();
            auto *kind = FilingRun::find<QListWidget>(naming, "lstEmployeOrTPA");
            if (addedRow)
                kind->addItem(QString());
            kind->item(addedRow ? 2 : 0)->setText("Employer (account number)");
            FilingRun::put(naming, "lstEmployeOrTPA", "Employer (account number)");
            FilingRun::fill(naming,
                            with(validNaming, {"FILER KIND", "", "FILING METHOD", "FILE UPLOAD"}));
            FilingRun::press(naming, "cmdNameFile");
            QVERIFY(run.desktop.ended);
            QCOMPARE(run.desktop.failures().size(), addedRow ? 1 : 0);
            QCOMPARE(run.desktop.exitCode, addedRow ? 1 : 0);
            QCOMPARE(run.exists("FILEUPLOAD_WR4-4B_0123456.CSV"), !addedRow);
        }
    }

    // The real boxes: no icon, Yes the default, Enter answers Yes and Escape No; a notice closes
    // with either key; the findings list closes with Escape; the file dialog takes a typed name.
    void realDialogs()
    {
        QtDesktop desktop;
        QStringList seen;
        const auto pressOnBox = [&seen](Qt::Key key) {
            onNextDialog([key, &seen](QWidget *dialog) {
                auto *box = qobject_cast<QMessageBox *>(dialog);
                QVERIFY(box);
                seen = QStringList{box->text(), box->windowTitle(), QString::number(box->icon()),
                                   box->defaultButton()->text().remove(u'&')};
                QTest::keyClick(box, key);
            });
        };
        for (const auto &[key, yes] : {std::pair{Qt::Key_Return, true}, {Qt::Key_Escape, false}}) {
            pressOnBox(key);
            QCOMPARE(desktop.ask("Add an additional employee?", "A title"), yes);
            QCOMPARE(seen, (QStringList{"Add an additional employee?", "A title", "0", "Yes"}));
            pressOnBox(key);
            desktop.tell("File name was bad please try naming it again.", QString());
            QCOMPARE(seen.mid(0, 3),
                     (QStringList{"File name was bad please try naming it again.", "", "0"}));
        }

        onNextDialog([](QWidget *dialog) {
            auto *list = dialog->findChild<QPlainTextEdit *>();
            QVERIFY(list->isReadOnly());
            QCOMPARE(list->toPlainText(), "line 1, SSN: a\nline 2, line: b");
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        desktop.showFindings("Import Employees", {"line 1, SSN: a", "line 2, line: b"});

        FilingRun run;
        run.write("staff.csv", "x");
        onNextDialog([](QWidget *dialog) {
            QCOMPARE(dialog->windowTitle(), "Import Employees");
            QTest::keyClicks(dialog->focusWidget(), "staff.csv");
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(desktop.chooseFileToOpen("Import Employees", "All files (*)"),
                 run.path("staff.csv"));
    }
};

QTEST_MAIN(KeysTest)
#include "tst_keys.moc"
