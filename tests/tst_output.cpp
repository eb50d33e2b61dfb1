#include "app/neededroutines.h"
#include "filingrun.h"
#include "output/formnamefile.h"
#include "output/reportfile.h"
#include "output/workingfile.h"
#include "validation/fielddisplay.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace
{
const QString badNameNotice = QStringLiteral("File name was bad please try naming it again.");
const QString replaceQuestion =
    QStringLiteral("File with the name already exists, do you want to overwrite it?");
const QString employerPrompt = QStringLiteral("Enter your 7 digit Veloria Unemployment "
                                              "Compensation Tax account number, without the dash.");
const QString tpaPrompt = QStringLiteral(
    "What is your TPAID? Enter all 10 digits including leading zeroes, excluding hyphen.");
const QString kindMissing = QStringLiteral("You must select either Employer or TPAID");
const QString methodMissing = QStringLiteral("You must select either File Upload or FTP");
const QString sequenceBad = QStringLiteral("SEQUENCE NUMBER must be alphanumerics");
const QByteArray records("A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n"
                         "E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n");

QString closingMessage(const QString &name)
{
    return QStringLiteral("File named ") + name +
           QStringLiteral(" has been created. This CSV file will be stored in the same location "
                          "where this program is located.  The program is now closing\u2026");
}

QString focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// The naming screen as the flow opens it, over a complete working file.
FormNameFile &openNamingScreen(FilingRun &run, const QString &reportingType = "O")
{
    run.write("testFile.TXT", records);
    run.program->reportingTypeCode = reportingType;
    FormNameFile &screen = run.program->formNameFile();
    screen.setWindowModality(Qt::ApplicationModal);
    screen.show();
    QApplication::setActiveWindow(&screen);
    return screen;
}

// Fills in the screen the way a user would; an empty text leaves that entry alone.
void fillIn(FormNameFile &screen, const QString &kind, const QString &number, const QString &method,
            const QString &sequence)
{
    if (!kind.isEmpty())
        FilingRun::choose(screen.ui.lstEmployeOrTPA, kind);
    if (!number.isEmpty())
        FilingRun::type(screen.ui.EAN_TPAID, number);
    if (!method.isEmpty())
        FilingRun::choose(screen.ui.lstFTPorUPLOAD, method);
    if (!sequence.isEmpty())
        FilingRun::type(screen.ui.txtSequenceNumber, sequence);
}

// The four error labels: filer kind, filing method, number, sequence number.
QStringList errorTexts(const FormNameFile &screen)
{
    return {screen.ui.employerOrTPA_errorMessage->text(),
            screen.ui.lblFTPorUPLOAD_errorMessage->text(),
            screen.ui.lblEANorTPAIDerrorMessage->text(),
            screen.ui.lblSequenceNumber_errorMessage->text()};
}

void verifyEntriesCleared(const FormNameFile &screen)
{
    QVERIFY(screen.ui.lstEmployeOrTPA->selectedItems().isEmpty());
    QVERIFY(screen.ui.lstFTPorUPLOAD->selectedItems().isEmpty());
    QCOMPARE(screen.ui.EAN_TPAID->text(), QString());
    QCOMPARE(screen.ui.txtSequenceNumber->text(), QString());
}
} // namespace

class OutputTest : public QObject
{
    Q_OBJECT

private slots:
    void writeToFile_data();
    void writeToFile();
    void composeReportFileName_data();
    void composeReportFileName();
    void copyReportFile_replacesOnlyWhenAllowed_data();
    void copyReportFile_replacesOnlyWhenAllowed();

    void screenOpens_focusInNumberBoxAndTabOrder();
    void employerThenTPA_emptiesBoxSetsPromptAndLimit();
    void leavingSequenceBox_data();
    void leavingSequenceBox();
    void sequenceBox_correctedMovesOn_closingAlwaysEnds();

    void continue_marksEntries_data();
    void continue_marksEntries();
    void continueWithNothingChosen_noticeThenReset_promptAndLimitKept();
    void goodContinue_savesAnExactCopyAndEnds_data();
    void goodContinue_savesAnExactCopyAndEnds();
    void existingReport_askedBeforeReplacing_data();
    void existingReport_askedBeforeReplacing();

    void printFile_data();
    void printFile();
};

