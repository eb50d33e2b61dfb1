// The real dialogs of the desktop: message boxes without an icon, Yes the default, Enter answers
// Yes and Escape No, a notice closes with either key; the findings list closes with Escape and the
// file dialog takes a typed name.

#include "app/desktop.h"
#include "filingrun.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace
{
// Presses the key on the message box as soon as it is up, noting its text, title, icon and default.
void pressOnNextBox(Qt::Key key, QStringList &seen)
{
    QTimer::singleShot(0, [key, &seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        seen = QStringList{box->text(), box->windowTitle(), QString::number(box->icon()),
                           box->defaultButton() ? box->defaultButton()->text().remove(u'&') : ""};
        QTest::keyClick(box, key);
    });
}
} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void messageBoxes()
    {
        QtDesktop desktop;
        QStringList seen;
        for (const auto &[key, yes] : {std::pair{Qt::Key_Return, true}, {Qt::Key_Escape, false}}) {
            pressOnNextBox(key, seen);
            QCOMPARE(desktop.ask("Add an additional employee?", "A title"), yes);
            QCOMPARE(seen, (QStringList{"Add an additional employee?", "A title", "0", "Yes"}));
            pressOnNextBox(key, seen);
            desktop.tell("File name was bad please try naming it again.", QString());
            QCOMPARE(seen.mid(0, 3),
                     (QStringList{"File name was bad please try naming it again.", "", "0"}));
        }
    }

    void findingsCloseWithEscape_fileNameTyped()
    {
        QtDesktop desktop;
        QTimer::singleShot(0, [] {
            auto *list = QApplication::activeModalWidget()->findChild<QPlainTextEdit *>();
            QVERIFY(list->isReadOnly());
            QCOMPARE(list->toPlainText(), "line 1, SSN: a\nline 2, line: b");
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        desktop.showFindings("Import Employees", {"line 1, SSN: a", "line 2, line: b"});

        FilingRun run;
        run.write("staff.csv", "x");
        QTimer::singleShot(0, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QCOMPARE(dialog->windowTitle(), "Import Employees");
            QTest::keyClicks(dialog->focusWidget(), "staff.csv");
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(desktop.chooseFileToOpen("Import Employees", "All files (*)"),
                 run.path("staff.csv"));
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
