#pragma once

#include <QString>

// The contact field rules. Each takes the box's text as typed and returns the message to show,
// or an empty text when the field passes.
namespace ContactRules
{
QString contactName(const QString &typed);
QString contactPhone(const QString &typed);
QString contactEmail(const QString &typed);
QString phoneExtension(const QString &typed);
} // namespace ContactRules
