// Assistive technology on Windows: UI Automation, which Qt's own bridge serves whole. A client
// asks whether a control is on the screen when it needs to know, and Qt answers from the
// control itself; a window's activation is raised from the very report that the AT-SPI side
// holds back, and must reach it.

#include "forms/accessibility.h"
#include "forms/platformaccessibility.h"

namespace forms {

void installPlatformAccessibility() { }

void reportVisibility(QWidget *) { }

} // namespace forms
