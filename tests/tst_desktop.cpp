// The program as a keyboard and screen reader user meets it: the real message boxes answer to
// Enter and Escape, and every entry carries its caption and, while it is marked, its message.

#include "app/desktop.h"
#include "contact/form1.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "output/formnamefile.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace
{
// Presses a key on the message box as soon as it is up.
void pressOnNextBox(Qt::Key key, QString *seenText = nullptr, QString *seenTitle = nullptr)
{
    QTimer::singleShot(0, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        if (seenText)
            *seenText = box->text();
        if (seenTitle)
            *seenTitle = box->windowTitle();
        QTest::keyClick(box, key);
    });
}

QString accessible(QWidget *widget, QAccessible::Text what)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(what) : QStringLiteral("<no interface>");
}

void checkEveryEntryNamed(QWidget *screen)
{
    const QList<QWidget *> entries = screen->findChildren<QWidget *>();
    for (QWidget *entry : entries) {
        if (!qobject_cast<QLineEdit *>(entry) && !qobject_cast<QListWidget *>(entry))
            continue;
        QVERIFY2(!accessible(entry, QAccessible::Name).isEmpty(), qPrintable(entry->objectName()));
    }
}
} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void questions_enterAnswersYes_escapeAnswersNo();
    void notices_enterAndEscapeClose();
    void everyEntryAnnouncesItsCaption();
    void markedEntryAnnouncesItsMessage_untilItPasses();
};

void DesktopTest::questions_enterAnswersYes_escapeAnswersNo()
{
    QtDesktop desktop;
    QString text;
    QString title;
    pressOnNextBox(Qt::Key_Return, &text, &title);
    QVERIFY(desktop.ask(QStringLiteral("Add an additional employee?"), QString()));
    QCOMPARE(text, QStringLiteral("Add an additional employee?"));

    pressOnNextBox(Qt::Key_Escape);
    QVERIFY(!desktop.ask(QStringLiteral("Add an additional employee?"), QString()));

    pressOnNextBox(Qt::Key_Return, &text, &title);
    QVERIFY(desktop.ask(Program::versionNotice(), Program::versionNoticeTitle));
    QCOMPARE(title, Program::versionNoticeTitle);
}

void DesktopTest::notices_enterAndEscapeClose()
{
    QtDesktop desktop;
    QString text;
    pressOnNextBox(Qt::Key_Return, &text);
    desktop.tell(QStringLiteral("File name was bad please try naming it again."), QString());
    QCOMPARE(text, QStringLiteral("File name was bad please try naming it again."));
    pressOnNextBox(Qt::Key_Escape);
    desktop.tell(QStringLiteral("closing"), QString());
}

void DesktopTest::everyEntryAnnouncesItsCaption()
{
    FilingRun run;
    run.start();
    QCOMPARE(accessible(run.program->form1().ui.txtContactName, QAccessible::Name),
             QStringLiteral("Contact Name"));
    QCOMPARE(accessible(run.program->form1().ui.lstReportingTypeCode, QAccessible::Name),
             QStringLiteral("Report Filing Type"));
    checkEveryEntryNamed(&run.program->form1());
    checkEveryEntryNamed(&run.program->form2());
    QCOMPARE(accessible(run.program->form2().ui.lstQuarter, QAccessible::Name),
             QStringLiteral("Quarter"));
    checkEveryEntryNamed(&run.program->form3());
    QCOMPARE(accessible(run.program->form3().ui.txtEmployeeCreditWeek, QAccessible::Name),
             QStringLiteral("Employee Credit Weeks"));

    // The number box is named by the prompt that the filer kind sets.
    FormNameFile &naming = run.program->formNameFile();
    naming.show();
    FilingRun::choose(naming.ui.lstEmployeOrTPA, QStringLiteral("TPA"));
    QCOMPARE(accessible(naming.ui.EAN_TPAID, QAccessible::Name),
             QStringLiteral("What is your TPAID? Enter all 10 digits including leading zeroes, "
                            "excluding hyphen."));
    checkEveryEntryNamed(&naming);
}

void DesktopTest::markedEntryAnnouncesItsMessage_untilItPasses()
{
    FilingRun run;
    run.start();
    run.acceptContact(QStringLiteral("Original"), QStringLiteral("Mary"),
                      QStringLiteral("mary@example"));
    auto &contact = run.program->form1().ui;
    QCOMPARE(accessible(contact.txtContactEmail, QAccessible::Description),
             QStringLiteral("CONTACT EMAIL must be a valid email address format"));
    QCOMPARE(accessible(contact.txtContactName, QAccessible::Description), QString());
    FilingRun::type(contact.txtContactEmail, QStringLiteral("mary@example.com"));
    FilingRun::press(contact.cmdCreateALine);
    QCOMPARE(accessible(contact.txtContactEmail, QAccessible::Description), QString());

    FilingRun::Account account;
    account.quarter.clear();
    run.enterAccount(account);
    QCOMPARE(accessible(run.program->form2().ui.lstQuarter, QAccessible::Description),
             QStringLiteral("You must select a QUARTER for this filing."));
}

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
