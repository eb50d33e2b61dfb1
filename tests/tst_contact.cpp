#include "rules/contactrules.h"
#include "contact/form1.h"
#include "employer/form2.h"
#include "filingrun.h"
#include "validation/fielddisplay.h"

#include <QApplication>
#include <QFile>
#include <QTest>

namespace
{
const QString nameBlank = QStringLiteral("CONTACT NAME must not be blank");
const QString nameLong = QStringLiteral("CONTACT NAME too long must only be 50 characters long");
const QString nameChars =
    QStringLiteral("CONTACT NAME must only contain alphanumerics, apostrophe, space and hyphen.");
const QString phoneBlank = QStringLiteral("CONTACT PHONE NUMBER must not be blank");
const QString phoneLength = QStringLiteral("CONTACT PHONE NUMBER must be 10 digits long");
const QString phoneDigits =
    QStringLiteral("CONTACT PHONE NUMBER must only contain the digits 0 to 9.");
const QString emailBlank = QStringLiteral("CONTACT EMAIL must not be blank");
const QString emailLong = QStringLiteral("CONTACT EMAIL too long must only be 320 characters long");
const QString emailFormat = QStringLiteral("CONTACT EMAIL must be a valid email address format");
const QString extLong =
    QStringLiteral("CONTACT PHONE EXTENSION too long must only be 5 characters long");
const QString extDigits =
    QStringLiteral("CONTACT PHONE EXTENSION must only contain the digits 0 to 9.");

} // namespace

class ContactTest : public QObject
{
    Q_OBJECT

private slots:
    void rules_data();
    void rules();

    void versionNotice_noOpensNothingAndShowsEmptyContactScreen();
    void versionNotice_yesOpensTheVersionPage();
    void screenOpens_continueDisabledFocusOnCloseAndTabOrder();
    void choosingByKeyboard_enablesContinue();
    void lastChoiceCounts_amendedThenOriginalGivesO();

    void allEmpty_marksNamePhoneEmailNotExtension_writesNothing();
    void twoWrongFields_bothMarked_correctedOneClearedOnNextPress();
    void continue_writesTheARecordAndOpensTheEmployerScreen();
    void continue_replacesAnOlderWorkingFileWithOneLine();
    void surroundingSpacesAndEmptyExtension_writtenAsTyped();
    void badInput_marksTheFieldAndWritesNothing_data();
    void badInput_marksTheFieldAndWritesNothing();

    void closeProgram_noKeepsEntriesAndMarks();
    void closeProgram_yesEndsAndLeavesTheWorkingFileAlone();
    void closingTheWindow_endsWithoutAQuestion();

    void workingFileIsAFolder_failureMessageAndEnd();
    void fullDisk_failureMessageAndEnd();
};

