#pragma once

#include "formsvalues/colour.h"

#include <QColor>

namespace forms {

// The colour shown for a value; system roles take fixed colours of the classic desktop, so
// the program looks the same on every desktop theme.
QColor toQColor(ColourValue value);

} // namespace forms
