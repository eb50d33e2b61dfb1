#pragma once

#include <QString>

#include <vector>

// What every record must look like, whatever was typed: the property test and the fuzz targets
// share these checks. Each check runs the screen's rules on the entries with the same pairing the
// screen uses, checks every entry that its own rule let through, and when every rule passed builds
// the record with Records:: and checks it field by field. It returns a description of the first
// broken property, or an empty text. Qt Core only.
namespace RecordProperties
{

// The contact screen: the filing type code ("O" or "A", from the list) and the four boxes.
struct ContactEntries {
    QString typeCode, name, email, phone, extension;
};

// The employer screen: the selected texts of the quarter and year lists (empty when nothing is
// selected) and the ten boxes.
struct EmployerEntries {
    QString quarter, year;
    QString account, fein, firstMonth, secondMonth, thirdMonth;
    QString grossWages, withholding, taxableWages, contributions;
};

// The employee screen; the account number is the employer screen's box, which its own rule has
// checked before any employee is added.
struct EmployeeEntries {
    QString account, ssn, lastName, firstName, middleName, grossWages, taxableWages, creditWeeks;
};

// The naming screen: the two lists' selected texts, the filing type code, the number box and the
// sequence number box.
struct NamingEntries {
    QString filerKind, method, typeCode, number, sequence;
};

// Whether the screen's rules accepted the entries, and the first broken property if any.
struct Verdict {
    bool accepted = false;
    QString fault;
};

Verdict check(const ContactEntries &entries);
Verdict check(const EmployerEntries &entries);
Verdict check(const EmployeeEntries &entries);
Verdict check(const NamingEntries &entries);

// The building blocks every rule rests on, checked against their definitions: checkString with
// `set` both ways, the trimming helpers, isBlank, isDigitText, compareWholeNumbers against
// `other`, checkNumberField, and the three name routines (which must merely not crash).
QString primitivesFault(const QString &text, const QString &set, const QString &other);

// Every rule of a typed field run on the text alone (partner boxes empty); for each that lets the
// text through, the text must be fit to stand in a record as it is. `passed`, when given, gets the
// number of rules that let it through.
QString singleFieldFault(const QString &text, int *passed = nullptr);

// The entries in a form fit for a message: printable ASCII, anything else as \uXXXX.
QString escaped(const QString &text);
QString describe(const ContactEntries &entries);
QString describe(const EmployerEntries &entries);
QString describe(const EmployeeEntries &entries);
QString describe(const NamingEntries &entries);

// The list texts the screens offer.
const std::vector<QString> &quarterItems();
const QString &filerEmployer();
const QString &filerTpa();
const QString &methodUpload();
const QString &methodFtp();

} // namespace RecordProperties
