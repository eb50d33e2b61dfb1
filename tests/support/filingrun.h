#pragma once

#include "app/program.h"
#include "scripteddesktop.h"

#include <QByteArray>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

class QAbstractButton;
class QLineEdit;
class QListWidget;

// The records the default entries below make, with their line ends.
inline const QByteArray aRecord = "A,O,Mary Smith,mary@example.com,8005551234,, , , , , \r\n";
inline const QByteArray eRecord = "E,0123456,123456789,22026,3,4,4,1500000,10500,1000000,36000\r\n";
inline const QByteArray sRecord = "S,0123456  ,123456789,O'NEIL,MARY,,250000,100000,13, , \r\n";

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
    // Leaves the folder on disk, for a process that is killed before it could clean up.
    void keepFolder() { m_folder.setAutoRemove(false); }

    QString path(const QString &fileName) const { return m_folder.filePath(fileName); }
    bool exists(const QString &fileName) const { return QFileInfo::exists(path(fileName)); }
    QByteArray read(const QString &fileName) const;
    void write(const QString &fileName, const QByteArray &bytes) const;
    QByteArray workingFile() const { return read(QStringLiteral("testFile.TXT")); }
    // The run's folder, hidden files included, sorted; an older working file kept aside is left
    // out.
    QStringList files() const;

    // The contact screen filled in and accepted.
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
    // Fills the employer screen and presses its Continue; an empty list text chooses nothing.
    void enterAccount(const Account &account);

    struct Employee {
        QString ssn = QStringLiteral("123456789");
        QString last = QStringLiteral("O'NEIL"), first = QStringLiteral("MARY"), middle = QString();
        QString gross = QStringLiteral("250000"), taxable = QStringLiteral("100000"),
                weeks = QStringLiteral("13");
    };
    // Fills the employee screen and presses Add Employee.
    void enterEmployee(const Employee &employee);

    // Fills the naming screen and presses its Continue; an empty kind or method chooses nothing.
    void nameReport(const QString &kind, const QString &method, const QString &number,
                    const QString &sequence = QString());

    // A screen's widget by its object name; a missing one aborts the test program.
    template <typename T = QWidget> static T *find(QWidget &screen, const char *name)
    {
        T *widget = screen.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s named %s on %s", T::staticMetaObject.className(), name,
                   qPrintable(screen.objectName()));
        return widget;
    }

    // Typing, choosing and pressing the way a user does.
    static void type(QLineEdit *box, const QString &text);
    static void type(QWidget &screen, const char *box, const QString &text);
    static void fill(QWidget &screen,
                     std::initializer_list<std::pair<const char *, QString>> boxes);
    static void choose(QListWidget *list, const QString &item);
    static void choose(QWidget &screen, const char *list, const QString &item);
    static void press(QAbstractButton *button);
    static void press(QWidget &screen, const char *button);

    // Screens visible at this moment, by object name.
    QStringList visibleScreens() const;

    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;

private:
    QTemporaryDir m_folder;
    QString m_previousFolder;
};