void ContactTest::rules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    QTest::newRow("name blank") << "name"
                                << "" << nameBlank;
    QTest::newRow("name spaces") << "name"
                                 << "    " << nameBlank;
    QTest::newRow("name 50") << "name" << QString(50, u'a') << "";
    QTest::newRow("name 51, length before characters")
        << "name" << QString(50, u'.') + u'a' << nameLong;
    QTest::newRow("name letters digits apostrophe hyphen") << "name"
                                                           << " Mary O'Neil-Smith 2nd "
                                                           << "";
    QTest::newRow("name full stop") << "name"
                                    << "Mary S. Smith" << nameChars;
    QTest::newRow("name comma") << "name"
                                << "Smith, Mary" << nameChars;

    QTest::newRow("phone blank") << "phone"
                                 << "  " << phoneBlank;
    QTest::newRow("phone with dashes") << "phone"
                                       << "800-555-1234" << phoneLength;
    QTest::newRow("phone letter") << "phone"
                                  << "80055512a4" << phoneDigits;
    QTest::newRow("phone leading space") << "phone"
                                         << " 8005551234" << phoneDigits;
    QTest::newRow("phone trailing spaces") << "phone"
                                           << "8005551234   "
                                           << "";

    QTest::newRow("email blank") << "email"
                                 << "" << emailBlank;
    QTest::newRow("email ok") << "email"
                              << "mary.smith@mail.example.com"
                              << "";
    QTest::newRow("email no at") << "email"
                                 << "mary.example.com" << emailFormat;
    QTest::newRow("email dot right after at") << "email"
                                              << "mary@.com" << emailFormat;
    QTest::newRow("email double dot after at") << "email"
                                               << "mary@example..com" << emailFormat;
    QTest::newRow("email double dot before at") << "email"
                                                << "mary..s@example.com"
                                                << "";
    QTest::newRow("email two at") << "email"
                                  << "mary@ex@ample.com" << emailFormat;
    QTest::newRow("email space") << "email"
                                 << "mary smith@example.com" << emailFormat;
    QTest::newRow("email comma") << "email"
                                 << "mary,smith@example.com" << emailFormat;
    QTest::newRow("email ends with dot") << "email"
                                         << "mary@example.com." << emailFormat;
    QTest::newRow("email dot then spaces") << "email"
                                           << "mary@example.com.  "
                                           << "";
    QTest::newRow("email 320") << "email" << QString(308, u'a') + "@example.com"
                               << "";
    QTest::newRow("email 321") << "email" << QString(309, u'a') + "@example.com" << emailLong;

    QTest::newRow("ext empty") << "ext"
                               << ""
                               << "";
    QTest::newRow("ext spaces") << "ext"
                                << "   "
                                << "";
    QTest::newRow("ext 5") << "ext"
                           << "12345"
                           << "";
    QTest::newRow("ext 6") << "ext"
                           << "123456" << extLong;
    QTest::newRow("ext letter") << "ext"
                                << "12a" << extDigits;
}

void ContactTest::rules()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QString actual;
    if (field == "name")
        actual = ContactRules::contactName(text);
    else if (field == "phone")
        actual = ContactRules::contactPhone(text);
    else if (field == "email")
        actual = ContactRules::contactEmail(text);
    else
        actual = ContactRules::phoneExtension(text);
    QCOMPARE(actual, message);
}

void ContactTest::versionNotice_noOpensNothingAndShowsEmptyContactScreen()
{
    FilingRun run;
    run.start(false);
    QCOMPARE(run.desktop.shown.size(), 1);
    QCOMPARE(run.desktop.shown.first().title,
             QStringLiteral("Create CSV File for TAVO - version 5"));
    QCOMPARE(run.desktop.shown.first().text,
             QStringLiteral("You are using version 5.\r\n\r\nPlease check "
                            "https://www.uc.veloria.gov/tavo/csv-tool to see if you have the "
                            "latest version.\r\r\nDo you want to open a browser window to this "
                            "website?"));
    QVERIFY(run.desktop.openedPages.isEmpty());

    auto &ui = run.program->form1().ui;
    QVERIFY(run.program->form1().isVisible());
    QCOMPARE(run.program->form1().windowTitle(), QStringLiteral("Create CSV file - version 2"));
    QVERIFY(ui.lstReportingTypeCode->selectedItems().isEmpty());
    for (QLineEdit *box :
         {ui.txtContactName, ui.txtContactEmail, ui.txtContactPhone, ui.txtPhoneExt})
        QVERIFY(box->text().isEmpty());
    QVERIFY(!run.exists("testFile.TXT"));
}

void ContactTest::versionNotice_yesOpensTheVersionPage()
{
    FilingRun run;
    run.start(true);
    QCOMPARE(run.desktop.openedPages,
             QList<QUrl>{QUrl(QStringLiteral("https://www.uc.veloria.gov/tavo/csv-tool"))});
    QVERIFY(run.program->form1().isVisible());
}

void ContactTest::screenOpens_continueDisabledFocusOnCloseAndTabOrder()
{
    FilingRun run;
    run.start();
    Form1 &form = run.program->form1();
    QApplication::setActiveWindow(&form);
    QVERIFY(!form.ui.cmdCreateALine->isEnabled());
    QCOMPARE(QApplication::focusWidget(), form.ui.cmdEnd);

    form.ui.cmdCreateALine->setEnabled(true); // to walk the whole chain
    QStringList order;
    QWidget *widget = form.ui.cmdCreateALine;
    do {
        if (widget->focusPolicy() & Qt::TabFocus)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != form.ui.cmdCreateALine);
    QCOMPARE(order,
             (QStringList{"cmdCreateALine", "cmdEnd", "lstReportingTypeCode", "txtContactName",
                          "txtContactEmail", "txtContactPhone", "txtPhoneExt"}));
    QCOMPARE(form.ui.lblReportType->text(),
             QStringLiteral("Choose the type of report you wish to file  "));
    QCOMPARE(form.ui.cmdEnd->text(), QStringLiteral("Close Progam"));
}

