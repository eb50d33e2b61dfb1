#include "rules/namingrules.h"

#include "rules/checkstring.h"

namespace
{
bool isAlphanumeric(QStringView text)
{
    return checkString(rightTrimSpaces(text), CharacterSets::lettersAndDigits, true);
}
} // namespace

namespace NamingRules
{

QString employerOrTPA(QStringView selected)
{
    return selected.isEmpty() ? QStringLiteral("You must select either Employer or TPAID")
                              : QString();
}

QString ftpOrUpload(QStringView selected)
{
    return selected.isEmpty() ? QStringLiteral("You must select either File Upload or FTP")
                              : QString();
}

QString accountNumber(QStringView text)
{
    return checkNumberField(
        text,
        {QStringLiteral("ACCOUNT NUMBER must not be blank."),
         QStringLiteral("ACCOUNT NUMBER  must be numberic"), 7,
         QStringLiteral("ACCOUNT NUMBER  must be 7 digits long.  Please include leading zeros.")});
}

QString tpaid(QStringView text)
{
    return checkNumberField(
        text,
        {QStringLiteral("TPAID NUMBER must not be blank."),
         QStringLiteral("TPAID NUMBER must be numberic"), 10,
         QStringLiteral("TPAID NUMBER must be 10 digits long.  Please include leading zeros.")});
}

QString sequenceNumber(QStringView text)
{
    if (isBlank(text))
        return QString(); // the sequence number is optional
    return isAlphanumeric(text) ? QString()
                                : QStringLiteral("SEQUENCE NUMBER must be alphanumerics");
}

QString sequenceNumberOnLeaving(QStringView text)
{
    if (text.isEmpty() || isAlphanumeric(text))
        return QString();
    return QStringLiteral("Sequence Number must be alphanumerics.   You entered ") +
           text.toString() + QStringLiteral(" Please try re-entering it.");
}

QString employerOrTPA(const NamingEntries &entries)
{
    return entries.filerKind == FilerKind::None ? employerOrTPA(QStringView()) : QString();
}

QString ftpOrUpload(const NamingEntries &entries)
{
    return entries.method == FilingMethod::None ? ftpOrUpload(QStringView()) : QString();
}

QString number(const NamingEntries &entries)
{
    switch (entries.filerKind) {
    case FilerKind::Employer:
        return accountNumber(QStringView(entries.number));
    case FilerKind::Tpa:
        return tpaid(QStringView(entries.number));
    case FilerKind::None:
        break;
    }
    return QString();
}

QString sequenceNumber(const NamingEntries &entries)
{
    return sequenceNumber(QStringView(entries.sequenceNumber));
}

} // namespace NamingRules
