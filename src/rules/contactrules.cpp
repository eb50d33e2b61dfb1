#include "rules/contactrules.h"

#include "rules/checkstring.h"
#include "rules/numbers.h"
#include "rules/spaces.h"

namespace
{
constexpr CharacterSet nameSet{
    u"'-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 "};
constexpr CharacterSet emailSet{
    u"-ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789@._"};

// An address needs an "@", then at least one character, then a full stop, with no ".." after the
// "@" and no full stop as the very last character typed.
bool goodEmailShape(QStringView trimmed, QStringView typed)
{
    const qsizetype at = trimmed.indexOf(u'@');
    if (at < 0)
        return false;
    if (trimmed.indexOf(u'.', at + 2) < 0)
        return false;
    if (trimmed.indexOf(QLatin1String(".."), at + 2) >= 0)
        return false;
    return !typed.endsWith(u'.');
}
} // namespace

namespace ContactRules
{

QString filingType(const ContactEntries &entries)
{
    return entries.filingType == u"O" || entries.filingType == u"A"
               ? QString()
               : QStringLiteral("FILING TYPE must be O (Original) or A (Amended)");
}

QString contactName(const ContactEntries &entries)
{
    const QStringView typed = entries.name;
    if (isBlank(typed))
        return QStringLiteral("CONTACT NAME must not be blank");
    if (typed.size() > 50)
        return QStringLiteral("CONTACT NAME too long must only be 50 characters long");
    if (!checkString(typed, nameSet, true))
        return QStringLiteral(
            "CONTACT NAME must only contain alphanumerics, apostrophe, space and hyphen.");
    return QString();
}

QString contactPhone(const ContactEntries &entries)
{
    return checkNumberField(
        entries.phone, {QStringLiteral("CONTACT PHONE NUMBER must not be blank"),
                        QStringLiteral("CONTACT PHONE NUMBER must only contain the digits 0 to 9."),
                        10, QStringLiteral("CONTACT PHONE NUMBER must be 10 digits long")});
}

QString contactEmail(const ContactEntries &entries)
{
    const QStringView typed = entries.email;
    const QStringView trimmed = trimSpaces(typed);
    const QString badFormat = QStringLiteral("CONTACT EMAIL must be a valid email address format");
    if (trimmed.isEmpty())
        return QStringLiteral("CONTACT EMAIL must not be blank");
    if (trimmed.size() > 320)
        return QStringLiteral("CONTACT EMAIL too long must only be 320 characters long");
    if (!checkString(rightTrimSpaces(typed), emailSet, true))
        return badFormat;
    if (!goodEmailShape(trimmed, typed))
        return badFormat;
    if (trimmed.indexOf(u'@', trimmed.indexOf(u'@') + 1) >= 0)
        return badFormat;
    return QString();
}

QString phoneExtension(const ContactEntries &entries)
{
    const QStringView typed = entries.extension;
    const QStringView trimmed = trimSpaces(typed);
    if (trimmed.isEmpty())
        return QString(); // the extension is optional
    if (trimmed.size() > 5)
        return QStringLiteral("CONTACT PHONE EXTENSION too long must only be 5 characters long");
    if (!isDigitText(typed))
        return QStringLiteral("CONTACT PHONE EXTENSION must only contain the digits 0 to 9.");
    return QString();
}

} // namespace ContactRules