void ContactTest::choosingByKeyboard_enablesContinue()
{
    FilingRun run;
    run.start();
    auto &ui = run.program->form1().ui;
    // Taking the focus gives the list a current row, which is not a choice.
    ui.lstReportingTypeCode->setFocus();
    ui.lstReportingTypeCode->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QVERIFY(!ui.cmdCreateALine->isEnabled());
    QTest::keyClick(ui.lstReportingTypeCode, Qt::Key_Down);
    QVERIFY(ui.cmdCreateALine->isEnabled());
    QCOMPARE(run.program->reportingTypeCode, QStringLiteral("A"));
    QTest::keyClick(ui.lstReportingTypeCode, Qt::Key_Up);
    QCOMPARE(run.program->reportingTypeCode, QStringLiteral("O"));
}

void ContactTest::lastChoiceCounts_amendedThenOriginalGivesO()
{
    FilingRun run;
    run.start();
    FilingRun::choose(run.program->form1().ui.lstReportingTypeCode, "Amended");
    run.acceptContact("Original");
    QVERIFY(run.workingFile().startsWith("A,O,"));
}

void ContactTest::allEmpty_marksNamePhoneEmailNotExtension_writesNothing()
{
    FilingRun run;
    run.start();
    auto &ui = run.program->form1().ui;
    FilingRun::choose(ui.lstReportingTypeCode, "Original");
    FilingRun::press(ui.cmdCreateALine);

    QCOMPARE(ui.lblContactNameError->text(), nameBlank);
    QCOMPARE(ui.lblContactPhoneError->text(), phoneBlank);
    QCOMPARE(ui.lblEmailError->text(), emailBlank);
    QCOMPARE(ui.lblphoneExtError->text(), QString());
    QVERIFY(isYellow(ui.txtContactName));
    QVERIFY(isYellow(ui.txtContactPhone));
    QVERIFY(isYellow(ui.txtContactEmail));
    QVERIFY(!isYellow(ui.txtPhoneExt));
    QVERIFY(!run.exists("testFile.TXT"));
    QVERIFY(run.program->form1().isVisible());
    QCOMPARE(ui.lblContactNameError->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void ContactTest::twoWrongFields_bothMarked_correctedOneClearedOnNextPress()
{
    FilingRun run;
    run.start();
    auto &ui = run.program->form1().ui;
    run.acceptContact("Original", "Mary Smith", "mary@example", "800555123", "");
    QCOMPARE(ui.lblEmailError->text(), emailFormat);
    QCOMPARE(ui.lblContactPhoneError->text(), phoneLength);
    QVERIFY(isYellow(ui.txtContactEmail));
    QVERIFY(isYellow(ui.txtContactPhone));
    QVERIFY(!isYellow(ui.txtContactName));

    // Typing into a marked field does not clear its mark; the next press does.
    FilingRun::type(ui.txtContactPhone, "8005551234");
    QVERIFY(isYellow(ui.txtContactPhone));
    FilingRun::press(ui.cmdCreateALine);
    QCOMPARE(ui.lblContactPhoneError->text(), QString());
    QVERIFY(!isYellow(ui.txtContactPhone));
    QCOMPARE(ui.lblEmailError->text(), emailFormat);
    QVERIFY(isYellow(ui.txtContactEmail));
    QVERIFY(!run.exists("testFile.TXT"));
}

void ContactTest::continue_writesTheARecordAndOpensTheEmployerScreen()
{
    FilingRun run;
    run.start();
    run.acceptContact("Original", "Mary Smith", "mary@example.com", "8005551234", "");
    QCOMPARE(run.workingFile(), QByteArray("A,O,Mary Smith,mary@example.com,8005551234,, , , , , "
                                           "\r\n"));
    QCOMPARE(run.program->tempLine,
             QStringLiteral("A,O,Mary Smith,mary@example.com,8005551234,, , , , , "));
    QVERIFY(!run.program->form1().isVisible());
    Form2 &employer = run.program->form2();
    QVERIFY(employer.isVisible());
    QVERIFY(employer.ui.lblQuarterFilingFor->isVisible());
    QVERIFY(employer.ui.lstQuarter->isVisible());
    QCOMPARE(run.desktop.shown.size(), 1); // the version notice only
    QVERIFY(!run.desktop.ended);
}

void ContactTest::continue_replacesAnOlderWorkingFileWithOneLine()
{
    FilingRun run;
    const QByteArray older("A,O,Old,old@example.com,1111111111,, , , , , \r\nE,1\r\nS,2\r\n");
    run.write("testFile.TXT", older);
    run.start();
    auto &ui = run.program->form1().ui;
    run.acceptContact("Amended", "", "x@y.z", "8005551234", "77");
    QCOMPARE(run.workingFile(), older); // a failing Continue leaves it untouched
    FilingRun::type(ui.txtContactName, "Jo");
    FilingRun::press(ui.cmdCreateALine);
    QCOMPARE(run.workingFile(), QByteArray("A,A,Jo,x@y.z,8005551234,77, , , , , \r\n"));
}

void ContactTest::surroundingSpacesAndEmptyExtension_writtenAsTyped()
{
    FilingRun run;
    run.start();
    run.acceptContact("Amended", "  Mary Smith ", "mary@example.com  ", "8005551234  ", "  ");
    QCOMPARE(run.workingFile(),
             QByteArray("A,A,  Mary Smith ,mary@example.com  ,8005551234  ,  , , , , , \r\n"));
}

void ContactTest::badInput_marksTheFieldAndWritesNothing_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString longPaste = QString(5000, u'x');
    QTest::newRow("name long paste") << "txtContactName" << longPaste << nameLong;
    QTest::newRow("name comma") << "txtContactName"
                                << "Smith, Mary" << nameChars;
    QTest::newRow("name quote") << "txtContactName"
                                << "Mary \"Mo\" Smith" << nameChars;
    QTest::newRow("name tab") << "txtContactName"
                              << "Mary\tSmith" << nameChars;
    QTest::newRow("name accented")
        << "txtContactName" << QString::fromUtf8("Zoë Müller") << nameChars;
    QTest::newRow("name non-Latin") << "txtContactName" << QString::fromUtf8("Мария") << nameChars;
    QTest::newRow("name emoji") << "txtContactName" << QString::fromUtf8("Mary 😀") << nameChars;
    QTest::newRow("email long paste") << "txtContactEmail" << longPaste << emailLong;
    QTest::newRow("email quote") << "txtContactEmail"
                                 << "\"mary\"@example.com" << emailFormat;
    QTest::newRow("email tab") << "txtContactEmail"
                               << "mary@example.com\t" << emailFormat;
    QTest::newRow("email accented")
        << "txtContactEmail" << QString::fromUtf8("zoë@example.com") << emailFormat;
    QTest::newRow("email emoji") << "txtContactEmail" << QString::fromUtf8("😀@example.com")
                                 << emailFormat;
    QTest::newRow("phone long paste") << "txtContactPhone" << QString(5000, u'1') << phoneLength;
    QTest::newRow("phone comma") << "txtContactPhone"
                                 << "800,555,12" << phoneDigits;
    QTest::newRow("phone Arabic-Indic digits")
        << "txtContactPhone" << QString::fromUtf8("٨٠٠٥٥٥١٢٣٤") << phoneDigits;
    QTest::newRow("ext tab") << "txtPhoneExt"
                             << "12\t" << extDigits;
    QTest::newRow("ext quote") << "txtPhoneExt"
                               << "\"12\"" << extDigits;
    QTest::newRow("ext emoji") << "txtPhoneExt" << QString::fromUtf8("😀") << extDigits;
}

void ContactTest::badInput_marksTheFieldAndWritesNothing()
{
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);

    FilingRun run;
    run.start();
    Form1 &form = run.program->form1();
    FilingRun::choose(form.ui.lstReportingTypeCode, "Original");
    FilingRun::type(form.ui.txtContactName, "Mary Smith");
    FilingRun::type(form.ui.txtContactEmail, "mary@example.com");
    FilingRun::type(form.ui.txtContactPhone, "8005551234");
    auto *entry = form.findChild<QLineEdit *>(box);
    QVERIFY(entry);
    FilingRun::paste(entry, text);
    FilingRun::press(form.ui.cmdCreateALine);

    QVERIFY(isYellow(entry));
    const QString labelName = QHash<QString, QString>{
        {"txtContactName", "lblContactNameError"},
        {"txtContactEmail", "lblEmailError"},
        {"txtContactPhone", "lblContactPhoneError"},
        {"txtPhoneExt",
         "lblphoneExtError"}}.value(box);
    QCOMPARE(form.findChild<QLabel *>(labelName)->text(), message);
    QCOMPARE(entry->accessibleDescription(), message);
    QVERIFY(!run.exists("testFile.TXT"));
}