void OutputTest::writeToFile_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no file
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QByteArray>("after");
    const auto row = [](const char *tag, const QByteArray &before, const QString &mode,
                        const QString &line, const QByteArray &after) {
        QTest::newRow(tag) << before << mode << line << after;
    };
    row("W creates", QByteArray(), "W", "A,O,x", "A,O,x\r\n");
    row("W empties", records, "W", "A,A,y", "A,A,y\r\n");
    row("A appends", "A,O,x\r\n", "A", "E,1", "A,O,x\r\nE,1\r\n");
    row("A creates", QByteArray(), "A", "E,1", "E,1\r\n");
    row("A after text without line end", "A", "A", "E", "AE\r\n");
    row("empty line", "x", "W", "", "\r\n");
    row("single bytes", QByteArray(), "W", QString::fromUtf8("Zoë,Müller"), "Zo\xEB,M\xFCller\r\n");
}

void OutputTest::writeToFile()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, mode);
    QFETCH(QString, line);
    QFETCH(QByteArray, after);

    FilingRun run;
    if (!before.isNull())
        run.write("testFile.TXT", before);
    QVERIFY(cNeededRoutines(*run.program).writeToFile(run.program->sOutFileName, line, mode));
    QCOMPARE(run.workingFile(), after); // no byte-order mark, CR LF after the line
    QVERIFY(run.desktop.shown.isEmpty());
    QVERIFY(!run.desktop.ended);
}

void OutputTest::composeReportFileName_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *tag, const QString &method, const QString &type,
                        const QString &number, const QString &sequence, const QString &name) {
        QTest::newRow(tag) << method << type << number << sequence << name;
    };
    row("upload original", "FILE UPLOAD", "O", "0123456", "", "FILEUPLOAD_WR4-4B_0123456.CSV");
    row("upload amended", "FILE UPLOAD", "A", "0123456", "", "FILEUPLOAD_WR4X-4BX_0123456.CSV");
    row("ftp original", "FTP", "O", "0123456", "", "FTP_WR4-4B_0123456.CSV");
    row("ftp amended, lower case", "FTP", "A", "0123456789", "1q2014",
        "FTP_WR4X-4BX_0123456789_1Q2014.CSV");
    row("spaces around the sequence", "FTP", "A", "0123456789", "  1q2014 ",
        "FTP_WR4X-4BX_0123456789_1Q2014.CSV");
    row("sequence of spaces", "FTP", "A", "0123456789", "   ", "FTP_WR4X-4BX_0123456789.CSV");
    row("no method", "", "O", "0123456", "", "");
    row("no filing type", "FTP", "", "0123456", "", "");
}

void OutputTest::composeReportFileName()
{
    QFETCH(QString, method);
    QFETCH(QString, type);
    QFETCH(QString, number);
    QFETCH(QString, sequence);
    QFETCH(QString, name);
    QCOMPARE(::composeReportFileName(method, type, number, sequence), name);
}

void OutputTest::copyReportFile_replacesOnlyWhenAllowed_data()
{
    QTest::addColumn<QByteArray>("before"); // null: no report file yet
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new") << QByteArray() << false << int(CopyOutcome::Copied) << records;
    QTest::newRow("appeared meanwhile") << QByteArray("old\r\n") << false
                                        << int(CopyOutcome::TargetExists) << QByteArray("old\r\n");
    QTest::newRow("replace") << QByteArray("old\r\n") << true << int(CopyOutcome::Copied)
                             << records;
}

void OutputTest::copyReportFile_replacesOnlyWhenAllowed()
{
    QFETCH(QByteArray, before);
    QFETCH(bool, replace);
    QFETCH(int, outcome);
    QFETCH(QByteArray, after);

    FilingRun run;
    run.write("testFile.TXT", records);
    if (!before.isNull())
        run.write("R.CSV", before);
    FileError error;
    QCOMPARE(int(copyReportFile(records, "testFile.TXT", "R.CSV", replace, error)), outcome);
    QCOMPARE(run.read("R.CSV"), after);
    QCOMPARE(run.workingFile(), records);
    QCOMPARE(run.files(), (QStringList{"R.CSV", "testFile.TXT"})); // nothing left behind
}

