#pragma once

#include <QString>

#include <cstddef>

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

// The row of a field table whose rule is `rule`; a rule that has no row is a fault of the program.
template <typename Entries, std::size_t N>
const FieldRow<Entries> &fieldWithRule(const FieldRow<Entries> (&fields)[N],
                                       QString (*rule)(const Entries &))
{
    for (const FieldRow<Entries> &field : fields) {
        if (field.rule == rule)
            return field;
    }
    qFatal("a rule without a row in its field table");
}
