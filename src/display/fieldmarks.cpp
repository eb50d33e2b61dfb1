#include "display/fieldmarks.h"

#include "rules/spaces.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QShortcutEvent>
#include <QWidget>

void markField(QWidget *entry, const QString &message)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Base, errorYellow());
    entry->setPalette(palette);
    entry->setAccessibleDescription(message);
}

void unmarkField(QWidget *entry)
{
    QPalette palette = entry->palette();
    palette.setColor(QPalette::Base, QApplication::palette(entry).color(QPalette::Base));
    entry->setPalette(palette);
    entry->setAccessibleDescription(QString());
}

bool showFieldVerdict(QLabel *label, QWidget *entry, const QString &message)
{
    label->setText(message);
    if (entry) {
        if (message.isEmpty())
            unmarkField(entry);
        else
            markField(entry, message);
    }
    return message.isEmpty();
}

bool showFieldVerdict(QWidget *screen, const char *entry, const char *errorLabel,
                      const QString &message)
{
    auto *label = screen->findChild<QLabel *>(QLatin1String(errorLabel));
    Q_ASSERT(label);
    return showFieldVerdict(label, screen->findChild<QWidget *>(QLatin1String(entry)), message);
}

QLineEdit *entryBox(const QWidget *screen, const char *box)
{
    return box ? screen->findChild<QLineEdit *>(QLatin1String(box)) : nullptr;
}

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

namespace
{
// A button's access key presses it at once, not after the short animation Qt plays: the keys
// typed right after it (a carried employee's wages after Alt+N) go where the press puts the focus.
class ClickAtOnce : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut ||
            static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        auto *button = qobject_cast<QPushButton *>(watched);
        if (!button)
            return false;
        button->click();
        return true;
    }
};
} // namespace

void setUpScreen(QWidget *screen)
{
    for (QLabel *label : screen->findChildren<QLabel *>()) {
        label->setTextFormat(Qt::PlainText);
        if (label->property("message").toBool()) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, messageRed());
            label->setPalette(palette);
        }
        QWidget *entry = label->buddy();
        if (entry && entry->accessibleName().isEmpty())
            entry->setAccessibleName(trimSpaces(label->text()));
    }
    auto *clickAtOnce = new ClickAtOnce(screen);
    for (QPushButton *button : screen->findChildren<QPushButton *>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->installEventFilter(clickAtOnce);
    }
}

namespace
{
// A list that was never used gets its first row as the current one when the keyboard brings the
// focus to it, so the first arrow key moves on from there. Qt does that only once in a list's
// life; this does it each time an emptied list takes the focus again.
class FirstRowOnFocus : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *list = static_cast<QListWidget *>(watched);
        if (event->type() == QEvent::FocusIn &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason &&
            list->currentRow() < 0 && list->count() > 0)
            list->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        return false;
    }
};
} // namespace

void emptyList(QListWidget *list)
{
    // No selection and no current row: a mere clearSelection() would leave the row the arrow keys
    // had reached, and the same keys would choose another item next time.
    list->clearSelection();
    list->setCurrentRow(-1, QItemSelectionModel::NoUpdate);
    list->scrollToTop();
    const QString filterName = QStringLiteral("firstRowOnFocus");
    if (!list->findChild<QObject *>(filterName, Qt::FindDirectChildrenOnly)) {
        auto *filter = new FirstRowOnFocus(list);
        filter->setObjectName(filterName);
        list->installEventFilter(filter);
    }
}
