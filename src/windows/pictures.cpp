#include "pictures.h"

#include "windows/program.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace windows {

QIcon programIcon()
{
    QIcon icon;
    for (const int size : WindowIconSizes)
        icon.addFile(QStringLiteral(":/icons/tsvetoznak-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programPicture()
{
    return programIcon().pixmap(QSize(32, 32), qApp->devicePixelRatio());
}

} // namespace windows
