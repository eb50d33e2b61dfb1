#pragma once

#include "rules/namingrules.h"
#include "ui_formnamefile.h"

#include <QDialog>

// The naming screen: who files, how the file travels, the account number or TPAID and an optional
// sequence number. Its Continue hands over to the flow, which names the report file and saves it.
class FormNameFile : public QDialog
{
    Q_OBJECT

public:
    FormNameFile();

    // Both lists lose their selection and both boxes are emptied. The number box keeps its
    // prompt and length limit: clearing a list in code is not a choice of TPA.
    void clearEntries();

    // The choices made and the boxes as typed. A list's choice is known by its row in the form
    // (Employer, TPA; FILE UPLOAD, FTP), not by the text it shows.
    NamingEntries entries() const;
    // A rule's verdict in its field's error label and, for the boxes, on the box. True when the
    // field passed.
    bool showVerdict(QString (*rule)(const NamingEntries &), const QString &message);

    // False when a list holds a choice the code does not know (a row added to the form, say).
    bool choicesKnown() const;
    // After a bad name the user starts again: every entry and message gone, the marks too, the
    // focus in the first list.
    void startAgain();

signals:
    void cmdNameFile_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void lstEmployeOrTPA_Click();
    void txtSequenceNumber_LostFocus();

private:
    Ui::FormNameFile ui;
};
