#pragma once

#include "app/program.h"
#include "contact/form1.h"
#include "desktop/desktop.h"
#include "employee/form3.h"
#include "employer/form2.h"
#include "naming/formnamefile.h"
#include "recordproperties.h"

#include <QAbstractItemView>
#include <QFileInfo>
#include <QLabel>
#include <QQueue>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A desktop for tests: questions are answered from a queue, every text shown is recorded, the end
// of the program is recorded instead of ending the process, and no real dialog ever opens. A
// question or file dialog with no answer scripted fails the running test at once, naming it.
class ScriptedDesktop : public Desktop
{
public:
    enum class Kind { Question, Notice, Failure, FileDialog, Findings };
    struct Shown {
        Kind kind;
        QString title, text;
        bool yesByDefault = false; // a question's default button
    };
    // Answers for the coming questions, in order: true for Yes.
    void answer(std::initializer_list<bool> list) { answers.append(QList<bool>(list)); }

    bool ask(const QString &text, const QString &title = QString(),
             bool yesByDefault = true) override;
    void tell(const QString &text, const QString &t) override { show(Kind::Notice, t, text); }
    void showFailure(const QString &text) override { show(Kind::Failure, {}, text); }
    void openWebPage(const QUrl &url) override { openedPages.append(url); }
    // Prints to the PDF file printTo, where one is given.
    void preparePrinter(QPrinter &printer) override;
    void endProgram(int code) override { exitCode = code, ended = true; }
    // Both file dialogs are answered from filesToOpen (an empty name stands for Cancel) and
    // recorded with their filter.
    QString chooseFileToOpen(const QString &title, const QString &filter) override;
    QString chooseFileToSave(const QString &title, const QString &filter, const QString &) override
    {
        return chooseFileToOpen(title, filter);
    }
    void showFindings(const QString &title, const QString &text, const QStringList &lines) override
    {
        show(Kind::Findings, title, text + u'\n' + lines.join(u'\n'));
    }

    QStringList texts(Kind kind) const
    {
        QStringList result;
        for (const Shown &box : shown)
            if (box.kind == kind)
                result.append(box.text);
        return result;
    }
    QStringList questions() const { return texts(Kind::Question); }
    QStringList notices() const { return texts(Kind::Notice); }
    QStringList failures() const { return texts(Kind::Failure); }

    QList<Shown> shown;
    QList<QUrl> openedPages;
    QQueue<bool> answers;
    QQueue<QString> filesToOpen;
    QString printTo;
    bool ended = false;
    int exitCode = -1;
    std::function<void(const Shown &)> whileShowing; // runs while a box is "up"

private:
    void show(Kind kind, const QString &title, const QString &text, bool yes = false);
};

// True when the entry box or list is painted the error yellow.
inline bool isYellow(const QWidget *entry)
{
    return entry->palette().color(QPalette::Base) == QColor(255, 255, 0);
}

// One run of the program in a fresh temporary folder, which is the current folder while the run
// lives, with a scripted desktop and the date fixed at 6 December 2026.
class FilingRun
{
public:
    FilingRun() : m_previousFolder(QDir::currentPath())
    {
        QDir::setCurrent(m_folder.path());
        restart();
    }
    ~FilingRun()
    {
        program.reset();
        QDir::setCurrent(m_previousFolder);
    }

    // Starts the program, answering the version notice.
    void start(bool openVersionPage = false)
    {
        desktop.answer({openVersionPage});
        program->start();
    }
    // A new run of the program in the same folder, the earlier one gone (ended, closed or killed).
    void restart();
    // Starts the program on the working file's bytes and resumes `chosen`, with the answers.
    void resume(const QByteArray &working, std::initializer_list<bool> answers,
                const QString &chosen = QStringLiteral("testFile.TXT"));
    // Starts the program and files the valid contact, the valid account and the valid employee
    // `employees` times, with the answers given for the questions on the way.
    void fileOneAccount(std::initializer_list<bool> answers, int employees = 0);

    QString path(const QString &fileName) const { return m_folder.filePath(fileName); }
    bool exists(const QString &fileName) const { return QFileInfo::exists(path(fileName)); }
    QByteArray read(const QString &fileName) const;
    void write(const QString &fileName, const QByteArray &bytes) const;
    QByteArray workingFile() const { return read(QStringLiteral("testFile.TXT")); }
    // The run's folder, hidden files included, sorted, but for an older working file kept aside.
    QStringList files() const;

    // A screen filled in and its button pressed; an empty list entry chooses nothing.
    void acceptContact(const ContactEntries &e = validContact) { enter(form(0), e, 0); }
    void enterAccount(const EmployerEntries &e = validEmployer) { enter(form(1), e, 1); }
    void enterEmployee(const EmployeeEntries &e = validEmployee) { enter(form(2), e, 2); }
    void nameReport(const NamingEntries &e = validNaming) { enter(form(3), e, 3); }
    // The screens in their order: contact, employer, employee, naming; and their buttons.
    QWidget &form(int screen) const;
    static constexpr const char *buttons[] = {"cmdCreateALine", "cmdCreateELine", "cmdAddEmployee",
                                              "cmdNameFile"};
    // The screen's boxes and lists filled from the entries, the button not pressed.
    template <typename E> static void fill(QWidget &screen, const E &entries)
    {
        for (const auto &row : fieldsOf(entries))
            if (row.box)
                put(screen, row.box, shown(entries, row));
    }
    // Types into a box, or chooses in a list by the item's text; the quarter list takes a
    // quarter-year code and chooses the year too, the filing type list its code.
    static void put(QWidget &screen, const char *name, const QString &text);
    // Imports the bytes as a file of the run's folder, chosen in the file dialog.
    void import(const QByteArray &bytes);

    // A screen's widget by its object name; a missing one aborts the test program.
    template <typename T = QWidget> static T *find(QWidget &screen, const char *name)
    {
        T *widget = screen.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s in %s", name, qPrintable(screen.objectName()));
        return widget;
    }
    static QString labelText(QWidget &s, const char *name) { return find<QLabel>(s, name)->text(); }
    template <typename T = QWidget> T *find(int screen, const char *name) const
    {
        return find<T>(form(screen), name);
    }
    static void type(QLineEdit *box, const QString &text);
    static void choose(QListWidget *list, const QString &item);
    static void press(QWidget &screen, const char *button)
    {
        QTest::mouseClick(find<QAbstractButton>(screen, button), Qt::LeftButton);
    }
    // The cell of the row and the column of that caption, and typing over it as a user does, its
    // window active: the first key opens the editor, Enter commits.
    static QModelIndex cell(QAbstractItemView *table, int row, const QString &column);
    static void typeInCell(QAbstractItemView *table, int row, const QString &column,
                           const QString &text);

    // Screens visible at this moment, by object name.
    QStringList visibleScreens() const;

    ScriptedDesktop desktop;
    std::unique_ptr<Program> program;

private:
    template <typename E> static void enter(QWidget &screen, const E &entries, int button)
    {
        QApplication::setActiveWindow(&screen);
        fill(screen, entries);
        press(screen, buttons[button]);
    }
    QTemporaryDir m_folder;
    QString m_previousFolder;
};