void OutputTest::screenOpens_focusInNumberBoxAndTabOrder()
{
    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    QCOMPARE(screen.windowTitle(), QStringLiteral("Create CSV file"));
    QCOMPARE(focused(), QStringLiteral("EAN_TPAID"));
    QCOMPARE(screen.ui.lblEAN0rTPAID->text(), QString());
    QCOMPARE(screen.ui.EAN_TPAID->maxLength(), 32767); // no limit before a choice
    QCOMPARE(screen.ui.txtSequenceNumber->maxLength(), 10);
    verifyEntriesCleared(screen);
    QCOMPARE(errorTexts(screen), QStringList(4, QString()));

    QStringList order{focused()};
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        order << focused();
    }
    QCOMPARE(order, (QStringList{"EAN_TPAID", "lstEmployeOrTPA", "txtSequenceNumber", "cmdNameFile",
                                 "lstFTPorUPLOAD", "EAN_TPAID"}));
    QVERIFY(run.desktop.shown.isEmpty());
}

void OutputTest::employerThenTPA_emptiesBoxSetsPromptAndLimit()
{
    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    auto &ui = screen.ui;
    FilingRun::type(ui.EAN_TPAID, "123456789012");
    QCOMPARE(ui.EAN_TPAID->text(), QStringLiteral("123456789012"));

    const struct {
        const char *kind;
        const QString &prompt;
        const char *kept;
    } steps[] = {{"Employer", employerPrompt, "0123456"},
                 {"TPA", tpaPrompt, "0123456789"},
                 {"Employer", employerPrompt, "0123456"}};
    for (const auto &step : steps) {
        ui.txtSequenceNumber->setFocus();
        FilingRun::choose(ui.lstEmployeOrTPA, step.kind);
        QCOMPARE(ui.EAN_TPAID->text(), QString());
        QCOMPARE(ui.lblEAN0rTPAID->text(), step.prompt);
        QCOMPARE(focused(), QStringLiteral("EAN_TPAID"));
        QTest::keyClicks(ui.EAN_TPAID, "0123456789012");
        QCOMPARE(ui.EAN_TPAID->text(), QString::fromLatin1(step.kept));
    }

    // The filing method is only read later: choosing it changes nothing on the screen.
    FilingRun::choose(ui.lstFTPorUPLOAD, "FTP");
    QCOMPARE(ui.EAN_TPAID->text(), QStringLiteral("0123456"));
    QCOMPARE(ui.lblEAN0rTPAID->text(), employerPrompt);
    QCOMPARE(errorTexts(screen), QStringList(4, QString()));
}

void OutputTest::leavingSequenceBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bad");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("empty: nothing happens") << "" << false << "EAN_TPAID";
    QTest::newRow("letters and digits") << "1Q2014" << false << "cmdNameFile";
    QTest::newRow("lower case") << "1q2014" << false << "cmdNameFile";
    QTest::newRow("trailing spaces") << "1Q2014   " << false << "cmdNameFile";
    QTest::newRow("spaces only") << "   " << true << "txtSequenceNumber";
    QTest::newRow("leading space") << " 1Q2014" << true << "txtSequenceNumber";
    QTest::newRow("hyphen") << "1Q-2014" << true << "txtSequenceNumber";
    QTest::newRow("underscore") << "1Q_2014" << true << "txtSequenceNumber";
}

void OutputTest::leavingSequenceBox()
{
    QFETCH(QString, text);
    QFETCH(bool, bad);
    QFETCH(QString, focusAfter);

    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    auto &ui = screen.ui;
    FilingRun::type(ui.txtSequenceNumber, text);
    QTest::mouseClick(ui.EAN_TPAID, Qt::LeftButton);
    QCoreApplication::processEvents();

    QCOMPARE(focused(), focusAfter);
    QCOMPARE(ui.lblSequenceNumber_errorMessage->isVisible(), bad);
    QCOMPARE(isYellow(ui.txtSequenceNumber), bad);
    if (bad)
        QCOMPARE(ui.lblSequenceNumber_errorMessage->text(),
                 "Sequence Number must be alphanumerics.   You entered " + text +
                     " Please try re-entering it.");
    QCOMPARE(ui.txtSequenceNumber->text(), text);
    QVERIFY(run.desktop.shown.isEmpty());
}

