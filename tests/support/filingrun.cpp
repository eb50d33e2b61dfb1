#include "filingrun.h"

#include "rules/calendar.h"

#include <QPrinter>

void ScriptedDesktop::show(Kind kind, const QString &title, const QString &text, bool yes)
{
    shown.append({kind, title, text, yes});
    if (whileShowing)
        whileShowing(shown.last());
}

bool ScriptedDesktop::ask(const QString &text, const QString &title, bool yesByDefault)
{
    show(Kind::Question, title, text, yesByDefault);
    if (!answers.isEmpty())
        return answers.dequeue();
    const QByteArray message = "unscripted question: " + text.toUtf8();
    if (!QTest::currentTestFunction())
        qFatal("%s", message.constData());
    QTest::qFail(message.constData(), __FILE__, __LINE__);
    return false;
}

QString ScriptedDesktop::chooseFileToOpen(const QString &title, const QString &filter)
{
    shown.append({Kind::FileDialog, title, filter});
    if (filesToOpen.isEmpty())
        QTest::qFail("a file dialog opened with no file scripted", __FILE__, __LINE__);
    return filesToOpen.isEmpty() ? QString() : filesToOpen.dequeue();
}

void ScriptedDesktop::preparePrinter(QPrinter &printer)
{
    if (!printTo.isEmpty())
        printer.setOutputFileName(printTo);
}

QWidget &FilingRun::form(int screen) const
{
    Program &p = *program;
    return *QWidgetList{&p.form1(), &p.form2(), &p.form3(), &p.formNameFile()}[screen];
}

void FilingRun::restart()
{
    program.reset();
    program = std::make_unique<Program>(desktop);
    setToday([] { return QDate(2026, 12, 6); });
}

void FilingRun::resume(const QByteArray &working, std::initializer_list<bool> answers,
                       const QString &chosen)
{
    write(QStringLiteral("testFile.TXT"), working);
    start();
    desktop.answer(answers);
    desktop.filesToOpen.enqueue(path(chosen));
    press(form(0), "cmdResumeReport");
}

void FilingRun::fileOneAccount(std::initializer_list<bool> answers, int employees)
{
    start();
    desktop.answer(answers);
    acceptContact();
    enterAccount();
    for (int i = 0; i < employees; ++i)
        enterEmployee();
}

QByteArray FilingRun::read(const QString &fileName) const
{
    QFile file(path(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void FilingRun::write(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(path(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("could not write %s", qPrintable(fileName));
}

QStringList FilingRun::files() const
{
    QStringList names = QDir(path(".")).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    names.removeAll(QStringLiteral("testFile.TXT.previous"));
    return names;
}

void FilingRun::import(const QByteArray &bytes)
{
    write("employees.csv", bytes);
    desktop.filesToOpen.enqueue(path("employees.csv"));
    press(program->form3(), "cmdImportEmployees");
}

void FilingRun::put(QWidget &screen, const char *name, const QString &text)
{
    static const QStringList quarters = {"1 = January to March", "2 = April to June",
                                         "3 = July to September", "4 = October to December"};
    auto *list = screen.findChild<QListWidget *>(name);
    const QByteArray listName(name);
    if (!list) {
        type(find<QLineEdit>(screen, name), text);
    } else if (listName == "lstQuarter") { // a code of a year alone or a quarter alone chooses it
        if (text.size() != 4 && !text.isEmpty())
            choose(list, quarters.value(text.left(1).toInt() - 1));
        if (text.size() >= 4)
            choose(find<QListWidget>(screen, "lstYear"), text.right(4));
    } else if (listName == "lstReportingTypeCode") {
        if (!text.isEmpty())
            choose(list, text == "A" ? "Amended" : "Original");
    } else if (!text.isEmpty()) {
        choose(list, text);
    }
}

void FilingRun::type(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

void FilingRun::choose(QListWidget *list, const QString &item)
{
    const QList<QListWidgetItem *> found = list->findItems(item, Qt::MatchExactly);
    if (found.isEmpty())
        return QTest::qFail(qPrintable("no item " + item + " in " + list->objectName()), __FILE__,
                            __LINE__);
    list->scrollToItem(found.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.first()).center());
}

QModelIndex FilingRun::cell(QAbstractItemView *table, int row, const QString &column)
{
    int at = 0;
    while (at < table->model()->columnCount() &&
           table->model()->headerData(at, Qt::Horizontal).toString() != column)
        ++at;
    return table->model()->index(row, at);
}

void FilingRun::typeInCell(QAbstractItemView *table, int row, const QString &column,
                           const QString &text)
{
    QCoreApplication::processEvents(); // activations the platform still owes, before the table's
    QApplication::setActiveWindow(table->window());
    table->setFocus();
    table->setCurrentIndex(cell(table, row, column));
    QTest::keyClick(table, text[0].toLatin1());
    QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor commits once the key is handled
}

QStringList FilingRun::visibleScreens() const
{
    QStringList names;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && !widget->objectName().isEmpty())
            names.append(widget->objectName());
    names.sort();
    return names;
}
