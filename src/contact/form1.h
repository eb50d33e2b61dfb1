#pragma once

#include "rules/contactrules.h"
#include "ui_form1.h"

#include <QWidget>

struct FilingState;

// The contact screen: the filing type and the filing contact. Its Continue hands over to the flow,
// which checks the entries and writes the A record as the first line of a fresh working file.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(FilingState &state);

    // The filing type chosen and the four boxes as typed.
    ContactEntries entries() const;
    // A rule's verdict in its field's error label and on its box. True when the field passed.
    bool showVerdict(QString (*rule)(const ContactEntries &), const QString &message);
    // The filing-type list loses its selection; the code chosen stays for the run.
    void clearFilingTypeSelection();
    // The previous report's contact in the boxes, without padding, and a line about the report;
    // the filing type stays for the user to choose.
    void showPreviousReport();
    // The line on an unfinished filing that Resume can carry on; empty: none.
    void showUnfinished(const QString &line);

signals:
    void cmdCreateALine_Click();
    void cmdEnd_Click();
    void cmdResumeReport_Click();
    void cmdFromPreviousReport_Click();
    // The window closed: the run ends without a question.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void lstReportingTypeCode_Click();

private:
    Ui::Form1 ui;
    FilingState &state;
    QListWidgetItem *chosenType = nullptr; // the filing type chosen last
};