void OutputTest::sequenceBox_correctedMovesOn_closingAlwaysEnds()
{
    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    auto &ui = screen.ui;
    fillIn(screen, "Employer", "0123456", "FTP", "1Q 2014");
    QTest::mouseClick(ui.EAN_TPAID, Qt::LeftButton);
    QTRY_COMPARE(focused(), QStringLiteral("txtSequenceNumber"));
    QVERIFY(ui.lblSequenceNumber_errorMessage->isVisible());

    FilingRun::type(ui.txtSequenceNumber, "1Q2014");
    QTest::mouseClick(ui.EAN_TPAID, Qt::LeftButton);
    QTRY_COMPARE(focused(), QStringLiteral("cmdNameFile"));
    QVERIFY(!ui.lblSequenceNumber_errorMessage->isVisible());
    QVERIFY(isYellow(ui.txtSequenceNumber)); // until Continue's rules pass

    // Kept in the box by a bad entry, the user can still close the window.
    FilingRun::type(ui.txtSequenceNumber, "1Q-2014");
    QTest::mouseClick(ui.EAN_TPAID, Qt::LeftButton);
    QTRY_COMPARE(focused(), QStringLiteral("txtSequenceNumber"));
    QVERIFY(screen.close());
    QCoreApplication::processEvents();
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.exitCode, 0);
    QVERIFY(!screen.isVisible());
    QVERIFY(run.desktop.shown.isEmpty());
    QCOMPARE(run.files(), QStringList{"testFile.TXT"});
    QCOMPARE(run.workingFile(), records);
}

void OutputTest::continue_marksEntries_data()
{
    QTest::addColumn<QStringList>("entries");  // kind, number, method, sequence
    QTest::addColumn<QStringList>("messages"); // kind, method, number, sequence labels
    QTest::addColumn<QString>("marked");       // the box painted yellow, if any
    const QString none;
    const auto row = [](const char *tag, const QStringList &entries, const QStringList &messages,
                        const QString &marked = QString()) {
        QTest::newRow(tag) << entries << messages << marked;
    };
    row("nothing at all", {"", "", "", ""}, {kindMissing, methodMissing, none, none});
    row("no filer kind, number not examined", {"", "a b", "FTP", "1Q"},
        {kindMissing, none, none, none});
    row("employer six digits", {"Employer", "012345", "FTP", ""},
        {none, none, "ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros.", none},
        "EAN_TPAID");
    row("employer seven with a letter", {"Employer", "01234a6", "", ""},
        {none, methodMissing, "ACCOUNT NUMBER  must be numberic", none}, "EAN_TPAID");
    row("employer blank", {"Employer", "   ", "FTP", ""},
        {none, none, "ACCOUNT NUMBER must not be blank.", none}, "EAN_TPAID");
    row("tpa seven digits", {"TPA", "0123456", "FILE UPLOAD", ""},
        {none, none, "TPAID NUMBER must be 10 digits long.  Please include leading zeros.", none},
        "EAN_TPAID");
    row("tpa ten with an inner space", {"TPA", "01234 6789", "FTP", ""},
        {none, none, "TPAID NUMBER must be numberic", none}, "EAN_TPAID");
    row("tpa blank", {"TPA", "  ", "FTP", ""},
        {none, none, "TPAID NUMBER must not be blank.", none}, "EAN_TPAID");
    row("sequence inner space", {"Employer", "0123456", "FTP", "1Q 2014"},
        {none, none, none, sequenceBad}, "txtSequenceNumber");
    row("sequence hyphen", {"TPA", "0123456789", "FTP", "1Q-2014"}, {none, none, none, sequenceBad},
        "txtSequenceNumber");
    row("sequence underscore", {"Employer", "0123456", "FILE UPLOAD", "1Q_2014"},
        {none, none, none, sequenceBad}, "txtSequenceNumber");
    row("sequence lower case passes", {"Employer", "0123456", "", "1q2014"},
        {none, methodMissing, none, none});
    row("sequence of spaces passes as blank", {"TPA", "0123456789", "", "   "},
        {none, methodMissing, none, none});
}

void OutputTest::continue_marksEntries()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, messages);
    QFETCH(QString, marked);

    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    // The marks are seen while the notice is up; the screen is reset after it.
    QStringList seen, yellow;
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) {
        seen = errorTexts(screen);
        for (QLineEdit *box : {screen.ui.EAN_TPAID, screen.ui.txtSequenceNumber}) {
            if (isYellow(box))
                yellow << box->objectName();
        }
    };
    fillIn(screen, entries[0], entries[1], entries[2], entries[3]);
    FilingRun::press(screen.ui.cmdNameFile);

    QCOMPARE(run.desktop.notices(), QStringList{badNameNotice});
    QCOMPARE(seen, messages);
    QCOMPARE(yellow, marked.isEmpty() ? QStringList() : QStringList{marked});
    QVERIFY(run.program->badName);
    QVERIFY(!run.desktop.ended);
    QCOMPARE(run.files(), QStringList{"testFile.TXT"});
}

