#pragma once

#include <QStringView>

// The name rules for apostrophes and hyphens. Each answers true when the name passes.

// Only the first apostrophe is examined: it may not stand beside a space or end the name.
bool checkForGoodApostropheInEmployeeLastName(QStringView sFieldIn);
// A last name may hold up to two hyphens: LASTNAME-COMPOUNDNAME-SUFFIX.
bool checkForOneOrLessHyphensInEmployeeLastNameField(QStringView sFieldIn);
bool checkForTwoHyphensInARow(QStringView sFieldIn);
