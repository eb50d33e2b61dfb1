#pragma once

#include <QString>

// The naming screen's rules. Each takes the list's selected text or the box's text as typed and
// returns the message to show, or an empty text when it passes.
namespace NamingRules
{
QString employerOrTPA(const QString &selected);
QString ftpOrUpload(const QString &selected);
QString accountNumber(const QString &text);
QString tpaid(const QString &text);
QString sequenceNumber(const QString &text);
// The check made as the focus leaves the sequence number box: an empty box is not checked.
QString sequenceNumberOnLeaving(const QString &text);
} // namespace NamingRules