void ContactTest::closeProgram_noKeepsEntriesAndMarks()
{
    FilingRun run;
    run.start();
    auto &ui = run.program->form1().ui;
    run.acceptContact("Amended", "Mary Smith", "bad", "8005551234", "");
    run.desktop.answer({false});
    FilingRun::press(ui.cmdEnd);

    QCOMPARE(run.desktop.questions().last(),
             QStringLiteral("Are you sure you want to close the program?"));
    QCOMPARE(run.desktop.shown.last().title, QString());
    QVERIFY(!run.desktop.ended);
    QVERIFY(run.program->form1().isVisible());
    QCOMPARE(ui.txtContactName->text(), QStringLiteral("Mary Smith"));
    QCOMPARE(ui.txtContactEmail->text(), QStringLiteral("bad"));
    QCOMPARE(ui.lblEmailError->text(), emailFormat);
    QVERIFY(isYellow(ui.txtContactEmail));
    QCOMPARE(selectedText(ui.lstReportingTypeCode), QStringLiteral("Amended"));
}

void ContactTest::closeProgram_yesEndsAndLeavesTheWorkingFileAlone()
{
    FilingRun run;
    const QByteArray older("A,O,Old,old@example.com,1111111111,, , , , , \r\n");
    run.write("testFile.TXT", older);
    run.start();
    auto &ui = run.program->form1().ui;
    run.acceptContact("Original", "", "", "", ""); // marks showing
    run.desktop.answer({true});
    FilingRun::press(ui.cmdEnd);
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.exitCode, 0);
    QVERIFY(!run.program->form1().isVisible());
    QCOMPARE(run.workingFile(), older);
}

