#include "pictures.h"

#include <QIcon>
#include <QPixmap>

namespace windows {

QIcon programIcon()
{
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/tsvetoznak-16.xpm"));
    icon.addFile(QStringLiteral(":/icons/tsvetoznak-32.xpm"));
    return icon;
}

QPixmap programPicture()
{
    return QPixmap(QStringLiteral(":/icons/tsvetoznak-32.xpm"));
}

} // namespace windows
