#pragma once

#include <QString>
#include <QStringView>

// The contact field rules. Each takes the box's text as typed and returns the message to show,
// or an empty text when the field passes.
namespace ContactRules
{
QString contactName(QStringView typed);
QString contactPhone(QStringView typed);
QString contactEmail(QStringView typed);
QString phoneExtension(QStringView typed);
} // namespace ContactRules
