#include "pictures.h"

#include <QIcon>
#include <QPixmap>

// The icon files are C arrays as they stand: read straight from memory, without looking for
// an image format.
#include "tsvetoznak-16.xpm"
#include "tsvetoznak-32.xpm"

namespace windows {

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap(tsvetoznak_16));
    icon.addPixmap(QPixmap(tsvetoznak_32));
    return icon;
}

QPixmap programPicture()
{
    return QPixmap(tsvetoznak_32);
}

} // namespace windows
