#pragma once

class QWidget;

namespace forms {

// Teaches Qt's accessibility how the forms' controls present themselves to assistive
// technology: a window's client area lists its controls without the decorative ones, a shape
// is a picture named by its accessible name, and a label that acts on a click is a push button
// with a press action. Called once, before the first window is made.
void installAccessibility();

// Keeps a purely decorative control out of the accessibility tree.
void markDecorative(QWidget *control);

} // namespace forms
