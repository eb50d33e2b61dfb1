// A whole screen's entries through its rules, paired as the screen pairs them, and, when all of
// them pass, through the record builder or the report name: nothing may crash and every record
// must be printable ASCII without quotation marks or line ends, with eleven fields each as typed.
// The first byte picks the screen: 'A' contact, 'E' employer, 'S' employee, 'N' naming (any other
// byte one of them by its value); the rest is decoded by decodeEntries. The list choices are
// made from their entries: an empty entry selects nothing, any other picks an item by its first
// character.

#include "fuzzinput.h"
#include "recordproperties.h"

using namespace RecordProperties;

namespace
{

int firstCode(const QString &entry)
{
    return entry.isEmpty() ? 0 : entry.at(0).unicode();
}

QString listChoice(const QString &entry, const QString &first, const QString &second)
{
    if (entry.isEmpty())
        return QString();
    return firstCode(entry) % 2 == 0 ? first : second;
}

QString typeCode(const QString &entry)
{
    return entry.startsWith(u'A') ? QStringLiteral("A") : QStringLiteral("O");
}

template <typename Entries> void checkScreen(const Entries &entries, const QStringList &typed)
{
    const Verdict verdict = check(entries);
    if (!verdict.fault.isEmpty())
        reportFault("fuzz_records", verdict.fault, describe(entries));
    for (const QString &text : typed) {
        const QString fault = singleFieldFault(text);
        if (!fault.isEmpty())
            reportFault("fuzz_records", fault, escaped(text));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    char kind = char(data[0]);
    if (kind != 'A' && kind != 'E' && kind != 'S' && kind != 'N')
        kind = "AESN"[data[0] % 4];

    if (kind == 'A') {
        const QStringList f = decodeEntries(data + 1, size - 1, 5);
        checkScreen(ContactEntries{typeCode(f[0]), f[1], f[2], f[3], f[4]}, f.mid(1, 4));
    } else if (kind == 'E') {
        const QStringList f = decodeEntries(data + 1, size - 1, 11);
        EmployerEntries e;
        e.quarter = f[0].isEmpty() ? QString() : quarterItems().at(firstCode(f[0]) % 4);
        e.year = f[1].isEmpty() ? QString() : QString::number(2019 + firstCode(f[1]) % 8);
        e.account = f[2];
        e.fein = f[3];
        e.firstMonth = f[4];
        e.secondMonth = f[5];
        e.thirdMonth = f[6];
        e.grossWages = f[7];
        e.withholding = f[8];
        e.taxableWages = f[9];
        e.contributions = f[10];
        checkScreen(e, f.mid(2, 9));
    } else if (kind == 'S') {
        const QStringList f = decodeEntries(data + 1, size - 1, 8);
        checkScreen(EmployeeEntries{f[0], f[1], f[2], f[3], f[4], f[5], f[6], f[7]}, f.mid(0, 8));
    } else {
        const QStringList f = decodeEntries(data + 1, size - 1, 5);
        checkScreen(NamingEntries{listChoice(f[0], filerEmployer(), filerTpa()),
                                  listChoice(f[1], methodUpload(), methodFtp()), typeCode(f[2]),
                                  f[3], f[4]},
                    f.mid(3, 2));
    }
    return 0;
}
