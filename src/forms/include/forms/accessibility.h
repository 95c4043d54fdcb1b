#pragma once

class QString;
class QWidget;

namespace forms {

class SwatchList;

// Teaches Qt's accessibility how the forms' controls present themselves to assistive
// technology: a window's client area lists its controls without the decorative ones, a shape
// is a picture named by its accessible name, a label that acts on a click is a push button
// with a press action, and a swatch list is a list of named items. Called once, before the
// first window is made.
void installAccessibility();

// Keeps a purely decorative control out of the accessibility tree.
void markDecorative(QWidget *control);

// Has assistive technology speak a short text, without moving the focus or the activation:
// what a sighted user sees change away from the focus. Of the texts announced while one event
// is handled, only the last is spoken, once control is back in the event loop.
void announce(QWidget *window, const QString &text);

// Tells assistive technology that a control, with everything in it, was shown or hidden.
void reportVisibility(QWidget *control);

// Tells assistive technology that the list's chosen item is another than the one before (-1 for
// none): the selection moves, and with it the focus while the list has the keyboard.
void reportChoice(SwatchList *list, int before);
// Tells assistive technology, before a list's items change, which of them go: those from the
// count it will have on.
void reportItemsGoing(SwatchList *list, int countAfter);
// Tells assistive technology, once a list's items changed, that those it had before have other
// names, and which came.
void reportItemsCame(SwatchList *list, int countBefore);

} // namespace forms
