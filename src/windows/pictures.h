#pragma once

class QIcon;
class QPixmap;

namespace windows {

// The program's picture, a notepad page: the main window's icon in both sizes, and shown at
// 32 × 32 in the about window.
QIcon programIcon();
QPixmap programPicture();

} // namespace windows
