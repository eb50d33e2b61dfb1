// checkString, the helpers every rule rests on and every field rule alone, on any text: nothing
// may crash, each helper must agree with its definition, and whatever a rule lets through must be
// fit to stand in a record as it is. Entries: the text, a character set, a second number.

#include "fuzzinput.h"
#include "recordproperties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList entries = decodeEntries(data, size, 3);
    const QString &text = entries.at(0);
    const QString &set = entries.at(1);
    const QString &other = entries.at(2);

    QString fault = RecordProperties::primitivesFault(text, set, other);
    if (fault.isEmpty())
        fault = RecordProperties::singleFieldFault(text);
    if (!fault.isEmpty())
        reportFault("fuzz_fields", fault,
                    QStringLiteral("text \"%1\", set \"%2\", other \"%3\"")
                        .arg(RecordProperties::escaped(text), RecordProperties::escaped(set),
                             RecordProperties::escaped(other)));
    return 0;
}
