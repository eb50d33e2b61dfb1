// A whole screen's entries through its rules, paired as the screen pairs them, and, when they all
// pass, through the record builder or the report name: nothing may crash, every entry its rule
// lets through must be fit for a record, and every record printable ASCII without quotation marks
// or line ends, with eleven fields as typed. The first byte picks the screen ('A' contact,
// 'E' employer, 'S' employee, 'N' naming; any other byte one of them by its value); the rest is
// decoded by decodeEntries. A list entry that is empty chooses nothing; any other chooses an item
// by its first character.

#include "fuzzinput.h"
#include "recordproperties.h"

using namespace RecordProperties;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint8_t pick = data[0];
    const Screen screen = pick == 'A'   ? Screen::Contact
                          : pick == 'E' ? Screen::Employer
                          : pick == 'S' ? Screen::Employee
                          : pick == 'N' ? Screen::Naming
                                        : Screen(pick % 4);
    const QStringList entries = decodeEntries(data + 1, size - 1, 11);
    const Verdict verdict = check(screen, entries);
    if (!verdict.fault.isEmpty())
        reportFault("fuzz_records", verdict.fault, describe(entries));
    return 0;
}