void ContactTest::closingTheWindow_endsWithoutAQuestion()
{
    FilingRun run;
    run.start();
    run.program->form1().close();
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.questions().size(), 1); // the version notice only
    QVERIFY(!run.exists("testFile.TXT"));
}

void ContactTest::workingFileIsAFolder_failureMessageAndEnd()
{
    FilingRun run;
    QVERIFY(QDir(run.path(".")).mkdir("testFile.TXT"));
    run.start();
    run.acceptContact();
    QCOMPARE(run.desktop.failures().size(), 1);
    const QString message = run.desktop.failures().first();
    QVERIFY2(message.contains(QRegularExpression("^Error [1-9][0-9]*: \\S")), qPrintable(message));
    QVERIFY(message.contains("testFile.TXT"));
    QVERIFY(run.desktop.ended);
    QVERIFY(run.desktop.exitCode != 0);
    // The run stops where it failed: no employer screen comes up.
    QVERIFY(run.visibleScreens().isEmpty());
}

void ContactTest::fullDisk_failureMessageAndEnd()
{
#ifdef Q_OS_LINUX
    FilingRun run;
    QVERIFY(QFile::link("/dev/full", run.path("testFile.TXT")));
    run.start();
    run.acceptContact();
    QCOMPARE(run.desktop.failures().size(), 1);
    QVERIFY2(run.desktop.failures().first().startsWith("Error 28: No space left on device"),
             qPrintable(run.desktop.failures().first()));
    QVERIFY(run.desktop.ended);
    QVERIFY(run.visibleScreens().isEmpty());
#else
    QSKIP("needs /dev/full");
#endif
}

QTEST_MAIN(ContactTest)
#include "tst_contact.moc"
