#pragma once

namespace forms {

// What the platform's accessibility bus needs beyond what Qt's bridge to it does by itself, set
// up by installAccessibility(). The platform's own file defines it, with reportVisibility().
void installPlatformAccessibility();

} // namespace forms
