#pragma once

class QIcon;
class QPixmap;

namespace helpabout {

// The program's picture, a notepad page: the main window's icon, and shown at 32 × 32 logical
// pixels in the about window, each drawn at the size that stays sharp on the screen.
QIcon programIcon();
QPixmap programPicture();

} // namespace helpabout
