#pragma once

#include "app/program.h"
#include "scripteddesktop.h"

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

#include <memory>

class QAbstractButton;
class QLineEdit;
class QListWidget;
class QWidget;

// True when the entry box or list is painted the error yellow, red 255, green 255, blue 0.
bool isYellow(const QWidget *entry);

// One run of the program in a fresh temporary folder, which is the current folder while the run
// lives, with a scripted desktop and the date fixed at 6 December 2026.
class FilingRun
{
public:
    FilingRun();
    ~FilingRun();

    // Starts the program, answering the version notice.
    void start(bool openVersionPage = false);

    // Leaves the folder on disk when the run goes, for a process that is killed before it could
    // clean up and whose parent looks at the folder afterwards.
    void keepFolder() { m_folder.setAutoRemove(false); }

    QString path(const QString &fileName) const;
    bool exists(const QString &fileName) const;
    QByteArray read(const QString &fileName) const;
    void write(const QString &fileName, const QByteArray &bytes) const;
    QByteArray workingFile() const { return read(QStringLiteral("testFile.TXT")); }
    // Everything in the run's folder, hidden files included, sorted.
    QStringList files() const;

    // The contact screen filled in and accepted: "O" or "A", name, e-mail, phone, extension.
    void acceptContact(const QString &filingType = QStringLiteral("Original"),
                       const QString &name = QStringLiteral("Mary Smith"),
                       const QString &email = QStringLiteral("mary@example.com"),
                       const QString &phone = QStringLiteral("8005551234"),
                       const QString &extension = QString());

    struct Account {
        QString quarter = QStringLiteral("2 = April to June");
        QString year = QStringLiteral("2026");
        QString ean = QStringLiteral("0123456");
        QString fein = QStringLiteral("123456789");
        QString first = QStringLiteral("3"), second = QStringLiteral("4"),
                third = QStringLiteral("4");
        QString gross = QStringLiteral("1500000"), withholding = QStringLiteral("10500"),
                taxable = QStringLiteral("1000000"), contributions = QStringLiteral("36000");
    };
    // Fills the employer screen and presses its Continue.
    void enterAccount(const Account &account);

    struct Employee {
        QString ssn = QStringLiteral("123456789");
        QString last = QStringLiteral("O'NEIL"), first = QStringLiteral("MARY"), middle = QString();
        QString gross = QStringLiteral("250000"), taxable = QStringLiteral("100000"),
                weeks = QStringLiteral("13");
    };
    // Fills the employee screen and presses Add Employee.
    void enterEmployee(const Employee &employee);

    // Typing, pasting, choosing and pressing the way a user does.
    static void type(QLineEdit *box, const QString &text);
    static void paste(QLineEdit *box, const QString &text);
    static void choose(QListWidget *list, const QString &item);
    static void press(QAbstractButton *button);

    // Screens visible at this moment, by object name.
    QStringList visibleScreens() const;

    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
};