void OutputTest::continueWithNothingChosen_noticeThenReset_promptAndLimitKept()
{
    FilingRun run;
    FormNameFile &screen = openNamingScreen(run);
    auto &ui = screen.ui;
    fillIn(screen, "Employer", "012345", "", "1Q");
    FilingRun::press(ui.cmdNameFile);
    QCOMPARE(run.desktop.notices(), QStringList{badNameNotice});

    for (int round = 0; round < 2; ++round) {
        verifyEntriesCleared(screen);
        QCOMPARE(errorTexts(screen), QStringList(4, QString()));
        QCOMPARE(focused(), QStringLiteral("lstEmployeOrTPA"));
        QCOMPARE(ui.lblEAN0rTPAID->text(), employerPrompt);
        QCOMPARE(ui.EAN_TPAID->maxLength(), 7);
        QVERIFY(isYellow(ui.EAN_TPAID)); // the number was not examined again
        QVERIFY(run.program->badName);
        QVERIFY(screen.isVisible());
        if (round == 0)
            FilingRun::press(ui.cmdNameFile); // nothing chosen this time
    }
    QCOMPARE(run.desktop.shown.size(), 2);
    QCOMPARE(run.desktop.notices(), QStringList(2, badNameNotice));
    QCOMPARE(run.desktop.shown.last().title, QString());

    // A number that passes loses its mark.
    bool markedWhenClosing = true;
    run.desktop.whileShowing = [&](const ScriptedDesktop::Shown &) {
        markedWhenClosing =
            isYellow(ui.EAN_TPAID) || !ui.lblEANorTPAIDerrorMessage->text().isEmpty();
    };
    fillIn(screen, "Employer", "0123456", "FILE UPLOAD", "");
    FilingRun::press(ui.cmdNameFile);
    QVERIFY(!markedWhenClosing);
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.read("FILEUPLOAD_WR4-4B_0123456.CSV"), records);
}

void OutputTest::goodContinue_savesAnExactCopyAndEnds_data()
{
    QTest::addColumn<QString>("filingType");
    QTest::addColumn<QStringList>("entries"); // kind, number, method, sequence
    QTest::addColumn<QString>("name");
    const auto row = [](const char *tag, const QString &filingType, const QStringList &entries,
                        const QString &name) {
        QTest::newRow(tag) << filingType << entries << name;
    };
    row("original upload employer", "Original", {"Employer", "0123456", "FILE UPLOAD", ""},
        "FILEUPLOAD_WR4-4B_0123456.CSV");
    row("amended ftp tpa lower-case sequence", "Amended", {"TPA", "0123456789", "FTP", "1q2014"},
        "FTP_WR4X-4BX_0123456789_1Q2014.CSV");
    row("sequence with trailing spaces", "Amended",
        {"Employer", "0123456", "FILE UPLOAD", "1q2014  "},
        "FILEUPLOAD_WR4X-4BX_0123456_1Q2014.CSV");
    row("sequence of spaces", "Original", {"TPA", "0123456789", "FTP", "   "},
        "FTP_WR4-4B_0123456789.CSV");
}

void OutputTest::goodContinue_savesAnExactCopyAndEnds()
{
    QFETCH(QString, filingType);
    QFETCH(QStringList, entries);
    QFETCH(QString, name);

    FilingRun run;
    run.start();
    run.acceptContact(filingType);
    run.desktop.answer({false, false}); // no employees, no other account
    run.enterAccount(FilingRun::Account());
    FormNameFile &screen = run.program->formNameFile();
    QVERIFY(screen.isVisible());
    QCOMPARE(screen.windowModality(), Qt::ApplicationModal);
    QApplication::setActiveWindow(&screen);
    const QByteArray working = run.workingFile();
    QCOMPARE(working.count("\r\n"), 2); // the A and the E record

    fillIn(screen, entries[0], entries[1], entries[2], entries[3]);
    FilingRun::press(screen.ui.cmdNameFile);

    QCOMPARE(run.read(name), working);
    QCOMPARE(run.desktop.notices(), QStringList{closingMessage(name)});
    QCOMPARE(run.desktop.shown.last().title, QString());
    QVERIFY(run.desktop.ended);
    QCOMPARE(run.desktop.exitCode, 0);
    QVERIFY(!run.program->badName);
    QCOMPARE(run.workingFile(), working);
    QStringList expected{name, "testFile.TXT"};
    expected.sort();
    QCOMPARE(run.files(), expected);
    QCOMPARE(run.desktop.questions(),
             (QStringList{Program::versionNotice(), "Do you have any employees to report?",
                          "Add an additional VL Unemployment Compensation tax account to this "
                          "file?"}));
    QVERIFY(run.desktop.unscriptedQuestions.isEmpty());
    QVERIFY(run.visibleScreens().isEmpty());
}

