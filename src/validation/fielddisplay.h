#pragma once

#include <QColor>
#include <QString>

class QLabel;
class QWidget;

// The back colour of an entry whose rule failed.
inline QColor errorYellow()
{
    return QColor(255, 255, 0);
}

// Paints an entry box or list error yellow, or back to the normal window background. A screen
// reader hears the message through the entry's accessible description while the mark stands.
void markField(QWidget *entry, const QString &message);
void unmarkField(QWidget *entry);

// The field-error display: a non-empty message goes into the red error label and marks the
// entry; an empty one empties the label and unmarks the entry. `entry` may be null for rules
// that colour nothing. Returns true when the field passed.
bool showFieldVerdict(QLabel *label, QWidget *entry, const QString &message);

class QListWidget;
// The text of the list's selected item, or an empty text when nothing is selected.
QString selectedText(const QListWidget *list);

// Readies a screen's widgets once its form is set up:
// - every entry box and list gets its caption as its accessible name, taken from the label whose
//   buddy it is, so a screen reader announces the caption with the entry;
// - every label shows its text as plain text, so whatever is typed shows as typed, never as markup;
// - no button is a default button: Enter in a box does nothing, Space presses the focused button.
void setUpScreen(QWidget *screen);

// Empties a list the way a fresh screen has it, for the keyboard and the mouse alike: nothing
// chosen, no current row, scrolled to the top. The first key press after the list takes the focus
// then starts from its first row again, as on a list that was never used.
void emptyList(QListWidget *list);
