#include "rules/namingrules.h"

#include "rules/checkstring.h"
#include "rules/employerrules.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

namespace
{
bool isAlphanumeric(QStringView text)
{
    return checkString(rightTrimSpaces(text), CharacterSets::lettersAndDigits, true);
}
} // namespace

namespace NamingRules
{

int numberLength(FilerKind kind)
{
    return kind == FilerKind::Tpa ? 10 : EmployerRules::accountNumberLength;
}

QString numberPrompt(FilerKind kind)
{
    switch (kind) {
    case FilerKind::Employer:
        return QStringLiteral("Enter your 7 digit Veloria Unemployment Compensation Tax account "
                              "number, without the dash.");
    case FilerKind::Tpa:
        return QStringLiteral(
            "What is your TPAID? Enter all 10 digits including leading zeroes, excluding hyphen.");
    case FilerKind::None:
        break;
    }
    return QString();
}

QString employerOrTPA(const NamingEntries &entries)
{
    return entries.filerKind == FilerKind::None
               ? QStringLiteral("You must select either Employer or TPAID")
               : QString();
}

QString ftpOrUpload(const NamingEntries &entries)
{
    return entries.method == FilingMethod::None
               ? QStringLiteral("You must select either File Upload or FTP")
               : QString();
}

QString number(const NamingEntries &entries)
{
    const int length = numberLength(entries.filerKind);
    switch (entries.filerKind) {
    case FilerKind::Employer:
        return checkNumberField(
            entries.number,
            {QStringLiteral("ACCOUNT NUMBER must not be blank."),
             QStringLiteral("ACCOUNT NUMBER  must be numberic"), length,
             QStringLiteral("ACCOUNT NUMBER  must be 7 digits long.  Please include leading "
                            "zeros.")});
    case FilerKind::Tpa:
        return checkNumberField(
            entries.number,
            {QStringLiteral("TPAID NUMBER must not be blank."),
             QStringLiteral("TPAID NUMBER must be numberic"), length,
             QStringLiteral("TPAID NUMBER must be 10 digits long.  Please include leading "
                            "zeros.")});
    case FilerKind::None:
        break;
    }
    return QString();
}

QString sequenceNumber(const NamingEntries &entries)
{
    if (isBlank(entries.sequenceNumber))
        return QString(); // the sequence number is optional
    return isAlphanumeric(entries.sequenceNumber)
               ? QString()
               : QStringLiteral("SEQUENCE NUMBER must be alphanumerics");
}

QString sequenceNumberOnLeaving(const NamingEntries &entries)
{
    const QString &text = entries.sequenceNumber;
    if (text.isEmpty() || isAlphanumeric(text))
        return QString();
    return QStringLiteral("Sequence Number must be alphanumerics.   You entered ") + text +
           QStringLiteral(" Please try re-entering it.");
}

} // namespace NamingRules
