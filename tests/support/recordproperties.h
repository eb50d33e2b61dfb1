#pragma once

#include <QStringList>

// What every record must look like, whatever was typed; shared by the property test and the fuzz
// target. The entries of one screen go through its rules, paired as the screen pairs them; every
// entry its own rule lets through must be fit to stand in a record, and when the whole screen
// passes, the record (or the report name) is built and checked. Qt Core only.
namespace RecordProperties
{

enum class Screen { Contact, Employer, Employee, Naming };

// Entries in screen order (missing ones count as empty):
//   Contact:  filing type code, name, e-mail, phone, extension
//   Employer: quarter, year, account, FEIN, three months, gross, withholding, taxable,
//   contributions Employee: SSN, last, first, middle, gross, taxable, credit weeks Naming:   filer
//   kind, method, filing type code, number, sequence number
// A list entry that is empty chooses nothing; any other chooses an item by its first character.
struct Verdict {
    bool accepted = false;
    QString fault; // the first broken property, or empty
};
Verdict check(Screen screen, QStringList entries);

// The entries in a form fit for a message: printable ASCII, anything else as \uXXXX.
QString describe(const QStringList &entries);

} // namespace RecordProperties