void OutputTest::existingReport_askedBeforeReplacing_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("notice");
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<QStringList>("files");

    const QString name = QStringLiteral("FTP_WR4X-4BX_0123456789_Q3.CSV");
    QTest::newRow("no keeps it") << false
                                 << "The file name = " + name +
                                        ".  you selected already exists please name the file again"
                                 << QByteArray("A,A,Old report\r\n")
                                 << QStringList{name, "testFile.TXT"};
    QTest::newRow("yes replaces it and deletes the working file")
        << true << closingMessage(name) << records << QStringList{name};
}

void OutputTest::existingReport_askedBeforeReplacing()
{
    QFETCH(bool, yes);
    QFETCH(QString, notice);
    QFETCH(QByteArray, report);
    QFETCH(QStringList, files);

    FilingRun run;
    FormNameFile &screen = openNamingScreen(run, "A");
    const QString name = QStringLiteral("FTP_WR4X-4BX_0123456789_Q3.CSV");
    run.write(name, "A,A,Old report\r\n");
    run.desktop.answer({yes});
    fillIn(screen, "TPA", "0123456789", "FTP", "q3");
    FilingRun::press(screen.ui.cmdNameFile);

    QCOMPARE(run.desktop.questions(), QStringList{replaceQuestion});
    QCOMPARE(run.desktop.notices(), QStringList{notice});
    for (const auto &box : run.desktop.shown)
        QCOMPARE(box.title, QString());
    QCOMPARE(run.read(name), report);
    QCOMPARE(run.files(), files);
    QCOMPARE(run.desktop.ended, yes);
    QCOMPARE(run.program->badName, !yes);
    QVERIFY(run.desktop.failures().isEmpty());
    if (yes)
        return;

    QCOMPARE(run.workingFile(), records);
    verifyEntriesCleared(screen);
    QCOMPARE(screen.ui.lblEAN0rTPAID->text(), tpaPrompt);
    QVERIFY(screen.isVisible());
    // Named again with another sequence number, the report gets its own file.
    fillIn(screen, "TPA", "0123456789", "FTP", "q4");
    FilingRun::press(screen.ui.cmdNameFile);
    QCOMPARE(run.read("FTP_WR4X-4BX_0123456789_Q4.CSV"), records);
    QCOMPARE(run.read(name), report);
    QVERIFY(run.desktop.ended);
}

void OutputTest::printFile_data()
{
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("minPages");

    QTest::newRow("no prints nothing") << false << 3 << 0;
    QTest::newRow("yes, one page") << true << 3 << 1;
    QTest::newRow("yes, long enough for a second page") << true << 150 << 2;
}

void OutputTest::printFile()
{
    QFETCH(bool, yes);
    QFETCH(int, lineCount);
    QFETCH(int, minPages);

    FilingRun run;
    QStringList lines;
    QByteArray content;
    for (int i = 1; i <= lineCount; ++i) {
        lines << QStringLiteral("S,%1,LINE%2,MARY,250000")
                     .arg(100000000 + i)
                     .arg(i, 4, 10, QLatin1Char('0'));
        content += lines.last().toLatin1() + "\r\n";
    }
    run.write("log.txt", content);
    run.desktop.pdfOutput = run.path("printed.pdf");
    run.desktop.answer({yes});
    cNeededRoutines(*run.program).print_file("log.txt");

    QCOMPARE(run.desktop.questions(), QStringList{"Log file created. Would you like to print it?"});
    QCOMPARE(run.desktop.shown.first().title, Program::programTitle);
    QVERIFY(!run.desktop.ended);
    QCOMPARE(run.read("log.txt"), content);
    QCOMPARE(run.exists("printed.pdf"), yes);
    if (!yes)
        return;

#ifndef Q_OS_LINUX
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("reading the printed PDF back needs pdftotext from poppler-utils");
#endif
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", run.path("printed.pdf"), "-"});
    QVERIFY(pdftotext.waitForFinished());
    QCOMPARE(pdftotext.exitCode(), 0);
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.count(u'\f') >= minPages, qPrintable(QString::number(text.count(u'\f'))));
    QCOMPARE(text.simplified(), lines.join(u' ')); // every line, in order, nothing else
}

QTEST_MAIN(OutputTest)
#include "tst_output.moc"
