#pragma once

class QStyle;

namespace forms {

// The classic widget style, with the sunken frames of text boxes and frames drawn in whole
// device pixels at a fractional scale, where Qt before 6.8 loses their bottom edge.
QStyle *classicStyle();

} // namespace forms
