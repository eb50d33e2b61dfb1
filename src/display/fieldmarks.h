#pragma once

#include "rules/fieldtable.h"
#include "rules/spaces.h"

#include <QColor>
#include <QString>

#include <QLineEdit>

class QLabel;
class QWidget;

// The back colour of an entry whose rule failed.
inline QColor errorYellow()
{
    return QColor(255, 255, 0);
}

// The text colour of the labels that carry messages: errors, reminders.
inline QColor messageRed()
{
    return QColor(255, 0, 0);
}

// Paints an entry box or list error yellow, or back to the normal window background. A screen
// reader hears the message through the entry's accessible description while the mark stands.
void markField(QWidget *entry, const QString &message);
void unmarkField(QWidget *entry);

// The field-error display: a non-empty message goes into the red error label and marks the
// entry; an empty one empties the label and unmarks the entry. `entry` may be null for rules
// that colour nothing. Returns true when the field passed.
bool showFieldVerdict(QLabel *label, QWidget *entry, const QString &message);
// The same for a field of a screen's table: its error label and its entry, found by their names.
// Only a screen itself calls this, on its own widgets.
bool showFieldVerdict(QWidget *screen, const char *entry, const char *errorLabel,
                      const QString &message);
template <typename Entries>
bool showFieldVerdict(QWidget *screen, const FieldRow<Entries> &field, const QString &message)
{
    return showFieldVerdict(screen, field.box, field.errorLabel, message);
}

// A field routine's whole work: the screen's entries through the field's rule, and the verdict
// shown by the screen on the field's label and entry. True when the field passed.
template <typename Screen, typename Entries>
bool checkField(Screen &screen, QString (*rule)(const Entries &))
{
    const Entries entries = screen.entries();
    return screen.showVerdict(
        rule, fieldFindings(fieldWithRule(fieldsOf(entries), rule), entries).value(0));
}

// A screen rule's whole work: every field of the screen's table that has an error label through
// its rule, whatever the ones before found, so one press marks every wrong field. True when all
// of them passed.
template <typename Screen, typename Entries, std::size_t N>
bool checkEveryField(Screen &screen, const FieldRow<Entries> (&rows)[N])
{
    bool passed = true;
    for (const FieldRow<Entries> &row : rows)
        if (row.rule && row.errorLabel)
            passed &= checkField(screen, row.rule);
    return passed;
}

// The screen's entry boxes and its entries, through its field table: each row whose entry is a
// box (a list is its screen's own business) takes its length limit from the table, is read into
// the entries, or is emptied.
QLineEdit *entryBox(const QWidget *screen, const char *box);
template <typename Entries, std::size_t N>
void limitBoxes(const QWidget *screen, const FieldRow<Entries> (&rows)[N])
{
    for (const FieldRow<Entries> &row : rows)
        if (QLineEdit *box = entryBox(screen, row.box); box && row.boxLength > 0)
            box->setMaxLength(row.boxLength);
}
template <typename Entries, std::size_t N>
void readBoxes(const QWidget *screen, const FieldRow<Entries> (&rows)[N], Entries &entries)
{
    for (const FieldRow<Entries> &row : rows)
        if (const QLineEdit *box = entryBox(screen, row.box))
            entries.*row.entry = box->text();
}
// The entries in the boxes, without the spaces around them, and every mark of an earlier attempt
// gone: a screen filled afresh from elsewhere.
template <typename Entries, std::size_t N>
void fillBoxes(QWidget *screen, const FieldRow<Entries> (&rows)[N], const Entries &entries)
{
    for (const FieldRow<Entries> &row : rows)
        if (QLineEdit *box = entryBox(screen, row.box)) {
            box->setText(trimSpaces(entries.*row.entry));
            showFieldVerdict(screen, row, QString());
        }
}
template <typename Entries, std::size_t N>
void clearBoxes(const QWidget *screen, const FieldRow<Entries> (&rows)[N])
{
    for (const FieldRow<Entries> &row : rows)
        if (QLineEdit *box = entryBox(screen, row.box))
            box->clear();
}

class QListWidget;
// The text of the list's selected item, or an empty text when nothing is selected.
QString selectedText(const QListWidget *list);

// Readies a screen's widgets once its form is set up:
// - every entry box and list gets its caption as its accessible name, taken from the label whose
//   buddy it is, so a screen reader announces the caption with the entry;
// - every label shows its text as plain text, so whatever is typed shows as typed, never as markup;
// - the labels the form marks as messages (an error, a reminder) are red;
// - no button is a default button: Enter in a box does nothing, Space presses the focused button.
void setUpScreen(QWidget *screen);

// Empties a list the way a fresh screen has it, for the keyboard and the mouse alike: nothing
// chosen, no current row, scrolled to the top. The first key press after the list takes the focus
// then starts from its first row again, as on a list that was never used.
void emptyList(QListWidget *list);
