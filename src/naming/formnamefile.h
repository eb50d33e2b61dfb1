#pragma once

#include "rules/namingrules.h"
#include "ui_formnamefile.h"

#include <QDialog>

class Program;

// The naming screen: who files, how the file travels, the account number or TPAID and an optional
// sequence number. Its Continue names the report file and saves it.
class FormNameFile : public QDialog
{
    Q_OBJECT

public:
    explicit FormNameFile(Program &program);

    // Both lists lose their selection and both boxes are emptied. The number box keeps its
    // prompt and length limit: clearing a list in code is not a choice of TPA.
    void clearEntries();

    // The choices made and the boxes as typed. A list's choice is known by its row in the form
    // (Employer, TPA; FILE UPLOAD, FTP), not by the text it shows.
    NamingEntries entries() const;
    // A rule's verdict in its field's error label and, for the boxes, on the box. True when the
    // field passed.
    bool showVerdict(QString (*rule)(const NamingEntries &), const QString &message);

public slots:
    // Closing the window (its frame button, Alt+F4) ends the run without a report file.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void lstEmployeOrTPA_Click();
    void txtSequenceNumber_LostFocus();
    void cmdNameFile_Click();

private:
    // False, after reporting the fault and ending the run, when a list holds a choice the code
    // does not know (a row added to the form, say).
    bool choicesKnown();

    Ui::FormNameFile ui;
    Program &program;
};
