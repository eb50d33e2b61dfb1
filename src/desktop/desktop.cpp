#include "desktop/desktop.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

namespace
{
int runBox(const QString &text, const QString &title, QMessageBox::Icon icon,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // names and typed text as they are, never as markup
    box.setDefaultButton(defaultButton);
    if (buttons & QMessageBox::No)
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}
} // namespace

bool QtDesktop::ask(const QString &text, const QString &title, bool yesByDefault)
{
    return runBox(text, title, QMessageBox::NoIcon, QMessageBox::Yes | QMessageBox::No,
                  yesByDefault ? QMessageBox::Yes : QMessageBox::No) == QMessageBox::Yes;
}

void QtDesktop::tell(const QString &text, const QString &title)
{
    runBox(text, title, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDesktop::showFailure(const QString &text)
{
    runBox(text, QString(), QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDesktop::openWebPage(const QUrl &url)
{
    // The browser is its own process; whether it opened is not our concern.
    QDesktopServices::openUrl(url);
}

void QtDesktop::preparePrinter(QPrinter &)
{
    // A new QPrinter already targets the system's default printer.
}

void QtDesktop::endProgram(int exitCode)
{
    // The run ends at once: every file is closed after each call, so nothing is left to save.
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

QString QtDesktop::chooseFileToOpen(const QString &title, const QString &filter)
{
    // Qt's own dialog rather than the platform's, so it behaves the same under any window
    // manager, a keyboard alone included.
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, QDir::currentPath(),
                                        filter, nullptr, QFileDialog::DontUseNativeDialog);
}

QString QtDesktop::chooseFileToSave(const QString &title, const QString &filter,
                                    const QString &suggested)
{
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title,
                                        QDir::current().filePath(suggested), filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

void QtDesktop::showFindings(const QString &title, const QString &text, const QStringList &lines)
{
    QDialog window(QApplication::activeWindow());
    window.setWindowTitle(title);
    auto *heading = new QLabel(text);
    heading->setTextFormat(Qt::PlainText);
    auto *list = new QPlainTextEdit(lines.join(u'\n'));
    list->setAccessibleName(QStringLiteral("Findings"));
    list->setReadOnly(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    list->setTabChangesFocus(true);
    list->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(heading);
    layout->addWidget(list);
    layout->addWidget(buttons);
    window.resize(720, 360);
    window.exec(); // Escape closes it too
}
