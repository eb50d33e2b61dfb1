// A whole screen's entries through its rules and, when they all pass, through the record builder
// or the report name, checked for the record properties of recordproperties.h. The first byte
// picks the screen ('A' contact, 'E' employer, 'S' employee, 'N' naming; any other byte one of
// them by its value); the rest, as UTF-8, gives the screen's entries in field table order, cut at
// '|' (the contact's first is the filing type). A list entry chooses by its item's text
// ("Employer", "TPA", "FTP", "FILE UPLOAD").

#include "fuzzinput.h"
#include "recordproperties.h"

namespace
{
template <typename E> void fuzz(E entries, const std::uint8_t *data, std::size_t size)
{
    const QStringList typed = decodeEntries(data, size, int(std::size(fieldsOf(entries))));
    int i = 0;
    for (const auto &row : fieldsOf(entries))
        if (row.box) // the S record's account number is its E record's, which passed its rules
            setShown(entries, row, typed[i++]);
    const QString fault = brokenProperty(entries);
    if (!fault.isEmpty())
        reportFault("fuzz_records", fault, typed.join(u'|'));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int letter = int(QByteArrayView("AESN").indexOf(char(data[0])));
    const int pick = letter >= 0 ? letter : data[0] % 4;
    if (pick == 0)
        fuzz(ContactEntries{}, data + 1, size - 1);
    if (pick == 1)
        fuzz(EmployerEntries{}, data + 1, size - 1);
    if (pick == 2)
        fuzz(EmployeeEntries{QStringLiteral("0123456")}, data + 1, size - 1);
    if (pick == 3)
        fuzz(NamingEntries{}, data + 1, size - 1);
    return 0;
}
