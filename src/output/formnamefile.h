#pragma once

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

    Ui::FormNameFile ui;

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
    Program &program;
};
