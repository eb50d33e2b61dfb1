#pragma once

#include <QString>

// One field of a screen and of its record, a row of the kind's field table: the name the messages
// and tavo-check give it, its place in the record counted from 1 (0 when it has none), the length
// limit of its entry box (0 when the box has none), the object names of its entry and of its error
// label on the screen, and its rule, which picks the partner fields it needs from the entries and
// returns the message to show, or an empty text when the field passes.
template <typename Entries> struct FieldRow {
    const char *name;
    int position;
    int maxLength;
    const char *entry;
    const char *errorLabel;
    QString (*rule)(const Entries &);
};
