#include "validation/fielddisplay.h"

#include "rules/checkstring.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
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

QString selectedText(const QListWidget *list)
{
    const QList<QListWidgetItem *> selected = list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void nameEntriesAfterTheirCaptions(QWidget *screen)
{
    for (QLabel *caption : screen->findChildren<QLabel *>()) {
        QWidget *entry = caption->buddy();
        if (entry && entry->accessibleName().isEmpty())
            entry->setAccessibleName(trimSpaces(caption->text()));
    }
}
