#pragma once

#include <QString>
#include <QStringView>

// The naming screen's rules. Each takes the list's selected text or the box's text as typed and
// returns the message to show, or an empty text when it passes.
namespace NamingRules
{
QString employerOrTPA(QStringView selected);
QString ftpOrUpload(QStringView selected);
QString accountNumber(QStringView text);
QString tpaid(QStringView text);
QString sequenceNumber(QStringView text);
// The check made as the focus leaves the sequence number box: an empty box is not checked.
QString sequenceNumberOnLeaving(QStringView text);
} // namespace NamingRules
