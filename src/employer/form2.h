#pragma once

#include "ui_form2.h"

#include <QWidget>

class Program;

// The employer screen: one tax account's quarter totals. Its Continue appends the E record and
// asks about the account's employees.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(Program &program);

    // The E record: "E," and the ten texts joined by commas, exactly as given.
    static QString makeELine(const QString &accountNumber, const QString &fein,
                             const QString &quarterYear, const QString &firstMonth,
                             const QString &secondMonth, const QString &thirdMonth,
                             const QString &grossWages, const QString &employeeWithholding,
                             const QString &taxableWages, const QString &employerContributions);

    // The quarter's digit followed by the year, "22014" for April to June 2014.
    QString quarterYearCode() const;

    Ui::Form2 ui;

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void cmdCreateELine_Click();

private:
    Program &program;
};
